// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/aboutwindow.h"
#include "dialogs/graphicschooser.h"
#include "dialogs/tipswindow.h"

#include <QObject>
#include <QPointer>

namespace ttt {

class Artwork;

// The graphics chooser, About and Tips. Each acts as a modal dialog: while one is
// open the main window waits disabled behind it, and while always-on-top is on the
// open window takes the main window's place in the top band.
// The chooser and About are made on first use and then kept; Tips is made anew
// each time. A window that closes gives back the memory of its pictures and of its
// backing store, however large it was opened.
class SecondaryWindows : public QObject
{
    Q_OBJECT

public:
    SecondaryWindows(QWidget* mainWindow, const Artwork& artwork);
    ~SecondaryWindows() override;

    // Whether the main window is kept on top: while a window is open it takes the
    // main window's place in the top band. Read when one opens or closes.
    void setOnTop(bool onTop) { m_onTop = onTop; }

    void openChooser(int firstPicture);
    void openAbout();
    void openTips();
    bool anyOpen() const { return m_open != nullptr; }
    // At exit every window goes at once, without its own closing steps.
    void hideAll();

signals:
    void pictureSetAccepted(int firstPicture);
    // A window has closed and the main window is enabled again.
    void closed();

private:
    void open(QWidget* window);
    void scaleLikeMainWindow(QWidget* window);
    void belongToMainWindow(QWidget* window);
    void close();

    QWidget* m_main;
    const Artwork& m_artwork;
    bool m_onTop = false;
    QPointer<QWidget> m_open;
    QPointer<GraphicsChooser> m_chooser;
    QPointer<AboutWindow> m_about;
    QPointer<TipsWindow> m_tips;
};

} // namespace ttt
