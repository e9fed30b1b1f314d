// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ttt::assets {

// Where the game's pictures live inside the executable's resources. The SVG
// files come from tools/make_pictures.py; set n (1..12) has set<nn>-empty.svg,
// set<nn>-x.svg and set<nn>-o.svg.

// The resource path of a picture file, e.g. picturePath("board") for board.svg.
QString picturePath(const QString& baseName);

// The resource path of cell picture `index`, numbered as PictureSet numbers them;
// an index that is no picture gives an empty string.
QString setPicturePath(int index);

// The name of the game's desktop entry without ".desktop": the id by which the
// desktop pairs the game's windows with the entry's icon and name.
QString desktopEntryName();

} // namespace ttt::assets
