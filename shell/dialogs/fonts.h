// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

class QWidget;

namespace ttt {

// A font of the generic family `hint` (serif, sans serif or typewriter).
QFont dialogFont(QFont::StyleHint hint, qreal points, bool bold);

// Shrinks the widget's font a quarter point at a time until `text` takes at
// most `room` pixels, so captions are never cut off by large desktop fonts.
void shrinkFontToFit(QWidget* widget, const QString& text, int room);
// The same for text wrapped at word breaks to the widget's width, to fit its height.
void shrinkWrappedFontToFit(QWidget* widget, const QString& text);

} // namespace ttt
