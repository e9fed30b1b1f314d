// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "art/artwork.h"
#include "game/options.h"
#include "results/outcome.h"

#include <QLabel>
#include <QString>

namespace ttt {

class Match;

// The line under the board while no outcome is shown: how to start a game, or whose
// move it is. Empty once a game has ended: the outcome picture says how.
QString statusText(const Match& match, Players players);

// The line under the board: quieter than the outcome pictures, plain weight in a pale
// blue on their dark ground, as large as the menus' text (`pointSize`), on two lines
// where one is too short. Hidden while an outcome is shown.
class StatusLine : public QLabel
{
    Q_OBJECT

public:
    StatusLine(qreal pointSize, QWidget* parent = nullptr);
    void showFor(const Match& match, Players players);
};

// What the outcome picture shows of a game's end, and what screen readers hear of it.
struct OutcomeShown
{
    Artwork::Picture picture;
    QString name;
    QString caption; // written on the banner
};
OutcomeShown outcomeShown(Outcome outcome);

} // namespace ttt
