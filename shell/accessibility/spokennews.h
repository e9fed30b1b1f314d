// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "game/options.h"

#include <QString>

namespace ttt {

struct News;

// A square as a screen reader names it: "Square 7, top left".
QString squareName(Square square);
// The news in the player's language, as one short message: "O takes 3, bottom right.
// X to move." Empty when there is no news.
QString spokenNews(const News& news, Players players);

} // namespace ttt
