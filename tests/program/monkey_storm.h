// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <random>

class QWidget;

namespace ttt {

class MainWindow;

namespace test {

// What kind of thing one storm event did, so the watcher knows which promises apply.
enum class StormKind {
    Square,        // a cell click or a digit key on the main window
    Key,           // any other key
    Menu,          // a menu command of the main window
    Option,        // an option button on the main window
    NewGameButton, // the New Game picture button
    Background,    // a click on the window background
    Quit,          // Exit, the quit picture button or the close box
    Secondary,     // an action on the open chooser, About or Tips window
    Blocked,       // a click on the main window while a secondary window is open
};

struct StormEvent
{
    StormKind kind;
    QString text;   // what was done, for the failure report
    QString target; // the menu item or option button's name, where there is one
};

// A seeded random player: each call does one thing a user could do to the game's
// windows. While a secondary window is open, most events go to it and the rest are
// clicks on the main window, which must be ignored. The "S" key is never pressed.
class MonkeyStorm
{
public:
    explicit MonkeyStorm(unsigned seed) : m_engine(seed) {}

    StormEvent next(MainWindow& window);

private:
    StormEvent onMainWindow(MainWindow& window);
    StormEvent onChooser();
    StormEvent onAbout();
    StormEvent onTips();
    StormEvent blockedClick(MainWindow& window);
    StormEvent menuCommand(MainWindow& window);
    StormEvent optionButton(MainWindow& window);
    StormEvent keyPress(QWidget* target, const QString& where);
    StormEvent quit(MainWindow& window);
    StormEvent closeByFrame(QWidget* window, const QString& name);

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }

    std::mt19937 m_engine;
};

} // namespace test
} // namespace ttt
