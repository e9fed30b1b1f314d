#pragma once

#include "board.h"
#include "keymap.h"
#include "results/cues.h"
#include "results/outcome.h"
#include "results/scoreboard.h"
#include "settings/settingsrecord.h"

#include <array>
#include <functional>

namespace ttt {

class RandomSource;

// The square the computer takes for one draw of its reply (see opponent/selector.h).
using Selector = std::function<int(int difficulty, const Board& board, int draw, int movecount)>;

// One match of Tic Tac Toe with its options, totals and cues: everything the main
// window shows, and every rule behind it. The window turns the player's actions into
// calls on this class and then draws what it reports; cues go out through CueSink.
class Game
{
public:
    enum class ResultPicture { Blank, XWins, OWins, NoWin };
    enum class Pointer { Arrow, XMark, OMark };
    enum class KeyResult { Ignored, Handled, QuitNow };

    Game(RandomSource& random, CueSink& cues, Selector selector);
    Game(RandomSource& random, CueSink& cues);

    // Start-up and shut-down.
    void startUp(const SettingsRecord& settings);
    void playStartCue() { playcue(Cue::Start); }
    // Plays the farewell; true when it should be given time to be heard.
    bool beginShutDown();
    SettingsRecord settingsRecord() const;

    // Play.
    void newGame();
    void clickSquare(int square);
    KeyResult pressKey(char32_t key);

    // Match options from the menus ...
    void chooseOnePlayer();
    void chooseTwoPlayer();
    void chooseXFirst();
    void chooseOFirst();
    void chooseDifficulty(int level);
    // ... and from the option buttons on the window.
    void clickPlayersButton(int index);
    void clickFirstMoveButton(int index);
    void clickDifficultyButton(int index);

    // Scoreboard, sounds and the shell's options.
    void toggleScoring();
    void clearScore();
    void toggleSounds();
    void toggleOnTop();
    void acceptPictureSet(int cardbase);
    void announceAbout() { playcue(Cue::Question); }

    // The game state.
    const Board& board() const { return m_board; }
    int movecount() const { return m_movecount; }
    int turn() const { return m_turn; }
    int compmove() const { return m_compmove; }
    int difficulty() const { return m_difficulty; }
    int firstflag() const { return m_firstflag; }
    int gameover() const { return m_gameover; }
    int soundon() const { return m_soundon; }
    int cardbase() const { return m_cardbase; }
    int ontop() const { return m_ontop; }
    const Scoreboard& scoreboard() const { return m_scoreboard; }

    // What the window shows.
    int shownCard(int square) const { return m_shown[square - 1]; }
    ResultPicture result() const { return m_result; }
    bool showsNewGamePointer() const { return m_pointnew; }
    Pointer cellPointer() const;

    // Menu check marks; 0 for a level means none is checked yet.
    bool onePlayerChecked() const { return m_onePlayerChecked; }
    bool twoPlayerChecked() const { return m_twoPlayerChecked; }
    bool xFirstChecked() const { return m_xFirstChecked; }
    bool oFirstChecked() const { return m_oFirstChecked; }
    int checkedLevel() const { return m_checkedLevel; }
    bool soundsChecked() const { return m_soundon == 1; }
    bool onTopChecked() const { return m_onTopChecked; }

    // Selected option buttons, -1 while none is selected.
    int playersButton() const { return m_playersButton; }
    int firstMoveButton() const { return m_firstMoveButton; }
    int difficultyButton() const { return m_difficultyButton; }

private:
    void placeMark(int square, int mark);
    void computerReply();
    void checkwin();
    void stopGame();
    void showAllCells(int card);
    void playcue(Cue cue);

    // Selecting an option button from code runs its handler when the selection changes.
    void selectPlayersButton(int index);
    void selectFirstMoveButton(int index);
    void selectDifficultyButton(int index);
    void setPlayers(int players);
    void setFirstMover(int mark);

    RandomSource& m_random;
    CueSink& m_cues;
    Selector m_selector;

    // The match.
    Board m_board;
    int m_compmove = 0;
    int m_movecount = 0;
    int m_turn = 0;
    int m_difficulty = 3;
    int m_soundon = 1;
    int m_cardbase = 16;
    int m_firstflag = 0;
    int m_gameover = 1;
    int m_ontop = 0;
    Scoreboard m_scoreboard;

    // Options kept as menu check marks and option-button selections.
    bool m_onePlayerChecked = false;
    bool m_twoPlayerChecked = false;
    bool m_xFirstChecked = false;
    bool m_oFirstChecked = false;
    int m_checkedLevel = 0;
    bool m_onTopChecked = false;
    int m_playersButton = -1;
    int m_firstMoveButton = -1;
    int m_difficultyButton = -1;

    // The display.
    std::array<int, Board::Squares> m_shown{};
    ResultPicture m_result = ResultPicture::Blank;
    bool m_pointnew = false;
};

} // namespace ttt
