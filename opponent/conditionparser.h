// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clause.h"

#include <array>
#include <string_view>

namespace ttt {

// Reads a rule condition written the way the rule tables write it and compiles it
// into clauses at compile time:
//   k=v    square k (1..9) holds v: 1 X, 2 O, 0 free
//   c=v    the random draw is v (1..9)
//   n=v    the move count is v (0..9);  n<v  the move count is below v
// Terms joined by "," or "and" must all hold; "or" separates alternatives, each of
// which may be wrapped in brackets: "(8=1 and c=4) or c=6".
// A malformed condition stops the build (the throw is not a constant expression).
class ConditionParser
{
public:
    static constexpr int maxClauses = 3;
    struct Result
    {
        std::array<Clause, maxClauses> clauses{};
        int count = 0;
    };

    static consteval Result parse(std::string_view text)
    {
        ConditionParser parser(text);
        return parser.condition();
    }

private:
    consteval explicit ConditionParser(std::string_view text) : m_text(text) {}

    consteval Result condition()
    {
        Result result;
        do {
            if (result.count == maxClauses)
                throw "too many alternatives";
            result.clauses[result.count++] = alternative();
        } while (word("or"));
        skipBlanks();
        if (m_pos != m_text.size())
            throw "unexpected text after the condition";
        return result;
    }

    consteval Clause alternative()
    {
        const bool bracketed = symbol('(');
        Clause clause;
        do {
            term(clause);
        } while (symbol(',') || word("and"));
        if (bracketed && !symbol(')'))
            throw "missing closing bracket";
        return clause;
    }

    consteval void term(Clause& clause)
    {
        skipBlanks();
        const char subject = next();
        const char relation = next();
        const int value = number();
        if (subject >= '1' && subject <= '9' && relation == '=' && value <= 2) {
            clause.required |= Situation::squareBit(subject - '0', static_cast<Mark>(value));
        } else if (subject == 'c' && relation == '=' && Board::isSquare(value)) {
            clause.forbidden |= Situation::drawBits & ~Situation::drawBit(value);
        } else if (subject == 'n' && relation == '=' && value <= Board::squareCount) {
            clause.forbidden |= Situation::countBits & ~Situation::countBit(value);
        } else if (subject == 'n' && relation == '<' && value <= Board::squareCount + 1) {
            for (int count = value; count <= Board::squareCount; ++count)
                clause.forbidden |= Situation::countBit(count);
        } else {
            throw "unknown term";
        }
    }

    consteval int number()
    {
        if (m_pos == m_text.size() || m_text[m_pos] < '0' || m_text[m_pos] > '9')
            throw "number expected";
        int value = 0;
        while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9')
            value = value * 10 + (m_text[m_pos++] - '0');
        return value;
    }

    consteval char next()
    {
        if (m_pos == m_text.size())
            throw "condition ends too early";
        return m_text[m_pos++];
    }

    consteval bool symbol(char wanted)
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text[m_pos] == wanted) {
            ++m_pos;
            return true;
        }
        return false;
    }

    consteval bool word(std::string_view wanted)
    {
        skipBlanks();
        if (m_text.substr(m_pos, wanted.size()) != wanted)
            return false;
        m_pos += wanted.size();
        return true;
    }

    consteval void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos] == ' ')
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace ttt
