// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "gamemenus.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QLabel;
class QTimer;

namespace ttt {

class Announcer;
class Artwork;
class BoardWidget;
class OptionGroup;
class PictureButton;
class PictureLabel;
class ScaledCanvas;
class ScorePanel;
class SecondaryWindows;
class TrayIcon;

// The game's main window: the board, the play controls, the option frames, the
// scoreboard and the menus. Every action goes to the game; the window then draws
// what the game reports.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // `game` and `artwork` must outlive the window.
    MainWindow(Game& game, const Artwork& artwork, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Applies the options silently; the window is then shown and greets.
    void startUp(const Options& options);
    void greet();
    // Keeps the options the player leaves: called at exit, at a session's end and when
    // the display is lost, it returns what went wrong, in the player's words, or nothing.
    void setOptionsSaver(std::function<QString(const Options&)> save);

    // Tells the player about a problem with the settings without holding up the game;
    // nothing when `problem` is empty.
    void warn(const QString& problem);
    // The desktop session is ending: the settings are saved as at exit, with no
    // farewell and no wait, and the program may end. During the farewell of an
    // exit already under way it only cuts the farewell short, and while the exit's
    // warning that the settings could not be saved is shown it says so on standard
    // error and closes the warning.
    void endSession();
    // The display has gone and the program is ending: the settings are saved as by
    // endSession(), unless an exit has saved them already, and nothing else is done.
    void saveWithoutDisplay();

signals:
    // The "S" key: the program ends at once, without the steps of a normal exit.
    void quitNowRequested();
    // A normal exit has saved everything; the program may end.
    void shutDownFinished();
    // The player has chosen the picture set that begins with this picture.
    void pictureSetChosen(int firstPicture);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildControls(QWidget* area);
    void buildOptionFrames(QWidget* area);
    void buildFarewell();
    void connectMenus();
    void connectControls();
    void applyAndRender(const std::function<void()>& operation);
    void newGame();
    void playSquare(int square);
    void showRefusal(const Match::Move& move);
    bool handleKey(QKeyEvent* event);
    void shutDown();
    QString saveOnExit();
    QString saveOptions() const;
    void hideWindows();
    void openSecondary(void (SecondaryWindows::*open)());
    void shareOnTopWithSecondaryWindows();
    void acceptPictureSet(int firstPicture);

    void paintBackdrop();
    void render();
    void renderCells();
    void renderResult();
    void renderMenus();
    void applyStayOnTop();

    Game& m_game;
    const Artwork& m_artwork;
    // Whether the window system can keep a window above all others (Wayland cannot).
    const bool m_onTopAvailable;
    GameMenus m_menus;
    BoardWidget* m_board = nullptr;
    PictureButton* m_newGameButton = nullptr;
    PictureButton* m_quitButton = nullptr;
    QLabel* m_newGamePointer = nullptr;
    PictureLabel* m_result = nullptr;
    QLabel* m_status = nullptr;
    Announcer* m_announcer = nullptr;
    ScaledCanvas* m_canvas = nullptr;
    ScorePanel* m_scores = nullptr;
    OptionGroup* m_players = nullptr;
    OptionGroup* m_firstMove = nullptr;
    OptionGroup* m_difficulty = nullptr;
    SecondaryWindows* m_windows = nullptr;
    TrayIcon* m_tray = nullptr;
    // Holds the program at exit while the farewell is heard.
    QTimer* m_farewell = nullptr;
    bool m_shuttingDown = false;
    // Why the exit's save failed, and whether the warning saying so is open.
    QString m_exitProblem;
    bool m_exitWarningOpen = false;
    bool m_sessionEnded = false;
    std::function<QString(const Options&)> m_saveOptions;
};

} // namespace ttt
