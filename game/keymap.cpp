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

} // namespace ttt
