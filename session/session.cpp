// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "firstframe.h"
#include "game/game.h"
#include "settingsstore.h"
#include "shell/mainwindow.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace ttt {

Session::Session(Game& game, MainWindow& window, QObject* parent)
    : QObject(parent), m_game(game), m_window(window), m_farewell(new QTimer(this))
{
    m_farewell->setObjectName(QLatin1String("farewell"));
    m_farewell->setSingleShot(true);
    m_farewell->setTimerType(Qt::PreciseTimer);
    // Three seconds of farewell, counted from when it starts to sound: the sound
    // system may take a tenth of a second or so to open its stream and start it.
    m_farewell->setInterval(3150);
    connect(m_farewell, &QTimer::timeout, this, &Session::finish);

    connect(&window, &MainWindow::exitRequested, this, &Session::exit);
    connect(&window, &MainWindow::quitNowRequested, this, &Session::quitNow);
    connect(&window, &MainWindow::pictureSetChosen, this,
            [this](int firstPicture) { m_window.warn(savePictureSetFile(firstPicture)); });
    connect(&m_endSignals, &EndSignals::endRequested, this, &Session::endSession);
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { endSession(); });
}

void Session::start()
{
    const StartingOptions start = loadOptionsFile();
    m_fileRefusedAtStart = start.fileRefused;
    m_window.startUp(start.options);
    m_displayLoss.emplace([this] { saveWithoutDisplay(); });
    m_window.show();
    m_window.greet();
    // A settings file that could not be used is told once, without holding up the game,
    // over the window where the desktop has put it.
    afterFirstFrame(&m_window, [this, problem = start.problem] { m_window.warn(problem); });
}

void Session::exit()
{
    if (m_stage != Stage::Running)
        return;
    const bool farewellSounds = m_game.sayFarewell();
    m_exitProblem = save();
    if (!m_exitProblem.isEmpty()) {
        m_stage = Stage::WarningShown;
        m_window.showExitWarning(m_exitProblem);
        if (m_stage == Stage::Ended)
            return; // the session ended while the warning waited for its answer
    }
    m_window.leaveScreen();
    if (farewellSounds && m_farewell->interval() > 0) {
        // The window is gone; the program stays until the farewell has been heard.
        m_stage = Stage::Farewell;
        m_farewell->start();
    } else {
        finish();
    }
}

void Session::quitNow()
{
    if (m_stage == Stage::Running)
        finish();
}

void Session::endSession()
{
    switch (m_stage) {
    case Stage::Running:
        // Saved as when the display goes: nobody may be there to answer a message box
        // while the desktop closes.
        saveWithoutDisplay();
        m_window.leaveScreen();
        break;
    case Stage::Farewell:
        m_farewell->stop();
        break;
    case Stage::WarningShown:
        // Exit's warning is still waiting for an answer nobody may be there to give.
        qWarning("%s", qPrintable(m_exitProblem));
        break;
    case Stage::Ended:
        return;
    }
    finish();
}

void Session::saveWithoutDisplay()
{
    if (m_stage != Stage::Running)
        return; // an exit or the session's end has saved already
    m_stage = Stage::Ended;
    // No window may be shown or touched now: a problem goes to standard error.
    if (const QString problem = save(); !problem.isEmpty())
        qWarning("%s", qPrintable(problem));
}

QString Session::save()
{
    return saveOptionsFile(m_game.options(), m_fileRefusedAtStart);
}

void Session::finish()
{
    m_stage = Stage::Ended;
    emit finished(0);
}

} // namespace ttt
