// SPDX-License-Identifier: GPL-3.0-or-later
#include "rangerules.h"

#include "core/pictureset.h"

#include <cmath>

namespace ttt {

namespace {

int difficultyFrom(double value)
{
    if (!(value >= 1 && value <= 4))
        return SettingsRecord{}.difficulty;
    return static_cast<int>(std::floor(value));
}

// The first picture of set floor(v / 3) + 1: 1 and 2 give set 1, 3 to 5 set 2, ...,
// 33 and 34 set 12.
int firstPictureFrom(double value)
{
    if (!(value >= 1 && value <= PictureSet::numbered(PictureSet::setCount).firstPicture()))
        return SettingsRecord{}.firstPicture;
    // floor(value / 3), made exact against rounding in the division
    int below = static_cast<int>(std::floor(value / 3));
    if (3.0 * (below + 1) <= value)
        ++below;
    else if (3.0 * below > value)
        --below;
    return PictureSet::numbered(below + 1).firstPicture();
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
    apply(6, record.firstPicture, firstPictureFrom);
    return record;
}

} // namespace ttt
