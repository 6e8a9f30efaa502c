#include "renderframes.h"

// Frames of the solid fill, the colour-bar table and the gray bars, rendered
// whole (information text included) into the pixel format of a translucent
// window's backing store. Every benchmark runs at 1920 × 1080 and 3840 × 2160.

namespace {

PatternState colorTable(int columns, int rows)
{
    static const Qt::GlobalColor colours[] = { Qt::white, Qt::yellow, Qt::cyan, Qt::green,
                                               Qt::magenta, Qt::red, Qt::blue, Qt::black };
    PatternState state;
    state.mode = ColorBars;
    state.colorColumns = columns;
    state.colorRows = rows;
    for (int cell = 0; cell < columns * rows; ++cell)
        state.colorList.append(QColor(colours[cell % 8]));
    return state;
}

PatternState grayBars()
{
    PatternState state;
    state.mode = GrayBars;
    state.solidColor = Qt::white;
    state.rampDarkColor = Qt::black;
    state.rampLightColor = Qt::white;
    return state;
}

PatternState ramp(int length, int rotate)
{
    PatternState state = grayBars();
    state.rampLength = length;
    state.rampRotate = rotate;
    return state;
}

PatternState customBars(int width, int start, int spacing, int reverse, int rotate)
{
    PatternState state = grayBars();
    state.grayBarWidth = width;
    state.grayBarStart = start;
    state.grayBarSpacing = spacing;
    state.rampReverse = reverse;
    state.rampRotate = rotate;
    return state;
}

PatternState colorRampChart(int direction)
{
    PatternState state = grayBars();
    state.colorRampChart = 1;
    state.colorRampDirection = direction;
    return state;
}

void BM_PlainFill(benchmark::State &run)
{
    PatternState state;
    state.solidColor = Qt::white;
    renderFrames(run, state);
}

void BM_ColorBarsTiled20(benchmark::State &run)
{
    PatternState state = colorTable(8, 2);
    state.autoCellSize = false;
    state.cellWidth = 20;
    state.cellHeight = 20;
    state.tileColorBars = true;
    renderFrames(run, state);
}

void BM_ColorBarsAuto(benchmark::State &run) { renderFrames(run, colorTable(8, 2)); }
void BM_Ramp32(benchmark::State &run) { renderFrames(run, ramp(32, 0)); }
void BM_Ramp64(benchmark::State &run) { renderFrames(run, ramp(64, 0)); }
void BM_Ramp128(benchmark::State &run) { renderFrames(run, ramp(128, 0)); }
void BM_Ramp256(benchmark::State &run) { renderFrames(run, ramp(256, 0)); }
void BM_Ramp32Rotated(benchmark::State &run) { renderFrames(run, ramp(32, 1)); }
void BM_Ramp64Rotated(benchmark::State &run) { renderFrames(run, ramp(64, 1)); }
void BM_Ramp128Rotated(benchmark::State &run) { renderFrames(run, ramp(128, 1)); }
void BM_Ramp256Rotated(benchmark::State &run) { renderFrames(run, ramp(256, 1)); }
void BM_FullWidthRamp(benchmark::State &run) { renderFrames(run, customBars(1, 0, 1, 0, 0)); }
void BM_CustomBars(benchmark::State &run) { renderFrames(run, customBars(4, 0, 1, 0, 0)); }
void BM_CustomBarsRotated(benchmark::State &run) { renderFrames(run, customBars(4, 0, 1, 1, 1)); }
void BM_CustomBarsWide(benchmark::State &run) { renderFrames(run, customBars(200, 0, 16, 0, 0)); }
void BM_CustomBarsWidth1(benchmark::State &run) { renderFrames(run, customBars(1, 10, 1, 0, 0)); }
void BM_Ball(benchmark::State &run) { renderFrames(run, ramp(-1, 0)); }
void BM_ColorRampChart0(benchmark::State &run) { renderFrames(run, colorRampChart(0)); }
void BM_ColorRampChart1(benchmark::State &run) { renderFrames(run, colorRampChart(1)); }
void BM_ColorRampChart2(benchmark::State &run) { renderFrames(run, colorRampChart(2)); }
void BM_ColorRampChart3(benchmark::State &run) { renderFrames(run, colorRampChart(3)); }

} // namespace

WALLTEST_FRAME_BENCHMARK(BM_PlainFill);
WALLTEST_FRAME_BENCHMARK(BM_ColorBarsTiled20);
WALLTEST_FRAME_BENCHMARK(BM_ColorBarsAuto);
WALLTEST_FRAME_BENCHMARK(BM_Ramp32);
WALLTEST_FRAME_BENCHMARK(BM_Ramp64);
WALLTEST_FRAME_BENCHMARK(BM_Ramp128);
WALLTEST_FRAME_BENCHMARK(BM_Ramp256);
WALLTEST_FRAME_BENCHMARK(BM_Ramp32Rotated);
WALLTEST_FRAME_BENCHMARK(BM_Ramp64Rotated);
WALLTEST_FRAME_BENCHMARK(BM_Ramp128Rotated);
WALLTEST_FRAME_BENCHMARK(BM_Ramp256Rotated);
WALLTEST_FRAME_BENCHMARK(BM_FullWidthRamp);
WALLTEST_FRAME_BENCHMARK(BM_CustomBars);
WALLTEST_FRAME_BENCHMARK(BM_CustomBarsRotated);
WALLTEST_FRAME_BENCHMARK(BM_CustomBarsWide);
WALLTEST_FRAME_BENCHMARK(BM_CustomBarsWidth1);
WALLTEST_FRAME_BENCHMARK(BM_Ball);
WALLTEST_FRAME_BENCHMARK(BM_ColorRampChart0);
WALLTEST_FRAME_BENCHMARK(BM_ColorRampChart1);
WALLTEST_FRAME_BENCHMARK(BM_ColorRampChart2);
WALLTEST_FRAME_BENCHMARK(BM_ColorRampChart3);
