// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names and places of the windows' controls, in one table. The windows are
// built from it, and the tests find the controls through the same constants, so a
// renamed or moved control cannot leave a test looking at nothing.

#include "core/board.h"
#include "shell/layout/twips.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace ttt::layout {

// A control's object name and its place in its parent, in twips.
struct Control
{
    const char* name;
    int left;
    int top;
    int width;
    int height;

    constexpr QRect rect() const { return twipsRect(left, top, width, height); }
};

// The board has this many squares, numbered 1..9 as on a numeric keypad.
inline constexpr int squareCount = Board::squareCount;

// The main window.
inline constexpr const char* mainWindow = "mainWindow";
inline constexpr const char* canvas = "canvas";
inline constexpr Control title{"title", 1320, 120, 2625, 525};
inline constexpr Control newGameButton{"newGameButton", 240, 240, 330, 270};
inline constexpr Control quitButton{"quitButton", 600, 240, 330, 270};
// The "^" under New Game while no game is running.
inline constexpr Control newGamePointer{"newGamePointer", 340, 530, 135, 135};
inline constexpr Control board{"board", 120, 840, 3735, 3735};
inline constexpr Control resultPicture{"resultPicture", 960, 4800, 3255, 615};
// Written over the empty outcome picture while no outcome is shown.
inline constexpr Control statusLine{"statusLine", 1080, 4830, 3015, 555};
// The client area, in logical pixels at the window's first size.
inline constexpr QSize clientSize{354, 374};

// The squares inside the board, square 7 top left; see squareName.
inline constexpr std::array<int, 3> squareOrigins{120, 1320, 2520};
inline constexpr int squareTwips = 1095;
inline constexpr const char* squarePrefix = "square";

// The option panels and the scoreboard on the right.
inline constexpr Control playersPanel{"playersPanel", 3960, 840, 1260, 495};
inline constexpr Control scorePanel{"scorePanel", 3960, 1440, 1260, 1095};
inline constexpr Control firstMovePanel{"firstMovePanel", 3960, 2640, 1260, 495};
inline constexpr Control difficultyPanel{"difficultyPanel", 3960, 3240, 1260, 1335};

// Their option buttons, in the order of the game's button indexes.
inline constexpr std::array<Control, 2> playersOptions{{
    {"onePlayerOption", 120, 240, 465, 195},
    {"twoPlayerOption", 650, 240, 460, 195},
}};
inline constexpr std::array<Control, 2> firstMoveOptions{{
    {"xFirstOption", 120, 240, 495, 195},
    {"oFirstOption", 650, 240, 495, 195},
}};
inline constexpr std::array<Control, 4> difficultyOptions{{
    {"easyOption", 120, 240, 1095, 255},
    {"mediumOption", 120, 480, 1095, 255},
    {"hardOption", 120, 720, 1095, 255},
    {"unbeatableOption", 120, 960, 1095, 255},
}};

// Inside the scoreboard: the row titles and the totals beside them.
inline constexpr Control xTitle{"xTitle", 120, 240, 255, 255};
inline constexpr Control oTitle{"oTitle", 120, 510, 255, 255};
inline constexpr Control noWinnerTitle{"noWinnerTitle", 120, 780, 375, 255};
inline constexpr Control xTotal{"xTotal", 600, 240, 495, 255};
inline constexpr Control oTotal{"oTotal", 600, 510, 495, 255};
inline constexpr Control noWinnerTotal{"noWinnerTotal", 600, 780, 495, 255};

// The menus and their items.
inline constexpr const char* fileMenu = "fileMenu";
inline constexpr const char* newGameAction = "newGameAction";
inline constexpr const char* clearScoreAction = "clearScoreAction";
inline constexpr const char* allOnTopAction = "allOnTopAction";
inline constexpr const char* taskbarAction = "taskbarAction";
inline constexpr const char* fileSeparator = "fileSeparator";
inline constexpr const char* exitAction = "exitAction";
inline constexpr const char* difficultyMenu = "difficultyMenu";
// Easy, Meduim, Hard, Unbeatable: the game's levels 1..4.
inline constexpr std::array<const char*, 4> levelActions{"easyAction", "mediumAction", "hardAction",
                                                         "unbeatableAction"};
inline constexpr const char* optionsMenu = "optionsMenu";
inline constexpr const char* graphicsAction = "graphicsAction";
inline constexpr const char* firstMoveMenu = "firstMoveMenu";
inline constexpr const char* xFirstAction = "xFirstAction";
inline constexpr const char* oFirstAction = "oFirstAction";
inline constexpr const char* playersMenu = "playersMenu";
inline constexpr const char* onePlayerAction = "onePlayerAction";
inline constexpr const char* twoPlayerAction = "twoPlayerAction";
inline constexpr const char* scoringAction = "scoringAction";
inline constexpr const char* soundsAction = "soundsAction";
inline constexpr const char* helpMenu = "helpMenu";
inline constexpr const char* tipsAction = "tipsAction";
inline constexpr const char* aboutAction = "aboutAction";

// The secondary windows. Each has an OK-like button of this name.
inline constexpr const char* okButton = "okButton";
inline constexpr const char* cancelButton = "cancelButton";
inline constexpr const char* aboutWindow = "aboutWindow";
inline constexpr const char* versionLabel = "versionLabel";
inline constexpr const char* addressLabel = "addressLabel";
inline constexpr const char* slideHotspot = "slideHotspot";
inline constexpr const char* tipsWindow = "tipsWindow";
inline constexpr const char* graphicsChooser = "graphicsChooser";
// Followed by the picture's number 1..36, and by the set's number 1..12.
inline constexpr const char* setPicturePrefix = "card";
inline constexpr const char* setOptionPrefix = "setOption";

// The secondary windows' client areas, in twips.
inline constexpr QSize aboutTwips{7575, 5730};
inline constexpr QSize tipsTwips{4500, 3000};
inline constexpr QSize chooserTwips{9120, 6495};

// The pictures' sizes in logical pixels: each fills the control or window it is drawn in,
// but for the board, whose grid sits inside the board's frame.
inline constexpr QSize backgroundPicture = clientSize;
inline constexpr QSize titlePicture = title.rect().size();
inline constexpr QSize boardPicture{247, 247};
inline constexpr QSize outcomePicture = resultPicture.rect().size();
inline constexpr QSize buttonPicture = newGameButton.rect().size();
inline constexpr QSize aboutPicture = fromTwips(aboutTwips);
inline constexpr QSize tipsPicture = fromTwips(tipsTwips);
inline constexpr int setPictureSize = fromTwips(squareTwips);

// "square7", "card12", "setOption3".
inline QString numberedName(const char* prefix, int number)
{
    return QString::fromLatin1(prefix) + QString::number(number);
}

} // namespace ttt::layout
