// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"
#include "game/options.h"

#include <QString>

namespace ttt {

class Game;
struct News;

// A square as a screen reader names it: "7, top left".
QString squareName(Square square);
// The news in the player's language, as one short message, the word that matters most
// first, each fact a sentence of its own: "O 3. bottom right.", "X 7. O to move.",
// "X wins. 1 to 0.", "Level Hard." Empty when there is no news.
QString spokenNews(const News& news, const Options& options);
// The whole position in one sentence, for a player who asks where the game stands:
// "X on 1 and 5, O on 3; free 2, 4, 6, 7, 8, 9. Your move. Score: X 2, O 1, no
// winner 0."
QString spokenPosition(const Game& game);

} // namespace ttt
