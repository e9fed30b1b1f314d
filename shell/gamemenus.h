// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QAction;
class QString;
class QMenuBar;

namespace ttt {

struct Options;

// The main window's menu tree. Items are named after what they do in the game;
// the check marks and captions are drawn from the game's state.
struct GameMenus
{
    static GameMenus build(QMenuBar* bar);
    // Checks the items and names the scoring switch after `options`. Where windows cannot
    // be kept on top the item shows what happens, unchecked, while the game keeps the
    // saved choice for the next start on a desktop that can.
    void show(const Options& options, bool onTopAvailable) const;
    // Always on Top keeps its place and caption, shown unavailable with the reason.
    void disableOnTop(const QString& reason) const;

    // File
    QAction* newGame = nullptr;
    QAction* clearScore = nullptr;
    QAction* allOnTop = nullptr;
    QAction* taskbar = nullptr; // exists, but hidden and disabled
    QAction* exit = nullptr;
    // Difficulty: Easy, Meduim, Hard, Unbeatable
    std::array<QAction*, 4> levels{};
    // Options
    QAction* graphics = nullptr;
    QAction* xFirst = nullptr;
    QAction* oFirst = nullptr;
    QAction* onePlayer = nullptr;
    QAction* twoPlayer = nullptr;
    QAction* turnScore = nullptr;
    QAction* sounds = nullptr;
    // Help
    QAction* tips = nullptr;
    QAction* about = nullptr;
};

} // namespace ttt
