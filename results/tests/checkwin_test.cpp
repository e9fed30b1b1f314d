#include "results/checkwin.h"

#include <gtest/gtest.h>

#include <string>

namespace ttt {
namespace {

// Nine characters for squares 1..9: '.', 'X' or 'O'.
Board boardOf(const std::string& text)
{
    Board board;
    for (int s = 1; s <= 9; ++s)
        board.place(s, text[s - 1] == 'X' ? X : text[s - 1] == 'O' ? O : Free);
    return board;
}

TEST(Checkwin, EveryLineWinsForEitherMark)
{
    const int lines[8][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}, {7, 4, 1},
                             {8, 5, 2}, {9, 6, 3}, {1, 5, 9}, {3, 5, 7}};
    for (const auto& line : lines) {
        for (int mark : {X, O}) {
            Board board;
            for (int s : line)
                board.place(s, mark);
            EXPECT_EQ(checkwin(board, 5), mark == X ? Outcome::XWins : Outcome::OWins)
                << "line " << line[0] << line[1] << line[2];
        }
    }
}

TEST(Checkwin, Outcomes)
{
    struct Case
    {
        const char* board;
        int movecount;
        Outcome expected;
    };
    const Case cases[] = {
        {".........", 0, Outcome::Open},
        {"XX.OO....", 4, Outcome::Open},
        {"XXOOOXXOX", 8, Outcome::Open},  // eight marks counted: no draw yet
        {"XOXXOOOXX", 9, Outcome::Draw},  // full, no line
        {"XXXOXOO.X", 8, Outcome::XWins}, // bottom row and a diagonal at once
        {"XOXOXOXOX", 9, Outcome::XWins}, // the ninth mark completes lines: a win
        {"OOOXX.XX.", 7, Outcome::OWins},
        {"XXXOOO...", 6, Outcome::OWins}, // middle row is tested before bottom row
        {"OOO...XXX", 6, Outcome::XWins}, // the top row comes first
        {"XO.XO.XO.", 6, Outcome::XWins}, // left column before middle column
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkwin(boardOf(c.board), c.movecount), c.expected) << c.board;
}

} // namespace
} // namespace ttt
