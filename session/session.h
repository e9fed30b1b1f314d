// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "abruptexitsave.h"
#include "endsignals.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

namespace ttt {

class Game;
class MainWindow;

// The program's life around its window: start-up reads the settings and shows the
// window, and every way the program ends goes through here, which decides what is
// saved, when, and with which exit status.
//
//   Running ──Exit──► Saving ──► (WarningShown) ──► Farewell ──► Ended
//      │                                 ▲ the settings could not be saved
//      ├──S: nothing saved, no farewell ─────────────────────────► Ended
//      ├──session end (signal or session manager): saved ────────► Ended
//      └──display gone: saved, Qt itself ends with status 1 ─────► Ended
//
// A session end cuts a farewell short, and ends the program while Exit's warning still
// waits for an answer. Once the program has ended, every further request is ignored.
class Session : public QObject
{
    Q_OBJECT

public:
    enum class Stage { Running, Saving, WarningShown, Farewell, Ended };

    // `game` and `window` must outlive the session.
    Session(Game& game, MainWindow& window, QObject* parent = nullptr);
    ~Session() override;

    // Reads "options.ttt", shows the window and greets; a settings file that could not
    // be used is told once the window is up.
    void start();
    Stage stage() const { return m_stage; }

    // File > Exit, the close box and the Quit picture: the farewell, the settings saved
    // (a warning when they could not be), then the end once the farewell is heard.
    void exit();
    // The "S" key: the end at once, nothing saved and no farewell.
    void quitNow();
    // The desktop session ends (SIGTERM, SIGINT, SIGHUP or the session manager): the
    // settings are saved with no farewell and no question, and the program ends.
    void endSession();
    // The display has gone and Qt is ending the program: only the settings are saved.
    void saveWithoutDisplay();

signals:
    // The program may end now, with this exit status.
    void finished(int status);

private:
    QString save();
    void finish();

    Game& m_game;
    MainWindow& m_window;
    Stage m_stage = Stage::Running;
    // Holds the program at exit while the farewell is heard.
    QTimer* m_farewell = nullptr;
    // Why Exit's save failed, repeated if the session ends while the warning is open.
    QString m_exitProblem;
    EndSignals m_endSignals;
    std::optional<AbruptExitSave> m_displayLoss;
};

} // namespace ttt
