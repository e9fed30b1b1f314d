#include "aboutwindow.h"

#include "fonts.h"
#include "hotspot.h"
#include "shell/art/artwork.h"
#include "shell/twips.h"

#include <QLabel>
#include <QPushButton>

namespace ttt {

namespace {

constexpr int ButtonPadding = 8; // room for the button's frame around its caption

QLabel* whiteLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    return label;
}

} // namespace

AboutWindow::AboutWindow(const Artwork& art, QWidget* parent)
    : PictureWindow(art, Artwork::Picture::About, parent)
{
    setUpWindow();
    addButton();
    addLabels();
    addHotspot();
    m_firstHeight = height();
}

void AboutWindow::setUpWindow()
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("About Tic Tac Toe"));
    setAccessibleDescription(
        tr("Free software: share and change it under the GNU General Public License, "
           "version 3 or later"));
    setFixedSize(fromTwips(7575), fromTwips(5730));
    setFont(dialogFont(QFont::TypeWriter, 8.25, true));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
}

void AboutWindow::addButton()
{
    auto* button = new QPushButton(tr("Thank you"), this);
    button->setObjectName(QStringLiteral("Command1"));
    button->setGeometry(twipsRect(360, 360, 1095, 495));
    button->setFont(dialogFont(QFont::Serif, 9.75, true));
    shrinkFontToFit(button, button->text(), button->width() - ButtonPadding);
    connect(button, &QPushButton::clicked, this, &AboutWindow::thankYou);
}

void AboutWindow::addLabels()
{
    QLabel* version = whiteLabel(QStringLiteral("Version " TTT_VERSION "       (32-bit)"), this);
    version->setObjectName(QStringLiteral("Label1"));
    version->setGeometry(twipsRect(6240, 480, 1215, 375));
    version->setFont(dialogFont(QFont::SansSerif, 8.25, true));
    version->setWordWrap(true);

    // Lies just below the window's first height: only the slide shows it.
    QLabel* address = whiteLabel(QStringLiteral("https://tictactoe.example.org"), this);
    address->setObjectName(QStringLiteral("Label2"));
    address->setGeometry(twipsRect(2280, 5760, 3855, 255));
}

void AboutWindow::addHotspot()
{
    auto* spot = new Hotspot(this);
    spot->setObjectName(QStringLiteral("Image1"));
    spot->setGeometry(twipsRect(360, 1200, 1695, 375));
    connect(spot, &Hotspot::doubleClicked, this, &AboutWindow::slide);
}

// Opens the window downwards by one pixel at a time, or closes it again. Any
// height other than the two resting heights is left alone.
void AboutWindow::slide()
{
    int step = 0;
    if (height() == m_firstHeight)
        step = 1;
    else if (height() == m_firstHeight + SlideDistance)
        step = -1;
    for (int i = 0; step != 0 && i < SlideDistance; ++i)
        setFixedHeight(height() + step);
}

} // namespace ttt
