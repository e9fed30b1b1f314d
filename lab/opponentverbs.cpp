#include "verbs.h"

#include <iostream>

namespace ttt::lab {

int runChoose(const Args&)
{
    std::cerr << "tictactoe-lab: this verb is not built yet\n";
    return 2;
}

int runReply(const Args&)
{
    std::cerr << "tictactoe-lab: this verb is not built yet\n";
    return 2;
}

int runStrength(const Args&)
{
    std::cerr << "tictactoe-lab: this verb is not built yet\n";
    return 2;
}

} // namespace ttt::lab
