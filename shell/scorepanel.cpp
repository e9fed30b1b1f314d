// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorepanel.h"

#include "accessibility/gameaccessibility.h"
#include "gamestyle.h"
#include "results/scoreboard.h"
#include "shell/layout/windowlayout.h"

#include <QLabel>

namespace ttt {

ScorePanel::ScorePanel(QWidget* parent) : QGroupBox(tr("Score"), parent)
{
    GameStyle::paintAsPanel(this);
    addTitle(QStringLiteral(" X"), layout::xTitle);
    addTitle(QStringLiteral(" O"), layout::oTitle);
    // The drawn games' title, in the player's language where a word as short fits.
    addTitle(tr("NW", "Score: title of the drawn games' row (no winner), at most four letters"),
             layout::noWinnerTitle)
        ->setAccessibleName(tr("No winner"));
    m_xWins = addTotal(layout::xTotal);
    m_oWins = addTotal(layout::oTotal);
    m_draws = addTotal(layout::noWinnerTotal);
}

QLabel* ScorePanel::addTitle(const QString& text, const layout::Control& place)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(place.name));
    label->setGeometry(place.rect());
    return label;
}

QLabel* ScorePanel::addTotal(const layout::Control& place)
{
    auto* label = new QLabel(QStringLiteral(" 0"), this);
    label->setObjectName(QLatin1String(place.name));
    label->setGeometry(place.rect());
    // White on the panel's black, drawn without a background of its own, which would
    // cover the panel's frame where a scale brings the frame under the label.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

void ScorePanel::showScores(const Scoreboard& scores, bool on)
{
    const auto shown = [on](int total) {
        return on ? QStringLiteral(" %1").arg(total) : QStringLiteral(" -");
    };
    m_xWins->setText(shown(scores.xWins()));
    m_oWins->setText(shown(scores.oWins()));
    m_draws->setText(shown(scores.draws()));
    m_xWins->setAccessibleName(on ? tr("X wins: %1").arg(scores.xWins())
                                  : tr("X wins: not counted"));
    m_oWins->setAccessibleName(on ? tr("O wins: %1").arg(scores.oWins())
                                  : tr("O wins: not counted"));
    m_draws->setAccessibleName(on ? tr("No winner: %1").arg(scores.draws())
                                  : tr("No winner: not counted"));
    // The whole board of totals in one sentence, for a screen reader.
    setSpokenName(this, on ? tr("Score: X %1, O %2, no winner %3")
                                 .arg(scores.xWins())
                                 .arg(scores.oWins())
                                 .arg(scores.draws())
                           : tr("Score: not counted"));
}

} // namespace ttt
