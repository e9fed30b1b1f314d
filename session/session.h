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
// window, and every way the program ends once it has started goes through here, which
// decides what is saved, when, and that the program ends with status 0. What each
// request does in each stage (Exit is also the close box and the Quit picture):
//
//                 Exit                 S               session end         display gone
//   Running       save; Farewell, or   Ended, nothing  save, Ended         save, Ended
//                 Ended with sounds    saved
//                 off (WarningShown
//                 first if not saved)
//   WarningShown  ignored              ignored         warning repeated    ignored
//                                                      on stderr, Ended
//   Farewell      ignored              ignored         Ended at once       ignored
//   Ended         ignored              ignored         ignored             ignored
//
// Farewell ends by itself once heard; once the warning is answered, Exit goes on.
// The other statuses are not the session's: answerCommandLine() gives 0, 1 or 2 before
// the window system starts, DisplayCheck 1 when it cannot start, and when the display
// goes Qt itself ends the program with 1, after the save above.
class Session : public QObject
{
    Q_OBJECT

public:
    enum class Stage { Running, WarningShown, Farewell, Ended };

    // `game` and `window` must outlive the session.
    Session(Game& game, MainWindow& window, QObject* parent = nullptr);

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
    // Start-up told the player the settings file is not used: nothing is said at the end.
    bool m_fileRefusedAtStart = false;
    EndSignals m_endSignals;
    std::optional<AbruptExitSave> m_displayLoss;
};

} // namespace ttt
