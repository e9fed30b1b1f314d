// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "gamemenus.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QLabel;

namespace ttt {

class Announcer;
class Artwork;
class BoardWidget;
class OptionGroup;
class PictureButton;
class PictureLabel;
class ScaledCanvas;
class ScorePanel;
class StatusLine;
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

    // Tells the player about a problem with the settings without holding up the game;
    // nothing when `problem` is empty.
    void warn(const QString& problem);
    // Tells the player, on the way out, that the settings could not be saved, and
    // waits for the answer.
    void showExitWarning(const QString& problem);
    // The program is ending: the window, its secondary windows and its tray icon go.
    void leaveScreen();

signals:
    // File > Exit, the close box or the Quit picture.
    void exitRequested();
    // The "S" key: the program ends at once, without the steps of a normal exit.
    void quitNowRequested();
    // The player has chosen the picture set that begins with this picture.
    void pictureSetChosen(int firstPicture);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildControls(QWidget* canvas);
    void buildOptionFrames(QWidget* canvas);
    void connectMenus();
    void connectControls();
    void applyAndRender(const std::function<void()>& operation);
    void newGame();
    void playSquare(int square);
    void showRefusal(const Match::Move& move);
    bool handleKey(QKeyEvent* event);
    void openSecondary(void (SecondaryWindows::*open)());
    void shareOnTopWithSecondaryWindows();
    void acceptPictureSet(int firstPicture);

    void render(bool boardJustFocused = false);
    void renderCells();
    void renderResult();
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
    StatusLine* m_status = nullptr;
    Announcer* m_announcer = nullptr;
    ScaledCanvas* m_canvas = nullptr;
    ScorePanel* m_scores = nullptr;
    OptionGroup* m_players = nullptr;
    OptionGroup* m_firstMove = nullptr;
    OptionGroup* m_difficulty = nullptr;
    SecondaryWindows* m_windows = nullptr;
    TrayIcon* m_tray = nullptr;
};

} // namespace ttt
