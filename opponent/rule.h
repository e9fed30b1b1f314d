// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conditionparser.h"

#include <array>
#include <string_view>

namespace ttt {

// The outcome of a rule that ends the evaluation and leaves the draw as it is.
inline constexpr int stop = 0;

// One row of a rule table: a label, a condition in table notation and an outcome,
// the chosen square 1..9 or `stop`.
struct Rule
{
    std::string_view label;
    std::string_view condition;
    int outcome = stop;
    std::array<Clause, ConditionParser::maxClauses> clauses{};
    int clauseCount = 0;

    constexpr Rule() = default;
    consteval Rule(std::string_view ruleLabel, std::string_view ruleCondition, int ruleOutcome)
        : label(ruleLabel), condition(ruleCondition), outcome(ruleOutcome)
    {
        if (ruleOutcome != stop && !Board::isSquare(ruleOutcome))
            throw "the outcome must be a square 1..9 or stop";
        const ConditionParser::Result parsed = ConditionParser::parse(ruleCondition);
        clauses = parsed.clauses;
        clauseCount = parsed.count;
    }

    constexpr bool holds(const Situation& situation) const
    {
        for (int i = 0; i < clauseCount; ++i) {
            if (clauses[i].holds(situation))
                return true;
        }
        return false;
    }
};

} // namespace ttt
