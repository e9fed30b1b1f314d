// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutwindow.h"

#include "fonts.h"
#include "hotspot.h"
#include "shell/art/artwork.h"
#include "shell/layout/windowlayout.h"

#include <QLabel>
#include <QPushButton>
#include <QVariantAnimation>

namespace ttt {

namespace {

constexpr int ThankYouButtonPadding = 8; // room for the button's frame around its caption

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
    m_slide = new QVariantAnimation(this);
    m_slide->setDuration(SlideMilliseconds);
    connect(m_slide, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { setFixedHeight(value.toInt()); });
}

void AboutWindow::setUpWindow()
{
    setObjectName(QLatin1String(layout::aboutWindow));
    setWindowTitle(tr("About Tic Tac Toe"));
    setAccessibleDescription(
        tr("Free software: share and change it under the GNU General Public License, "
           "version 3 or later"));
    setFixedSize(fromTwips(layout::aboutTwips));
    setFont(dialogFont(QFont::TypeWriter, 8.25, true));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
}

void AboutWindow::addButton()
{
    auto* button = new QPushButton(tr("Thank you"), this);
    button->setObjectName(QLatin1String(layout::okButton));
    button->setGeometry(twipsRect(360, 360, 1095, 495));
    button->setFont(dialogFont(QFont::Serif, 9.75, true));
    shrinkFontToFit(button, button->text(), button->width() - ThankYouButtonPadding);
    connect(button, &QPushButton::clicked, this, &AboutWindow::thankYou);
}

void AboutWindow::addLabels()
{
    QLabel* version = whiteLabel(QStringLiteral("Version " TTT_VERSION "       (32-bit)"), this);
    version->setObjectName(QLatin1String(layout::versionLabel));
    version->setGeometry(twipsRect(6240, 480, 1215, 375));
    version->setFont(dialogFont(QFont::SansSerif, 8.25, true));
    version->setWordWrap(true);
    shrinkWrappedFontToFit(version, version->text());

    // Lies just below the window's first height: only the slide shows it.
    QLabel* address = whiteLabel(QStringLiteral("https://tictactoe.example.org"), this);
    address->setObjectName(QLatin1String(layout::addressLabel));
    address->setGeometry(twipsRect(2280, 5760, 3855, 255));
}

void AboutWindow::addHotspot()
{
    auto* spot = new Hotspot(this);
    spot->setObjectName(QLatin1String(layout::slideHotspot));
    spot->setGeometry(twipsRect(360, 1200, 1695, 375));
    connect(spot, &Hotspot::doubleClicked, this, &AboutWindow::slide);
}

int AboutWindow::shutHeight() const
{
    return qRound(m_firstHeight * scale());
}

int AboutWindow::openHeight() const
{
    return shutHeight() + qRound(SlideDistance * scale());
}

void AboutWindow::setScale(qreal newScale)
{
    m_slide->stop();
    const bool open = height() == openHeight();
    PictureWindow::setScale(newScale);
    setFixedHeight(open ? openHeight() : shutHeight());
}

// Slides the window open downwards, or shut again, in a short animation. Any
// height other than the two resting heights, as during a slide, is left alone.
void AboutWindow::slide()
{
    if (m_slide->state() == QAbstractAnimation::Running ||
        (height() != shutHeight() && height() != openHeight()))
        return;
    m_slide->setStartValue(height());
    m_slide->setEndValue(height() == shutHeight() ? openHeight() : shutHeight());
    m_slide->start();
}

} // namespace ttt
