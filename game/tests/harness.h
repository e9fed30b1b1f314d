#pragma once

#include "fakes.h"
#include "game/game.h"

#include <initializer_list>
#include <string>

namespace ttt::test {

// A game wired to scripted draws and a cue recorder, started with given settings.
struct Harness
{
    explicit Harness(Selector selector = [](int, const Board&, int draw, int) { return draw; })
        : game(random, cues, std::move(selector))
    {
    }

    Harness& start(SettingsRecord settings = {})
    {
        game.startUp(settings);
        cues.played.clear();
        return *this;
    }

    // Clicks the squares in turn.
    void click(std::initializer_list<int> squares)
    {
        for (int s : squares)
            game.clickSquare(s);
    }

    // A two-player game that X wins on the bottom row: X 1, 2, 3 and O 4, 5.
    void playXWinsBottomRow()
    {
        game.newGame();
        click({1, 4, 2, 5, 3});
    }

    // The board as nine characters for squares 1..9: '.', 'X' or 'O'.
    std::string boardText() const
    {
        std::string text;
        for (int s = 1; s <= 9; ++s)
            text += ".XO"[game.board().at(s)];
        return text;
    }

    ScriptedRandom random;
    RecordingCues cues;
    Game game;
};

inline SettingsRecord twoPlayers(int firstMover = 1)
{
    SettingsRecord s;
    s.players = 2;
    s.firstMover = firstMover;
    return s;
}

} // namespace ttt::test
