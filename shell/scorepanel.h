// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

class QLabel;

namespace ttt {

namespace layout {
struct Control;
}

class Scoreboard;

// The "Score" frame: X wins, O wins and drawn games ("NW", no winner).
class ScorePanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit ScorePanel(QWidget* parent = nullptr);

    // Totals read " 7", or " -" while scoring is off.
    void showScores(const Scoreboard& scores, bool scoringOn);

private:
    QLabel* addTitle(const QString& text, const layout::Control& place);
    QLabel* addTotal(const layout::Control& place);

    QLabel* m_xWins;
    QLabel* m_oWins;
    QLabel* m_draws;
};

} // namespace ttt
