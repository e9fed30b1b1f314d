// SPDX-License-Identifier: GPL-3.0-or-later
// The win and block sequences are line rules: two of one mark in a line, the third
// square free and chosen, all 24 pairs of line and free square once each.
#include "core/board.h"
#include "opponent/linerules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <utility>

namespace ttt {
namespace {

// The one-clause condition of a line rule for `mark`, built from its squares.
Clause lineClause(Square first, Square second, Square freeSquare, Mark mark)
{
    Clause clause;
    clause.required = Situation::squareBit(first, mark) | Situation::squareBit(second, mark) |
                      Situation::squareBit(freeSquare, Mark::Free);
    return clause;
}

// Which (line, free square) pair a rule is, or (-1, 0) if it is no line rule for `mark`.
std::pair<int, int> linePair(const Rule& rule, Mark mark)
{
    if (rule.clauseCount != 1 || rule.clauses[0].forbidden != 0)
        return {-1, 0};
    for (int line = 0; line < static_cast<int>(boardLines.size()); ++line) {
        const auto& squares = boardLines[line];
        for (int position = 0; position < 3; ++position) {
            const Square freeSquare = squares[position];
            const Clause expected = lineClause(squares[(position + 1) % 3],
                                               squares[(position + 2) % 3], freeSquare, mark);
            if (rule.clauses[0].required == expected.required && rule.outcome == freeSquare)
                return {line, freeSquare};
        }
    }
    return {-1, 0};
}

void expectLineRules(std::span<const Rule> rules, Mark mark)
{
    std::set<std::pair<int, int>> pairs;
    for (const Rule& rule : rules) {
        const auto pair = linePair(rule, mark);
        EXPECT_NE(pair.first, -1) << rule.label << " " << rule.condition;
        pairs.insert(pair);
    }
    EXPECT_EQ(pairs.size(), 24u);
}

TEST(LineRules, WinSequenceIsTheComputersLineRules)
{
    expectLineRules(winSequence, Mark::O);
}

TEST(LineRules, BlockSequenceIsTheHumansLineRules)
{
    expectLineRules(blockSequence, Mark::X);
}

TEST(LineRules, BothSequencesShareTheRowAndFirstDiagonalOrder)
{
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8, 18, 19, 20})
        EXPECT_EQ(linePair(winSequence[index], Mark::O), linePair(blockSequence[index], Mark::X))
            << index + 1;
}

} // namespace
} // namespace ttt
