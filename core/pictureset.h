// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

namespace ttt {

// One of the twelve picture sets the cells are drawn with: a picture for a free
// square, one for X and one for O. The 36 pictures are numbered 1 to 36 set by set, so
// set n has pictures 3n-2 (free), 3n-1 (X) and 3n (O); the settings files name a set
// by the number of its first picture (1, 4, ..., 34).
class PictureSet
{
public:
    static constexpr int setCount = 12;
    static constexpr int pictureCount = 3 * setCount;

    // The sixth set, the one a first start shows.
    constexpr PictureSet() = default;
    // Set `number`, 1 to 12.
    static constexpr PictureSet numbered(int number) { return PictureSet(number); }
    // The set that picture `picture` (1 to 36) belongs to.
    static constexpr PictureSet holding(int picture) { return PictureSet((picture + 2) / 3); }

    static constexpr bool isPicture(int picture) { return picture >= 1 && picture <= pictureCount; }
    // What picture `picture` shows.
    static constexpr Mark markShownBy(int picture) { return static_cast<Mark>((picture - 1) % 3); }

    constexpr int number() const { return m_number; }
    constexpr int firstPicture() const { return picture(Mark::Free); }
    constexpr int picture(Mark mark) const { return 3 * m_number - 2 + static_cast<int>(mark); }

    friend constexpr bool operator==(PictureSet, PictureSet) = default;

private:
    constexpr explicit PictureSet(int number) : m_number(number) {}

    int m_number = 6;
};

} // namespace ttt
