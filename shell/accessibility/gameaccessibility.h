// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace ttt {

// What screen readers are told about the game's own widgets, on top of what Qt
// tells about its standard ones: the board is a list of the nine squares, each of
// which can be pressed, the title and the outcome are pictures, news comes from a
// status bar, and About, Tips and the graphics chooser are dialogs. Call it before
// the first window is made; calling it again does nothing.
void installGameAccessibility();

// Renames a widget for screen readers, and tells them only when the name really
// changes: Qt announces every new name, even one equal to the old.
void setSpokenName(QWidget* widget, const QString& name);

} // namespace ttt
