// The match options (players, first move, difficulty) from the menus, the option
// buttons and the keys.
#include "game.h"

namespace ttt {

void Game::chooseOnePlayer()
{
    if (m_onePlayerChecked)
        return;
    setPlayers(1);
    selectPlayersButton(0);
}

void Game::chooseTwoPlayer()
{
    if (m_twoPlayerChecked)
        return;
    setPlayers(2);
    selectPlayersButton(1);
}

void Game::clickPlayersButton(int index)
{
    m_playersButton = index;
    const int players = index == 0 ? 1 : 2;
    const bool alreadyChecked = players == 1 ? m_onePlayerChecked : m_twoPlayerChecked;
    if (!alreadyChecked)
        setPlayers(players);
}

void Game::setPlayers(int players)
{
    m_onePlayerChecked = players == 1;
    m_twoPlayerChecked = players == 2;
    stopGame();
}

// The menu's first-move choice acts only when it changes the option, and leaves
// the option buttons on the window showing what they showed.
void Game::chooseXFirst()
{
    if (!m_xFirstChecked)
        setFirstMover(X);
}

void Game::chooseOFirst()
{
    if (!m_oFirstChecked)
        setFirstMover(O);
}

// The option buttons act on every click, even on the option already in force.
void Game::clickFirstMoveButton(int index)
{
    m_firstMoveButton = index;
    setFirstMover(index == 0 ? X : O);
}

void Game::setFirstMover(int mark)
{
    m_xFirstChecked = mark == X;
    m_oFirstChecked = mark == O;
    m_firstflag = mark == O ? 2 : 0;
    stopGame();
}

// A new level takes effect from the computer's next reply; the game goes on.
void Game::chooseDifficulty(int level)
{
    m_difficulty = level;
    if (m_checkedLevel == level)
        return;
    playcue(Cue::Brain);
    m_checkedLevel = level;
    selectDifficultyButton(level - 1);
}

void Game::clickDifficultyButton(int index)
{
    m_difficulty = index + 1;
    m_checkedLevel = m_difficulty;
    m_difficultyButton = index;
    playcue(Cue::Brain);
}

void Game::selectPlayersButton(int index)
{
    if (m_playersButton != index)
        clickPlayersButton(index);
}

void Game::selectFirstMoveButton(int index)
{
    if (m_firstMoveButton != index)
        clickFirstMoveButton(index);
}

void Game::selectDifficultyButton(int index)
{
    if (m_difficultyButton != index)
        clickDifficultyButton(index);
}

Game::KeyResult Game::pressKey(char32_t key)
{
    const KeyCommand command = keyCommand(key);
    switch (command.kind) {
    case KeyCommand::NewGame:
        newGame();
        return KeyResult::Handled;
    case KeyCommand::PlaySquare:
        clickSquare(command.square);
        return KeyResult::Handled;
    case KeyCommand::QuitNow:
        return KeyResult::QuitNow;
    case KeyCommand::Nothing:
        break;
    }
    return KeyResult::Ignored;
}

} // namespace ttt
