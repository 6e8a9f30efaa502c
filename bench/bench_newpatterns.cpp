#include "renderframes.h"

// Frames of the technician's patterns at 1920 × 1080 and 3840 × 2160. The
// pixel walk and the ticker move on one step or frame per paint.

namespace {

PatternState technician(int mode)
{
    PatternState state;
    state.mode = mode;
    state.cabinetWidth = 384;
    state.cabinetHeight = 216;
    return state;
}

PatternState checker(int cellWidth, int cellHeight)
{
    PatternState state = technician(Checker);
    state.checkerWidth = cellWidth;
    state.checkerHeight = cellHeight;
    return state;
}

void advanceStep(PatternState &state)
{
    state.elapsedMs += 100;
}

void advanceFrame(PatternState &state)
{
    state.elapsedMs += 17;
}

void BM_Checker1x1(benchmark::State &run) { renderFrames(run, checker(1, 1)); }
void BM_CheckerCabinet(benchmark::State &run) { renderFrames(run, checker(384, 216)); }
void BM_ZonePlate(benchmark::State &run) { renderFrames(run, technician(ZonePlate)); }
void BM_PixelWalk(benchmark::State &run) { renderFrames(run, technician(PixelWalk), advanceStep); }

void BM_PixelWalkSubpixel1x1(benchmark::State &run)
{
    PatternState state = technician(PixelWalk);
    state.walkSubpixel = true;
    state.cabinetWidth = state.cabinetHeight = 1;
    renderFrames(run, state, advanceStep);
}

void BM_Ticker(benchmark::State &run) { renderFrames(run, technician(Ticker), advanceFrame); }

void BM_TickerWholeCanvas(benchmark::State &run)
{
    PatternState state = technician(Ticker);
    state.cabinetWidth = state.cabinetHeight = 0;
    renderFrames(run, state, advanceFrame);
}

void BM_Ident(benchmark::State &run) { renderFrames(run, technician(Ident)); }

} // namespace

#define WALLTEST_NEW_PATTERN_BENCHMARK(name) \
    BENCHMARK(name)->Args({ 1920, 1080 })->Args({ 3840, 2160 })->Unit(benchmark::kMillisecond)

WALLTEST_NEW_PATTERN_BENCHMARK(BM_Checker1x1);
WALLTEST_NEW_PATTERN_BENCHMARK(BM_CheckerCabinet);
WALLTEST_NEW_PATTERN_BENCHMARK(BM_ZonePlate);
WALLTEST_NEW_PATTERN_BENCHMARK(BM_PixelWalk);
WALLTEST_NEW_PATTERN_BENCHMARK(BM_PixelWalkSubpixel1x1);
WALLTEST_NEW_PATTERN_BENCHMARK(BM_Ticker);
WALLTEST_NEW_PATTERN_BENCHMARK(BM_TickerWholeCanvas);
WALLTEST_NEW_PATTERN_BENCHMARK(BM_Ident);
