// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <array>

namespace ttt {

// The levels' words, in the order of allLevels: the Difficulty menu's item, the option
// button's caption (short enough for its frame) and the level's whole name, which screen
// readers hear for the button.
struct LevelWords
{
    const char* menu;   // in the "QObject" context
    const char* button; // in the "ttt::MainWindow" context, as is the whole name
    const char* name;
};

inline constexpr std::array<LevelWords, 4> levelWords{{
    {QT_TRANSLATE_NOOP("QObject", "&Easy"), QT_TRANSLATE_NOOP("ttt::MainWindow", "Easy"),
     QT_TRANSLATE_NOOP("ttt::MainWindow", "Easy")},
    {QT_TRANSLATE_NOOP("QObject", "&Meduim"), QT_TRANSLATE_NOOP("ttt::MainWindow", "Meduim"),
     QT_TRANSLATE_NOOP("ttt::MainWindow", "Meduim")},
    {QT_TRANSLATE_NOOP("QObject", "&Hard"), QT_TRANSLATE_NOOP("ttt::MainWindow", "Hard"),
     QT_TRANSLATE_NOOP("ttt::MainWindow", "Hard")},
    {QT_TRANSLATE_NOOP("QObject", "&Unbeatable"), QT_TRANSLATE_NOOP("ttt::MainWindow", "Unbeat"),
     QT_TRANSLATE_NOOP("ttt::MainWindow", "Unbeatable")},
}};

} // namespace ttt
