// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace ttt {

class Artwork;

// The window that shows all twelve picture sets side by side and lets the
// player pick one. It is created once and afterwards only hidden and shown,
// so the option last clicked stays selected between openings.
class GraphicsChooser : public QWidget
{
    Q_OBJECT

public:
    // `art` must outlive the chooser.
    explicit GraphicsChooser(const Artwork& art, QWidget* parent = nullptr);

    // Readies the chooser to be shown: if no set has been picked yet, the option
    // of the set in use (named by its first picture, see PictureSet) is selected,
    // so OK always yields a valid set, and the selected option has the focus.
    void prepareFor(int firstPicture);
    // prepareFor(), then shows the chooser on its own.
    void openFor(int firstPicture);

    // Index of the selected set's empty-cell picture (1, 4, ..., 34), or 0
    // while no option is selected.
    int selectedFirstPicture() const;
    // The selected set (1..12), or 0 while none is.
    int selectedSet() const;
    void selectSet(int set);

signals:
    // OK was pressed; the chooser has hidden itself.
    void accepted(int firstPicture);
    // Cancel, Escape or the window frame closed it; it has hidden itself.
    void cancelled();

public slots:
    void accept();
    void cancel();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUpWindow();
    void addSetPictures(const Artwork& art);
    void addOptions();
    void addButtons();
    void orderTabs();
    QRadioButton* option(int set) const;

    QButtonGroup* m_options;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace ttt
