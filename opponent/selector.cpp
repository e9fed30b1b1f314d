#include "selector.h"

#include "hardmove.h"
#include "mediummove.h"
#include "toosmart.h"

namespace ttt {

int selectMove(int difficulty, const Board& board, int draw, int movecount)
{
    switch (difficulty) {
    case 4:
        return evaluateRules(toosmartRules, board, draw, movecount);
    case 3:
        return evaluateRules(hardmoveRules, board, draw, movecount);
    case 2:
        return evaluateRules(mediummoveRules, board, draw, movecount);
    default:
        return draw; // Easy consults no rules: the random square stands
    }
}

} // namespace ttt
