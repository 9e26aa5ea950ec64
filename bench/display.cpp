// One draw of the drawing overlay in a Viewport 2.0 view with the composed
// image already cached: the draw override uploading the 1024 x 1024 image
// into its texture and recording the square, then the view painting it.
#include "node/BaseNodeDrawOverride.h"
#include "node/BaseNodeUserData.h"

#include "viewport/DrawableList.h"
#include "viewport/DrawablePainter.h"
#include "viewport/ViewFrameContext.h"
#include "viewport/ViewProjection.h"

#include <maya/MObject.h>
#include <maya/MUIDrawManager.h>

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Overlay
{
    Overlay()
    {
        image.fill(QColor(200, 40, 40, 128));
        data.image = &image;
        data.opacity = 0.8f;
        data.centre = MPoint(960.0, 540.0, 0.0, 1.0);
        data.halfSize = 540.0f;
        MHWRender::MRenderer::theRenderer(true);
    }
    void Record(nbhost::DrawableList& list)
    {
        nbhost::ViewFrameContext context(projection);
        MHWRender::MUIDrawManager manager(list);
        override->addUIDrawables(MDagPath(), manager, context, &data);
    }

    QImage image{1024, 1024, QImage::Format_RGBA8888};
    BaseNodeUserData data;
    nbhost::ViewProjection projection;
    std::unique_ptr<MHWRender::MPxDrawOverride> override{BaseNodeDrawOverride::Creator(MObject())};
};

void BM_OverlayUploadAndRecord(benchmark::State& state)
{
    Overlay overlay;
    for (auto _ : state) {
        nbhost::DrawableList list;
        overlay.Record(list);
        benchmark::DoNotOptimize(list.primitives().data());
    }
}
BENCHMARK(BM_OverlayUploadAndRecord)->Unit(benchmark::kMillisecond);

// Upload, record and paint into a 1920 x 1080 view.
void BM_OverlayFullViewDraw(benchmark::State& state)
{
    Overlay overlay;
    QImage target(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        nbhost::DrawableList list;
        overlay.Record(list);
        target.fill(Qt::gray);
        QPainter painter(&target);
        nbhost::DrawablePainter::paint(painter, list, target.height());
    }
}
BENCHMARK(BM_OverlayFullViewDraw)->Unit(benchmark::kMillisecond);

} // namespace
