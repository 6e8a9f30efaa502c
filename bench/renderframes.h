#ifndef RENDERFRAMES_H
#define RENDERFRAMES_H

#include "render.h"
#include "fontsubstitutions.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <functional>

using Step = std::function<void(PatternState &)>;

// Renders the state whole (information text included) into the pixel format
// of a translucent window's backing store, at the size the benchmark's range
// gives, with one renderer as the window has. A static pattern is drawn once
// when it is chosen and copied on every later paint, and the full-window
// clock keeps its characters from the second paint at a size on; the
// benchmark measures the paints after. `step` moves a moving pattern on
// before each frame, so no frame repeats the last one. With a canvas size
// among the ranges, the window is a part of that canvas away from its
// corner, as on one output of a wall fed by several.
inline void renderFrames(benchmark::State &run, PatternState state, const Step &step = Step(),
                         const QImage &picture = QImage())
{
    registerFontSubstitutions();
    const QSize size(int(run.range(0)), int(run.range(1)));
    const QSize canvas(int(run.range(2)), int(run.range(3)));
    if (!canvas.isEmpty())
        state.canvas = WallCanvas{ canvas, QPoint(canvas.width() * 3 / 8 - 203, canvas.height() / 4 + 31) };
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    PatternRenderer renderer;
    renderer.setPicture(picture);
    for (int paint = 0; paint < 2; ++paint) {
        QPainter painter(&image);
        renderer.render(painter, state, QRect(QPoint(0, 0), size), QPoint(1234, 567));
    }
    for (auto _ : run) {
        if (step)
            step(state);
        QPainter painter(&image);
        renderer.render(painter, state, QRect(QPoint(0, 0), size), QPoint(1234, 567));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Every frame benchmark runs at 1920 × 1080 and 3840 × 2160 alone, and as a
// 3840 × 2160 part of a 15360 × 4320 canvas.
#define WALLTEST_FRAME_BENCHMARK(name)                                                                        \
    BENCHMARK(name)->Args({ 1920, 1080, 0, 0 })->Args({ 3840, 2160, 0, 0 })->Args({ 3840, 2160, 15360, 4320 }) \
        ->Unit(benchmark::kMillisecond)

#endif // RENDERFRAMES_H
