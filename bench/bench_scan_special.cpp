#include "renderframes.h"

#include <QLinearGradient>

// Frames of the scan-line, gray-block and special families, rendered whole
// (information text included) into the pixel format of a translucent window's
// backing store, at 1920 × 1080 and 3840 × 2160. Patterns that move on the
// wall move here too, one step per frame, so no frame repeats the last one.

namespace {

// The scan tick: the offset runs 0, step, ... up to the pitch, then wraps.
void advanceScan(PatternState &state)
{
    state.scanOffset = state.scanOffset < state.scanPitch ? state.scanOffset + state.scanStep : 0;
}

void advanceSquare(PatternState &state)
{
    state.squareX = (state.squareX + 7) % 3000;
    state.squareY = (state.squareY + 3) % 1500;
}

void advanceClock(PatternState &state)
{
    state.delayTime = state.delayTime.addMSecs(17);
}

PatternState scanLines(int width, int gap)
{
    PatternState state;
    state.mode = ScanLines;
    state.scanBackground = Qt::black;
    state.scanLineColor = Qt::white;
    state.scanLineWidth = width;
    state.scanPitch = width + gap;
    state.scanHorizontal = state.scanVertical = state.scanDiagonalLR = state.scanDiagonalRL = 1;
    return state;
}

PatternState grayBlocks(int type)
{
    PatternState state;
    state.mode = GrayBlocks;
    state.grayBlockType = type;
    state.hideBlockText = false;
    return state;
}

PatternState special(int type)
{
    PatternState state;
    state.mode = Special;
    state.specialType = type;
    state.solidColor = QColor(20, 20, 20);
    return state;
}

QImage picture4K()
{
    QImage picture(4096, 2160, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 4096, 2160);
    gradient.setColorAt(0, Qt::red);
    gradient.setColorAt(0.5, Qt::green);
    gradient.setColorAt(1, Qt::blue);
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

void BM_ScanLinesPitch2(benchmark::State &run) { renderFrames(run, scanLines(1, 1), advanceScan); }
void BM_ScanLinesPitch3(benchmark::State &run) { renderFrames(run, scanLines(2, 1), advanceScan); }
void BM_ScanLinesPitch6Width5(benchmark::State &run) { renderFrames(run, scanLines(5, 1), advanceScan); }
void BM_ScanLinesPitch20(benchmark::State &run) { renderFrames(run, scanLines(1, 19), advanceScan); }
void BM_ScanLinesPitch20Width5(benchmark::State &run) { renderFrames(run, scanLines(5, 15), advanceScan); }
void BM_ScanLinesPitch64(benchmark::State &run) { renderFrames(run, scanLines(1, 63), advanceScan); }
void BM_ScanLinesPitch64Width3(benchmark::State &run) { renderFrames(run, scanLines(3, 61), advanceScan); }

void BM_MovingSquare(benchmark::State &run)
{
    PatternState state = scanLines(1, 1);
    state.movingSquare = 1;
    state.squareWidth = state.squareHeight = 99;
    renderFrames(run, state, advanceSquare);
}

void BM_CharacterTest(benchmark::State &run)
{
    PatternState state = scanLines(1, 1);
    state.fontTest = 1;
    state.scanBackground = QColor(0, 0, 128);
    renderFrames(run, state);
}

void BM_GrayBlocks(benchmark::State &run) { renderFrames(run, grayBlocks(0)); }
void BM_ContrastBright(benchmark::State &run) { renderFrames(run, grayBlocks(1)); }
void BM_ContrastDark(benchmark::State &run) { renderFrames(run, grayBlocks(2)); }
void BM_FullWindowClock(benchmark::State &run) { renderFrames(run, special(0), advanceClock); }
void BM_CabinetClock(benchmark::State &run) { renderFrames(run, special(1), advanceClock); }
void BM_GridCircles(benchmark::State &run) { renderFrames(run, special(2)); }

void BM_PictureFit(benchmark::State &run)
{
    PatternState state = special(3);
    state.pictureFit = true;
    renderFrames(run, state, Step(), picture4K());
}

void BM_Picture(benchmark::State &run)
{
    PatternState state = special(3);
    renderFrames(run, state, Step(), picture4K());
}

} // namespace

WALLTEST_FRAME_BENCHMARK(BM_ScanLinesPitch2);
WALLTEST_FRAME_BENCHMARK(BM_ScanLinesPitch3);
WALLTEST_FRAME_BENCHMARK(BM_ScanLinesPitch6Width5);
WALLTEST_FRAME_BENCHMARK(BM_ScanLinesPitch20);
WALLTEST_FRAME_BENCHMARK(BM_ScanLinesPitch20Width5);
WALLTEST_FRAME_BENCHMARK(BM_ScanLinesPitch64);
WALLTEST_FRAME_BENCHMARK(BM_ScanLinesPitch64Width3);
WALLTEST_FRAME_BENCHMARK(BM_MovingSquare);
WALLTEST_FRAME_BENCHMARK(BM_CharacterTest);
WALLTEST_FRAME_BENCHMARK(BM_GrayBlocks);
WALLTEST_FRAME_BENCHMARK(BM_ContrastBright);
WALLTEST_FRAME_BENCHMARK(BM_ContrastDark);
WALLTEST_FRAME_BENCHMARK(BM_FullWindowClock);
WALLTEST_FRAME_BENCHMARK(BM_CabinetClock);
WALLTEST_FRAME_BENCHMARK(BM_GridCircles);
WALLTEST_FRAME_BENCHMARK(BM_PictureFit);
WALLTEST_FRAME_BENCHMARK(BM_Picture);
