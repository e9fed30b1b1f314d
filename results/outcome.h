#pragma once

namespace ttt {

// How a move left the game.
enum class Outcome { Open, XWins, OWins, Draw };

} // namespace ttt
