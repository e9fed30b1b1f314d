// The move cycle: the human's mark, the end-of-move check and the computer's reply.
#include "game.h"

#include "randomsource.h"
#include "results/checkwin.h"

namespace ttt {

namespace {

// The selector is consulted on the first nine draws of a reply only; after that
// the draw alone decides, so a reply always ends on a free square.
constexpr int selectorDraws = 9;

bool isSquare(int square)
{
    return square >= 1 && square <= Board::Squares;
}

} // namespace

void Game::clickSquare(int square)
{
    if (m_gameover == 1 || !isSquare(square))
        return;
    m_random.reseed();
    if (!m_board.isFree(square)) {
        playcue(Cue::Error);
        return;
    }
    switch (m_turn) {
    case 0:
        if (m_firstflag == 2) {
            computerReply(); // the computer's opening: no human mark
            return;
        }
        placeMark(square, X);
        if (m_firstflag == 1)
            m_firstflag = 2;
        break;
    case 1:
        placeMark(square, X);
        m_turn = 2;
        break;
    default:
        placeMark(square, O);
        m_turn = 1;
        break;
    }
    checkwin();
    if (m_gameover == 1) {
        m_pointnew = true;
        return;
    }
    if (m_movecount == Board::Squares || m_turn > 0)
        return;
    computerReply();
}

void Game::computerReply()
{
    const bool hasSelector = m_difficulty >= 2 && m_difficulty <= 4;
    int failedDraws = 0;
    for (;;) {
        m_compmove = drawOneOf(m_random, Board::Squares);
        if (hasSelector && failedDraws < selectorDraws)
            m_compmove = m_selector(m_difficulty, m_board, m_compmove, m_movecount);
        if (isSquare(m_compmove) && m_board.isFree(m_compmove))
            break;
        ++failedDraws;
    }
    placeMark(m_compmove, O);
    checkwin();
    if (m_gameover == 1)
        m_pointnew = true;
    if (m_movecount == Board::Squares)
        return;
    if (m_firstflag == 2)
        m_firstflag = 1;
}

void Game::placeMark(int square, int mark)
{
    ++m_movecount;
    m_shown[square - 1] = m_cardbase + mark;
    m_board.place(square, mark);
}

void Game::checkwin()
{
    const Outcome outcome = ttt::checkwin(m_board, m_movecount);
    if (outcome == Outcome::Open)
        return;
    const bool twoPlayers = m_turn != 0;
    m_gameover = 1;
    m_scoreboard.count(outcome);
    switch (outcome) {
    case Outcome::XWins:
        m_result = ResultPicture::XWins;
        playcue(twoPlayers ? Cue::X2Win : Cue::XWin);
        break;
    case Outcome::OWins:
        m_result = ResultPicture::OWins;
        playcue(twoPlayers ? Cue::O2Win : Cue::OWin);
        break;
    default:
        m_result = ResultPicture::NoWin;
        playcue(Cue::NoWin);
        break;
    }
}

} // namespace ttt
