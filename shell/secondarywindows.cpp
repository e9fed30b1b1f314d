// SPDX-License-Identifier: GPL-3.0-or-later
#include "secondarywindows.h"

#include "drawablewindows.h"
#include "focusring.h"
#include "scaledcanvas.h"
#include "stayontop.h"

#include <QBackingStore>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace ttt {

SecondaryWindows::SecondaryWindows(QWidget* mainWindow, const Artwork& artwork)
    : QObject(mainWindow), m_main(mainWindow), m_artwork(artwork)
{
}

SecondaryWindows::~SecondaryWindows()
{
    delete m_chooser;
    delete m_about;
    delete m_tips;
}

void SecondaryWindows::openChooser(int firstPicture)
{
    if (!m_chooser) {
        m_chooser = new GraphicsChooser(m_artwork);
        connect(m_chooser, &GraphicsChooser::accepted, this, [this](int chosen) {
            emit pictureSetAccepted(chosen);
            close();
        });
        connect(m_chooser, &GraphicsChooser::cancelled, this, &SecondaryWindows::close);
    }
    m_chooser->prepareFor(firstPicture);
    open(m_chooser);
}

void SecondaryWindows::openAbout()
{
    if (!m_about) {
        m_about = new AboutWindow(m_artwork);
        connect(m_about, &AboutWindow::closed, this, &SecondaryWindows::close);
    }
    open(m_about);
}

void SecondaryWindows::openTips()
{
    m_tips = new TipsWindow(m_artwork);
    connect(m_tips, &TipsWindow::closed, this, &SecondaryWindows::close);
    open(m_tips);
}

void SecondaryWindows::hideAll()
{
    m_open = nullptr;
    m_main->setEnabled(true);
    for (QWidget* window : {static_cast<QWidget*>(m_chooser), static_cast<QWidget*>(m_about),
                            static_cast<QWidget*>(m_tips)}) {
        if (window)
            window->hide();
    }
}

// The window's controls move onto a canvas of their own, which draws them at the main
// window's scale as the main window's canvas draws its own.
void SecondaryWindows::scaleLikeMainWindow(QWidget* window)
{
    auto* canvas = window->findChild<ScaledCanvas*>(QString(), Qt::FindDirectChildrenOnly);
    if (!canvas) {
        // Room for controls below the first height too: About slides open onto them.
        const QSize design = (QRect(QPoint(), window->size()) | window->childrenRect()).size();
        QWidget* focus = window->focusWidget(); // moving a control takes its focus
        canvas = new ScaledCanvas(design, window);
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child == canvas)
                continue;
            const bool shown = !child->isHidden();
            child->setParent(canvas);
            child->setVisible(shown);
        }
        canvas->takeDesign();
        canvas->show();
        if (focus)
            focus->setFocus();
    }
    // As large as the main window's drawing, yet whole on the screen, framed as the main
    // window is: smaller than drawn where the screen is small.
    const QSize room = roomOnScreen(m_main).size();
    const QSize design = canvas->sizeHint();
    const qreal scale =
        std::min({ScaledCanvas::scaleOf(m_main->findChild<ScaledCanvas*>()),
                  qreal(room.width()) / design.width(), qreal(room.height()) / design.height()});
    const QSize size = (QSizeF(design) * scale).toSize();
    canvas->setFixedSize(size);
    if (auto* picture = qobject_cast<PictureWindow*>(window))
        picture->setScale(scale);
    else
        window->setFixedSize(size);
}

void SecondaryWindows::open(QWidget* window)
{
    scaleLikeMainWindow(window);
    if (!window->findChild<FocusRing*>(QString(), Qt::FindDirectChildrenOnly))
        FocusRing::follow(window);
    m_open = window;
    belongToMainWindow(window); // before it is first shown
    m_main->setEnabled(false);
    if (m_onTop) {
        StayOnTop::apply(m_main, false);
        StayOnTop::apply(window, true);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void SecondaryWindows::belongToMainWindow(QWidget* window)
{
    // The window manager keeps a dialog above the window it belongs to and places
    // it with that window; the dialog is centred over it here.
    window->winId();
    if (QWindow* owner = m_main->windowHandle())
        window->windowHandle()->setTransientParent(owner);
    QRect placed(QPoint(), window->size());
    placed.moveCenter(m_main->geometry().center());
    // Wholly on the screen, frame included, so that every control can be reached: at its
    // largest too, as About grows downwards when it slides open.
    placed.setSize(placed.size().expandedTo(window->childrenRect().size()));
    const QRect room = roomOnScreen(m_main);
    placed.moveLeft(qMax(room.left(), qMin(placed.left(), room.right() - placed.width() + 1)));
    placed.moveTop(qMax(room.top(), qMin(placed.top(), room.bottom() - placed.height() + 1)));
    window->setGeometry(QRect(placed.topLeft(), window->size()));
}

void SecondaryWindows::close()
{
    QWidget* window = m_open;
    m_open = nullptr;
    if (window) {
        // A window opened at a large scale let go of its large pictures as it closed;
        // its backing store goes too, and the heap gives their memory back.
        window->backingStore()->resize(QSize(1, 1));
        QTimer::singleShot(0, &Artwork::returnFreedMemory);
    }
    m_main->show();
    m_main->setEnabled(true);
    if (m_onTop) {
        if (window)
            StayOnTop::apply(window, false);
        StayOnTop::apply(m_main, true);
    }
    m_main->activateWindow();
    emit closed();
}

} // namespace ttt
