#include "game.h"

#include "opponent/selector.h"
#include "randomsource.h"

namespace ttt {

Game::Game(RandomSource& random, CueSink& cues, Selector selector)
    : m_random(random), m_cues(cues), m_selector(std::move(selector))
{
}

Game::Game(RandomSource& random, CueSink& cues) : Game(random, cues, selectMove) {}

void Game::startUp(const SettingsRecord& settings)
{
    m_difficulty = settings.difficulty;
    m_soundon = settings.soundOn;
    m_ontop = settings.onTop;

    // The saved options are applied through the same handlers a player's choice runs.
    if (settings.firstMover == 2) {
        m_oFirstChecked = true;
        selectFirstMoveButton(1);
    } else {
        m_xFirstChecked = true;
        selectFirstMoveButton(0);
    }
    if (settings.players == 2) {
        m_twoPlayerChecked = true;
        selectPlayersButton(1);
    } else {
        m_onePlayerChecked = true;
        selectPlayersButton(0);
    }
    m_checkedLevel = m_difficulty;

    // Held silent, so that the only cue of a start is the greeting.
    const int soundon = m_soundon;
    m_soundon = 0;
    selectDifficultyButton(m_difficulty - 1);
    // Every start passes through the switch, so the totals read " 0" or " -".
    if (m_scoreboard.scoringOn() != (settings.scoringOff == 1))
        m_scoreboard.flip();
    toggleScoring();
    m_soundon = soundon;

    if (m_ontop == 1)
        toggleOnTop();
    m_cardbase = settings.cardbase;
    showAllCells(m_cardbase);
    m_gameover = 1;
    m_pointnew = true;
}

bool Game::beginShutDown()
{
    playcue(Cue::End);
    return m_soundon == 1;
}

SettingsRecord Game::settingsRecord() const
{
    SettingsRecord record;
    record.difficulty = m_difficulty;
    record.firstMover = m_oFirstChecked ? 2 : 1;
    record.players = m_twoPlayerChecked ? 2 : 1;
    record.scoringOff = m_scoreboard.scoringOn() ? 0 : 1;
    record.soundOn = m_soundon;
    record.onTop = m_onTopChecked ? 1 : 0;
    record.cardbase = m_cardbase;
    return record;
}

void Game::newGame()
{
    if (!m_onePlayerChecked && !m_twoPlayerChecked)
        return;
    m_gameover = 0;
    m_board.clear();
    m_compmove = 1;
    m_movecount = 0;
    showAllCells(m_cardbase);
    m_result = ResultPicture::Blank;
    m_pointnew = false;
    if (m_onePlayerChecked) {
        m_turn = 0;
        if (!m_xFirstChecked)
            m_firstflag = 2;
        // The computer owes the opening: the move cycle makes it without a human mark.
        if (m_firstflag == 2)
            clickSquare(1);
        if (m_firstflag == 1)
            m_firstflag = 0;
    } else {
        m_turn = m_xFirstChecked ? 1 : 2;
    }
}

void Game::toggleScoring()
{
    m_scoreboard.flip();
    playcue(Cue::Score);
}

void Game::clearScore()
{
    m_scoreboard.clear();
    playcue(Cue::Ahh);
}

void Game::toggleSounds()
{
    m_soundon = m_soundon == 1 ? 0 : 1;
}

void Game::toggleOnTop()
{
    m_onTopChecked = !m_onTopChecked;
    m_ontop = m_onTopChecked ? 1 : 0;
}

void Game::acceptPictureSet(int cardbase)
{
    m_cardbase = cardbase;
    // The marks keep their values but vanish from view until the next New Game.
    showAllCells(m_cardbase);
    stopGame();
}

Game::Pointer Game::cellPointer() const
{
    if (m_gameover == 1)
        return Pointer::Arrow;
    return m_turn == 2 ? Pointer::OMark : Pointer::XMark;
}

void Game::stopGame()
{
    m_gameover = 1;
    m_pointnew = true;
}

void Game::showAllCells(int card)
{
    m_shown.fill(card);
}

void Game::playcue(Cue cue)
{
    if (m_soundon != 1)
        return;
    m_cues.play(chooseCueFile(cue, m_random));
}

} // namespace ttt
