#include "scoreboard.h"

namespace ttt {

void Scoreboard::count(Outcome outcome)
{
    if (!m_scoringOn)
        return;
    switch (outcome) {
    case Outcome::XWins:
        ++m_x;
        break;
    case Outcome::OWins:
        ++m_o;
        break;
    case Outcome::Draw:
        ++m_nw;
        break;
    case Outcome::Open:
        break;
    }
}

void Scoreboard::flip()
{
    m_scoringOn = !m_scoringOn;
    clear();
}

void Scoreboard::clear()
{
    m_x = m_o = m_nw = 0;
}

std::string Scoreboard::switchCaption() const
{
    return m_scoringOn ? "&Turn Scoring Off" : "&Turn Scoring On";
}

std::string Scoreboard::displayForm(int total) const
{
    return m_scoringOn ? " " + std::to_string(total) : " -";
}

} // namespace ttt
