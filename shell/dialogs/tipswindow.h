#pragma once

#include <QWidget>

namespace ttt {

class Artwork;

// The Tips window: a picture with the tips drawn in and an OK button. It
// deletes itself when closed; a new one is made for every opening.
class TipsWindow : public QWidget
{
    Q_OBJECT

public:
    // `art` must outlive the window.
    explicit TipsWindow(const Artwork& art, QWidget* parent = nullptr);

signals:
    // OK or the window frame closed it; it has hidden itself and will be deleted.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUpWindow();
    void addButton();

    const Artwork& m_art;
};

} // namespace ttt
