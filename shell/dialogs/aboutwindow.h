#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace ttt {

class Artwork;
class Hotspot;

// The About window: the version over a picture, and a web address that slides
// into view below it after a double-click on a hidden spot. It is only hidden
// when closed, so it keeps its height between openings.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int SlideDistance = 20; // pixels the window grows to show the address

    // `art` must outlive the window.
    explicit AboutWindow(const Artwork& art, QWidget* parent = nullptr);

    // The height the window had when it was made; the slide starts from it.
    int firstHeight() const { return m_firstHeight; }

signals:
    // "Thank you" or the window frame closed it; it has hidden itself.
    void closed();

public slots:
    void thankYou();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUpWindow();
    void addButton();
    void addLabels();
    void addHotspot();
    void slide();

    const Artwork& m_art;
    int m_firstHeight = 0;
};

} // namespace ttt
