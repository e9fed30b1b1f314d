// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

#include "core/randomsource.h"
#include "results/cues.h"

namespace ttt {

Game::Game(RandomSource& random, CueSink& cues) : m_random(random), m_cues(cues) {}

void Game::startUp(const Options& options)
{
    m_options = options;
    m_controls.showOptions(options);
    m_match = Match();
    m_scoreboard.clear();
    m_marksHidden = false;
}

bool Game::sayFarewell()
{
    playCue(Cue::Farewell);
    return m_options.sounds.isOn();
}

void Game::newGame()
{
    m_match.start(m_options.firstMover);
    m_marksHidden = false;
    m_news = {};
    m_news.newGame = true;
    if (m_match.computerToMove(m_options)) {
        // The computer's opening is a move of its own: its draws start afresh.
        m_random.reseed();
        finish(m_match.computerTurn(m_options, m_random));
    }
    m_news.toMove = m_match.nextMark();
}

Match::Move Game::clickSquare(Square square)
{
    const Match::Move move = m_match.click(square, m_options, m_random);
    m_news = {};
    if (move.kind == Match::Move::Kind::Refused)
        m_news.refused = square;
    m_news.noGame = move.kind == Match::Move::Kind::Ignored;
    finish(move);
    if (move.kind == Match::Move::Kind::Played && m_options.players == Players::Two) {
        m_news.playerMove = square;
        m_news.playerMark = m_match.board().at(square);
        if (m_match.isPlaying())
            m_news.toMove = m_match.nextMark();
    }
    return move;
}

Game::KeyResult Game::pressKey(char32_t key)
{
    const KeyCommand command = keyCommand(key);
    switch (command.kind) {
    case KeyCommand::NewGame:
        newGame();
        return {KeyResult::Kind::Handled, {}};
    case KeyCommand::PlaySquare:
        return {KeyResult::Kind::Handled, clickSquare(command.square)};
    case KeyCommand::QuitNow:
        return {KeyResult::Kind::QuitNow, {}};
    case KeyCommand::Nothing:
        break;
    }
    return {};
}

// Switching scoring either way starts the totals from zero.
void Game::toggleScoring()
{
    m_options.scoring = !m_options.scoring;
    m_scoreboard.clear();
    playCue(Cue::ScoringSwitched);
    confirm(News::Setting::Scoring);
}

void Game::clearScore()
{
    m_scoreboard.clear();
    playCue(Cue::TotalsCleared);
    confirm(News::Setting::ScoreCleared);
}

void Game::toggleSounds()
{
    m_options.sounds.flip();
    confirm(News::Setting::Sounds);
}

void Game::toggleOnTop()
{
    m_options.onTop = !m_options.onTop;
    confirm(News::Setting::OnTop);
}

// The marks keep their places but vanish from view until the next New Game.
void Game::acceptPictureSet(PictureSet set)
{
    m_options.pictureSet = set;
    m_marksHidden = true;
    stopMatch();
}

Mark Game::shownMark(Square square) const
{
    return m_marksHidden ? Mark::Free : m_match.board().at(square);
}

std::vector<Line> Game::shownWinningLines() const
{
    const Outcome outcome = m_match.outcome();
    if (m_marksHidden || (outcome != Outcome::XWins && outcome != Outcome::OWins))
        return {};
    const Mark winner = outcome == Outcome::XWins ? Mark::X : Mark::O;
    std::vector<Line> lines;
    for (const Line& line : boardLines) {
        if (lineHolds(m_match.board(), line, winner))
            lines.push_back(line);
    }
    return lines;
}

void Game::apply(OptionControls::Effect effect, std::optional<News::Setting> confirmed)
{
    if (effect.stopsGame)
        stopMatch();
    for (int i = 0; i < effect.levelCues; ++i)
        playCue(Cue::LevelChosen);
    if (confirmed)
        confirm(*confirmed);
}

// The confirmation goes with whatever else the same choice did (a stopped game).
void Game::confirm(News::Setting setting)
{
    m_news.changed = setting;
}

void Game::stopMatch()
{
    m_news = {};
    m_news.stopped = m_match.isPlaying();
    m_match.stop();
}

// Counts and sounds the end of a move, and notes what the player is told of it.
void Game::finish(const Match::Move& move)
{
    if (move.kind == Match::Move::Kind::Played && m_options.players == Players::One)
        m_news.computerMove = m_match.latestSquare();
    if (move.outcome != Outcome::Open) {
        m_news.outcome = move.outcome;
        m_news.winningLines = shownWinningLines();
    }
    if (m_options.scoring) {
        m_scoreboard.count(move.outcome);
        if (move.outcome != Outcome::Open)
            m_news.score = m_scoreboard;
    }
    if (move.cue)
        playCue(*move.cue);
}

void Game::playCue(Cue cue)
{
    if (m_options.sounds.isOn())
        m_cues.play(chooseCueFile(cue, m_random));
}

} // namespace ttt
