// SPDX-License-Identifier: GPL-3.0-or-later
#include "replyboards.h"

#include "boardindex.h"

namespace ttt {

namespace {

class ReplyBoardCollector
{
public:
    std::vector<Board> collect()
    {
        const Board empty;
        visit(empty, Mark::O); // the computer opens
        visit(empty, Mark::X); // the human opens
        return m_found;
    }

private:
    void visit(const Board& board, Mark mover)
    {
        const int index = boardIndex(board) * 2 + (mover == Mark::O);
        if (m_seen[index])
            return;
        m_seen[index] = true;
        if (mover == Mark::O)
            m_found.push_back(board);
        for (Square square : Board::squares) {
            if (!board.isFree(square))
                continue;
            Board next = board;
            next.place(square, mover);
            if (!hasLine(next, mover) && !next.isFull())
                visit(next, otherMark(mover));
        }
    }

    std::vector<bool> m_seen = std::vector<bool>(boardIndexCount * 2);
    std::vector<Board> m_found;
};

} // namespace

std::vector<Board> replyBoards()
{
    return ReplyBoardCollector().collect();
}

} // namespace ttt
