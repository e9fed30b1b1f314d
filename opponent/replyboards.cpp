#include "replyboards.h"

#include "boardindex.h"
#include "boardlines.h"

namespace ttt {

namespace {

class ReplyBoardCollector
{
public:
    std::vector<Board> collect()
    {
        const Board empty;
        visit(empty, O); // the computer opens
        visit(empty, X); // the human opens
        return m_found;
    }

private:
    void visit(const Board& board, int mover)
    {
        const int index = boardIndex(board) * 2 + (mover == O);
        if (m_seen[index])
            return;
        m_seen[index] = true;
        if (mover == O)
            m_found.push_back(board);
        for (int square = 1; square <= Board::Squares; ++square) {
            if (!board.isFree(square))
                continue;
            Board next = board;
            next.place(square, mover);
            if (!hasLine(next, mover) && next.markCount() < Board::Squares)
                visit(next, mover == X ? O : X);
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
