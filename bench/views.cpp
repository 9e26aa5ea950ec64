// What a Viewport 2.0 view costs per redraw with the plug-in's overlay: a
// 1024 x 1024 texture on a screen-sized rectangle with opacity, and the
// ground grid.
#include "viewport/DrawableList.h"
#include "viewport/DrawablePainter.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

nbhost::DrawableList overlay(float opacity)
{
    QImage texture(1024, 1024, QImage::Format_RGBA8888);
    texture.fill(QColor(200, 40, 40, 128));
    nbhost::DrawableList list;
    list.beginDrawable(2, 0);
    list.state()->texture = texture;
    list.state()->color = MColor(1.0f, 1.0f, 1.0f, opacity);
    nbhost::DrawableList::Primitive rect;
    rect.kind = nbhost::DrawableList::Kind::Rect;
    rect.a = QPointF(480.0, 270.0);
    rect.b = QPointF(0.0, 1.0);
    rect.sizeX = 270.0;
    rect.sizeY = 270.0;
    rect.filled = true;
    list.add(rect);
    list.endDrawable();
    return list;
}

void BM_PaintTexturedOverlay(benchmark::State& state)
{
    const nbhost::DrawableList list = overlay(0.75f);
    QImage target(960, 540, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        nbhost::DrawablePainter::paint(painter, list, target.height());
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BM_PaintTexturedOverlay)->Unit(benchmark::kMillisecond);

void BM_TintTexture(benchmark::State& state)
{
    QImage texture(1024, 1024, QImage::Format_RGBA8888);
    texture.fill(QColor(200, 40, 40, 128));
    for (auto _ : state)
        benchmark::DoNotOptimize(nbhost::DrawablePainter::tinted(texture, MColor(1.0f, 1.0f, 1.0f, 0.5f), 15));
}
BENCHMARK(BM_TintTexture)->Unit(benchmark::kMillisecond);

} // namespace
