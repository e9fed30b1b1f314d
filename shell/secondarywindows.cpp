// SPDX-License-Identifier: GPL-3.0-or-later
#include "secondarywindows.h"

#include "dialogs/stayontop.h"
#include "focusring.h"

#include <QWindow>

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

void SecondaryWindows::open(QWidget* window)
{
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
    window->setGeometry(placed);
}

void SecondaryWindows::close()
{
    QWidget* window = m_open;
    m_open = nullptr;
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
