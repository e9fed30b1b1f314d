#include "scorepanel.h"

#include "results/scoreboard.h"
#include "shell/twips.h"

#include <QLabel>

namespace ttt {

ScorePanel::ScorePanel(QWidget* parent) : QGroupBox(tr("Score"), parent)
{
    setObjectName(QStringLiteral("Frame3"));
    addTitle(QStringLiteral(" X"), "totalx", twipsRect(120, 240, 255, 255));
    addTitle(QStringLiteral(" O"), "totalo", twipsRect(120, 510, 255, 255));
    addTitle(QStringLiteral("NW"), "totalnw", twipsRect(120, 780, 375, 255))
        ->setAccessibleName(tr("No winner"));
    m_x = addTotal("totalxdisp", 240);
    m_o = addTotal("totalodisp", 510);
    m_nw = addTotal("totalnwdisp", 780);
}

QLabel* ScorePanel::addTitle(const QString& text, const char* name, const QRect& place)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    return label;
}

QLabel* ScorePanel::addTotal(const char* name, int top)
{
    auto* label = new QLabel(QStringLiteral(" 0"), this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(twipsRect(600, top, 495, 255));
    label->setAutoFillBackground(true);
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
    m_x->setText(shown(scores.xWins()));
    m_o->setText(shown(scores.oWins()));
    m_nw->setText(shown(scores.draws()));
    m_x->setAccessibleName(on ? tr("X wins: %1").arg(scores.xWins()) : tr("X wins: not counted"));
    m_o->setAccessibleName(on ? tr("O wins: %1").arg(scores.oWins()) : tr("O wins: not counted"));
    m_nw->setAccessibleName(on ? tr("No winner: %1").arg(scores.draws())
                               : tr("No winner: not counted"));
}

} // namespace ttt
