#include "verbs.h"

#include <iostream>

namespace ttt::lab {

int runSettings(const Args&)
{
    std::cerr << "tictactoe-lab: this verb is not built yet\n";
    return 2;
}

} // namespace ttt::lab
