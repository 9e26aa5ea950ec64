// Speed of the raster engine: freehand segments, shape redraws, the
// transform drawing and PNG packing.
#include "model/PngCodec.h"
#include "raster/DrawUtil.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

const int SIDE = 1024;

QImage Frame()
{
    QImage image(SIDE, SIDE, QImage::Format_RGBA8888);
    image.fill(QColor(0, 255, 255, 0));
    return image;
}

StrokePoint Point(int x, int y, int width, float opacity)
{
    return StrokePoint{width, opacity, 1.0f, QPoint(x, y)};
}

// One 200-pixel segment (160 across, 120 down), drawn again and again into the
// same stroke image as a stroke in progress would.
void Segment(benchmark::State& state, ToolType tool, float opacity1)
{
    const int width = int(state.range(0));
    QImage image = Frame();
    if (tool == TOOL_ERASER)
        image.fill(QColor(0, 255, 255, 255));
    const QList<StrokePoint> points = {Point(400, 400, width, 1.0f),
                                       Point(560, 520, width, opacity1)};
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawUtil::DrawFreehand(image, points, 0, tool));
}

void BM_PencilSegment(benchmark::State& state) { Segment(state, TOOL_PENCIL, 1.0f); }
void BM_BrushSegment(benchmark::State& state) { Segment(state, TOOL_BRUSH, 1.0f); }
void BM_BrushSegmentPressure(benchmark::State& state) { Segment(state, TOOL_BRUSH, 0.3f); }
void BM_EraserSegment(benchmark::State& state) { Segment(state, TOOL_ERASER, 1.0f); }

BENCHMARK(BM_PencilSegment)->Arg(6)->Arg(40)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BrushSegment)->Arg(6)->Arg(19)->Arg(40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BrushSegmentPressure)->Arg(6)->Arg(19)->Arg(40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EraserSegment)->Arg(40)->Unit(benchmark::kMicrosecond);

void EnsureGuiApplication()
{
    if (QGuiApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_raster";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

// A full redraw of a shape or text stroke, as each composition does.
void BM_ShapeRedraw(benchmark::State& state)
{
    EnsureGuiApplication();
    Stroke stroke;
    stroke.tool = ToolType(state.range(0));
    stroke.color = QColor(255, 200, 0);
    stroke.points = {Point(150, 180, 6, 1.0f), Point(870, 760, 6, 1.0f)};
    stroke.text = QStringLiteral("Annotation text");
    QImage image = Frame();
    for (auto _ : state)
        DrawUtil::DrawStroke(image, stroke, true);
}
BENCHMARK(BM_ShapeRedraw)
    ->Arg(TOOL_TEXT)->Arg(TOOL_LINE)->Arg(TOOL_ARROW)->Arg(TOOL_ELLIPSE)->Arg(TOOL_RECTANGLE)
    ->Unit(benchmark::kMicrosecond);

// A 512-pixel region moved, rotated and scaled onto a frame.
void BM_TransformDraw(benchmark::State& state)
{
    QImage region(512, 512, QImage::Format_RGBA8888);
    region.fill(QColor(255, 0, 0, 180));
    Stroke stroke;
    stroke.tool = TOOL_TRANSFORM;
    stroke.region = QRect(256, 256, 512, 512);
    stroke.offset = QPoint(40, -30);
    stroke.rotation = 30.0f;
    stroke.scaleX = 1.3;
    stroke.scaleY = -0.8;
    QImage image = Frame();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawUtil::DrawTransform(painter, stroke, region);
    }
}
BENCHMARK(BM_TransformDraw)->Unit(benchmark::kMicrosecond);

// A frame covered by brush strokes of many widths and pressures.
QImage DenseFrame()
{
    QImage image = Frame();
    for (int row = 0; row < 40; ++row) {
        QList<StrokePoint> points;
        for (int i = 0; i <= 64; ++i) {
            const float pressure = 0.3f + 0.7f * float(std::fabs(std::sin(i * 0.3 + row)));
            points.append(Point(i * 16, row * 26 + int(12 * std::sin(i * 0.5)), 4 + row % 5 * 9,
                                pressure));
        }
        DrawUtil::DrawFreehand(image, points, 0, row % 3 ? TOOL_BRUSH : TOOL_PENCIL);
    }
    return image;
}

void BM_PngPack(benchmark::State& state)
{
    const QImage image = state.range(0) ? DenseFrame() : Frame();
    QByteArray bytes;
    for (auto _ : state)
        PngCodec::Pack(image, bytes);
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_PngPack)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PngUnpack(benchmark::State& state)
{
    QByteArray bytes;
    PngCodec::Pack(state.range(0) ? DenseFrame() : Frame(), bytes);
    QImage image;
    for (auto _ : state)
        PngCodec::Unpack(bytes, image);
}
BENCHMARK(BM_PngUnpack)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
