// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rule.h"

#include <array>
#include <cstddef>
#include <span>

namespace ttt {

// The first rule of the list whose condition holds, or nullptr when none does.
constexpr const Rule* firstMatch(std::span<const Rule> rules, const Situation& situation)
{
    for (const Rule& rule : rules) {
        if (rule.holds(situation))
            return &rule;
    }
    return nullptr;
}

// A selector's answer: the first matching rule's square, or the draw itself when
// that rule says stop or when no rule matches.
constexpr Square evaluateRules(std::span<const Rule> rules, const Board& board, Square draw,
                               int movecount)
{
    const Rule* rule = firstMatch(rules, Situation(board, draw, movecount));
    return rule && rule->outcome != stop ? rule->outcome : draw;
}

// Rule lists that share sequences are written as their parts, joined in order.
template <std::size_t... Sizes>
constexpr std::array<Rule, (Sizes + ...)> joinRules(const Rule (&... parts)[Sizes])
{
    std::array<Rule, (Sizes + ...)> joined;
    std::size_t at = 0;
    ((std::copy(std::begin(parts), std::end(parts), joined.begin() + at), at += Sizes), ...);
    return joined;
}

} // namespace ttt
