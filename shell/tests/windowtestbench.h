// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tests/scriptedrandom.h"
#include "results/tests/recordingcues.h"
#include "session/session.h"
#include "session/settingsstore.h"
#include "shell/art/artwork.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace ttt::test {

// The secondary window of this name (see shell/layout/windowlayout.h) as the desktop has
// it: the one shown, else one kept hidden, else none.
template <typename Window = QWidget> Window* secondaryWindow(const char* name)
{
    Window* hidden = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (!window || window->objectName() != QLatin1String(name))
            continue;
        if (window->isVisible())
            return window;
        hidden = window;
    }
    return hidden;
}

// A main window on scripted draws and a cue recorder, with the session that saves its
// settings, in a fresh working directory of its own, with no farewell hold at exit.
class WindowTestBench
{
public:
    WindowTestBench() : m_oldDir(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
        makeWindow();
    }
    ~WindowTestBench()
    {
        session.reset();
        window.reset();
        QDir::setCurrent(m_oldDir);
    }

    // A fresh game in a fresh window, as after a restart of the program.
    void makeWindow()
    {
        session.reset();
        window.reset();
        m_game = std::make_unique<Game>(random, cues);
        window = std::make_unique<MainWindow>(*m_game, artwork);
        session = std::make_unique<Session>(*m_game, *window);
        session->findChild<QTimer*>(QLatin1String("farewell"))->setInterval(0); // no wait at exit
    }
    // What the window shows is drawn from this.
    const Game& game() const { return *m_game; }

    ScriptedRandom random;
    RecordingCues cues;
    Artwork artwork;
    std::unique_ptr<MainWindow> window; // reset before the game it shows
    std::unique_ptr<Session> session;   // reset before the window it ends

private:
    std::unique_ptr<Game> m_game;
    QTemporaryDir m_dir;
    QString m_oldDir;
};

} // namespace ttt::test
