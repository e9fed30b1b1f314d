// SPDX-License-Identifier: GPL-3.0-or-later
// How long the pictures take the first time they are needed (rendering the SVG)
// and afterwards (from the cache). The game draws the board's nine cells, the
// board, the window background and the title at start-up.
#include "core/pictureset.h"
#include "shell/art/artwork.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

using ttt::Artwork;
using ttt::PictureSet;

void BM_FirstCard(benchmark::State& state)
{
    const qreal dpr = state.range(0) / 100.0;
    for (auto _ : state) {
        const Artwork art;
        benchmark::DoNotOptimize(art.pictureNumbered(16, dpr));
    }
}
BENCHMARK(BM_FirstCard)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_CachedCard(benchmark::State& state)
{
    const Artwork art;
    art.pictureNumbered(16, 2.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(art.pictureNumbered(16, 2.0));
}
BENCHMARK(BM_CachedCard)->Unit(benchmark::kNanosecond);

// Everything the main window shows when it opens, from a cold cache.
void BM_StartUpPictures(benchmark::State& state)
{
    const qreal dpr = state.range(0) / 100.0;
    for (auto _ : state) {
        const Artwork art;
        benchmark::DoNotOptimize(art.picture(Artwork::Picture::Background, dpr));
        benchmark::DoNotOptimize(art.picture(Artwork::Picture::Title, dpr));
        benchmark::DoNotOptimize(art.picture(Artwork::Picture::Board, dpr));
        benchmark::DoNotOptimize(art.picture(Artwork::Picture::BlankResult, dpr));
        benchmark::DoNotOptimize(art.picture(Artwork::Picture::NewGameUp, dpr));
        benchmark::DoNotOptimize(art.picture(Artwork::Picture::QuitUp, dpr));
        benchmark::DoNotOptimize(art.pictureNumbered(16, dpr));
        benchmark::DoNotOptimize(art.appIcon());
    }
}
BENCHMARK(BM_StartUpPictures)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The graphics chooser shows all 36 cells at once.
void BM_AllCards(benchmark::State& state)
{
    for (auto _ : state) {
        const Artwork art;
        for (int i = 1; i <= PictureSet::pictureCount; ++i)
            benchmark::DoNotOptimize(art.pictureNumbered(i, 2.0));
    }
}
BENCHMARK(BM_AllCards)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
