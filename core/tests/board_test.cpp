// SPDX-License-Identifier: GPL-3.0-or-later
// The board's lines and winner, and its text form.
#include "core/boardtext.h"

#include <gtest/gtest.h>

namespace ttt {
namespace {

Board board(std::string_view text)
{
    const std::optional<Board> read = boardFromText(text);
    EXPECT_TRUE(read) << text;
    return read.value_or(Board{});
}

TEST(Board, EveryLineWinsForEitherMark)
{
    for (const Line& line : boardLines) {
        for (const Mark mark : {Mark::X, Mark::O}) {
            Board full;
            for (Square square : line)
                full.place(square, mark);
            EXPECT_EQ(winner(full), mark) << full;
            EXPECT_TRUE(hasLine(full, mark)) << full;
            EXPECT_FALSE(hasLine(full, otherMark(mark))) << full;
        }
    }
}

TEST(Board, WinnerIsTheFirstCompleteLine)
{
    struct Case
    {
        const char* board;
        Mark winner;
    };
    const Case cases[] = {
        {".........", Mark::Free},
        {"XX.OO....", Mark::Free},
        {"XOXXOOOXX", Mark::Free}, // full, no line
        {"XXXOXOO.X", Mark::X},    // bottom row and a diagonal at once
        {"OOOXX.XX.", Mark::O},
        {"XXXOOO...", Mark::O}, // the middle row is tested before the bottom row
        {"OOO...XXX", Mark::X}, // the top row comes first
        {"XO.XO.XO.", Mark::X}, // the left column before the middle column
        {"O.XOX.X.O", Mark::X}, // a diagonal
    };
    for (const Case& c : cases)
        EXPECT_EQ(winner(board(c.board)), c.winner) << c.board;
}

TEST(Board, CountsMarks)
{
    const Board b = board("XO.X..O.X");
    EXPECT_EQ(b.count(Mark::X), 3);
    EXPECT_EQ(b.count(Mark::O), 2);
    EXPECT_EQ(b.markCount(), 5);
    EXPECT_FALSE(b.isFull());
    EXPECT_TRUE(board("XOXXOOOXX").isFull());
}

TEST(BoardText, SquaresInNumberOrder)
{
    Board b;
    b.place(1, Mark::X);
    b.place(3, Mark::O);
    b.place(9, Mark::X);
    EXPECT_EQ(boardText(b), "X.O.....X");
    EXPECT_EQ(boardFromText("X.O.....X"), b);
}

TEST(BoardText, OnlyNineKnownLettersMakeABoard)
{
    for (const char* text : {"", "........", "..........", "x........", "....0....", "...- ...."})
        EXPECT_FALSE(boardFromText(text)) << text;
}

} // namespace
} // namespace ttt
