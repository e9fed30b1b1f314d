// SPDX-License-Identifier: GPL-3.0-or-later
// One selector call per level, cycling through every board the computer can be
// asked to reply on, and the whole strength table of the lab.
#include "opponent/gameodds.h"
#include "opponent/replyboards.h"
#include "opponent/selector.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void selectorCall(benchmark::State& state)
{
    const ttt::Level level = *ttt::levelNumbered(static_cast<int>(state.range(0)));
    const std::vector<ttt::Board> boards = ttt::replyBoards();
    std::size_t next = 0;
    ttt::Square draw = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ttt::selectMove(level, boards[next], draw));
        next = next + 1 == boards.size() ? 0 : next + 1;
        draw = draw == ttt::Board::squareCount ? 1 : draw + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(selectorCall)->DenseRange(1, 4)->ArgName("level");

void strengthTable(benchmark::State& state)
{
    for (auto _ : state) {
        for (const ttt::Level level : ttt::allLevels) {
            for (const auto opener : {ttt::Opener::Human, ttt::Opener::Computer}) {
                for (const auto play : {ttt::HumanPlay::Best, ttt::HumanPlay::Random})
                    benchmark::DoNotOptimize(ttt::gameOdds(level, opener, play));
            }
        }
    }
}
BENCHMARK(strengthTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
