#pragma once

#include "core/tests/scriptedrandom.h"
#include "results/tests/recordingcues.h"
#include "shell/art/artwork.h"
#include "shell/mainwindow.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace ttt::test {

// A main window on scripted draws and a cue recorder, in a fresh working
// directory of its own, with no farewell hold at exit.
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
        window.reset();
        QDir::setCurrent(m_oldDir);
    }

    void makeWindow()
    {
        window.reset();
        window = std::make_unique<MainWindow>(random, cues, artwork);
        window->setFarewellHold(0);
    }

    ScriptedRandom random;
    RecordingCues cues;
    Artwork artwork;
    std::unique_ptr<MainWindow> window;

private:
    QTemporaryDir m_dir;
    QString m_oldDir;
};

} // namespace ttt::test
