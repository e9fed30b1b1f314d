// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ttt {

// What a character key does on the main window. The digits address the squares
// in keypad layout, so "7" is the top-left cell and "3" the bottom-right one.
struct KeyCommand
{
    enum Kind { Nothing, NewGame, QuitNow, PlaySquare };
    Kind kind = Nothing;
    int square = 0; // 1..9 for PlaySquare
};

KeyCommand keyCommand(char32_t key);

// The arrow keys walk the board as it is drawn, and stop at its edges.
enum class Step { Up, Down, Left, Right };
int squareBeside(int square, Step step);

} // namespace ttt
