// SPDX-License-Identifier: GPL-3.0-or-later
#include "keymap.h"

namespace ttt {

KeyCommand keyCommand(char32_t key)
{
    switch (key) {
    case U'P':
    case U'p':
    case U' ':
    case U'0':
    case U'T':
    case U't':
        return {KeyCommand::NewGame};
    case U'S':
    case U's':
        return {KeyCommand::QuitNow};
    default:
        break;
    }
    if (key >= U'1' && key <= U'9')
        return {KeyCommand::PlaySquare, static_cast<int>(key - U'0')};
    return {};
}

int squareBeside(int square, Step step)
{
    const int column = (square - 1) % 3;
    const int row = (square - 1) / 3; // 0 is the bottom row
    switch (step) {
    case Step::Up:
        return row < 2 ? square + 3 : square;
    case Step::Down:
        return row > 0 ? square - 3 : square;
    case Step::Left:
        return column > 0 ? square - 1 : square;
    case Step::Right:
        return column < 2 ? square + 1 : square;
    }
    return square;
}

} // namespace ttt
