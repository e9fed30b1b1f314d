#include "rangerules.h"

#include <cmath>

namespace ttt {

namespace {

int difficultyFrom(double value)
{
    if (!(value >= 1 && value <= 4))
        return SettingsRecord{}.difficulty;
    return static_cast<int>(std::floor(value));
}

int cardbaseFrom(double value)
{
    if (!(value >= 1 && value <= 34))
        return SettingsRecord{}.cardbase;
    // floor(value / 3), made exact against rounding in the division
    int set = static_cast<int>(std::floor(value / 3));
    if (3.0 * (set + 1) <= value)
        ++set;
    else if (3.0 * set > value)
        --set;
    return 3 * set + 1;
}

// A switch kept as read while it is a whole number in the range of a 16-bit integer;
// otherwise it reads as off.
int switchFrom(double value, int off)
{
    if (!(value >= -32768 && value <= 32767) || value != std::floor(value))
        return off;
    return static_cast<int>(value);
}

} // namespace

SettingsRecord recordFromNumbers(const SettingsNumbers& numbers)
{
    SettingsRecord record;
    const auto apply = [&numbers](std::size_t index, int& field, auto rule) {
        if (numbers[index])
            field = rule(*numbers[index]);
    };
    apply(0, record.difficulty, difficultyFrom);
    apply(1, record.firstMover, [](double v) { return switchFrom(v, 1); });
    apply(2, record.players, [](double v) { return switchFrom(v, 1); });
    apply(3, record.scoringOff, [](double v) { return switchFrom(v, 0); });
    apply(4, record.soundOn, [](double v) { return switchFrom(v, 0); });
    apply(5, record.onTop, [](double v) { return switchFrom(v, 0); });
    apply(6, record.cardbase, cardbaseFrom);
    return record;
}

} // namespace ttt
