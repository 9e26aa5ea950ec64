// The GUI thread's work for one drag event of the transform tool: the
// stroke takes the new offset, turn and scale, the layer manager composes
// the camera's image with the 512-pixel region drawn transformed, and the
// view repaints (the draw override uploads the image and records the
// square, the view paints it; a full-HD view and one of the size the main
// window gives it by default). Ten layers with drawings on
// every frame, three previous and three next ghosts.
#include "base/Settings.h"
#include "core/Host.h"
#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "node/BaseNodeDrawOverride.h"
#include "node/BaseNodeUserData.h"
#include "raster/DrawUtil.h"
#include "raster/Stroke.h"

#include "viewport/DrawableList.h"
#include "viewport/DrawablePainter.h"
#include "viewport/ViewFrameContext.h"
#include "viewport/ViewProjection.h"

#include <maya/MAnimControl.h>
#include <maya/MObject.h>
#include <maya/MUIDrawManager.h>

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <vector>

namespace {

// The calling thread's own processor time, in milliseconds: the figure
// that other work on a loaded machine does not inflate.
double ThreadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

const QString CAMERA = QStringLiteral("persp");
const int LAYERS = 10;
const int FRAMES = 9;
const int CURRENT_TIME = 5;

// Rings and strokes spread over the frame, different on every layer and
// frame.
QImage Sketch(int layer, int time)
{
    QImage image = Frame::BlankImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor::fromHsv((layer * 36) % 360, 220, 230), 3 + layer % 5));
    for (int i = 0; i < 8; ++i) {
        const int x = (97 * (layer + 1) + 131 * i + 17 * time) % 900;
        const int y = (59 * (layer + 3) + 173 * i + 29 * time) % 900;
        painter.drawEllipse(QRect(x, y, 60 + 7 * i, 40 + 5 * i));
        painter.drawLine(QPoint(x, y), QPoint(1023 - y, x + 60));
    }
    return image;
}

struct TransformScene
{
    TransformScene()
    {
        nbhost::HostOptions options;
        options.loadPlugins = false;
        host = std::make_unique<nbhost::Host>(options);
        host->start();
        MHWRender::MRenderer::theRenderer(true);
        Settings::ghostPrev = Settings::ghostNext = true;
        Settings::ghostPrevCount = Settings::ghostNextCount = 3;
        for (int l = 0; l < LAYERS; ++l) {
            manager.InsertLayer(CAMERA, -1, QString());
            Layer* layer = manager.GetLayer(CAMERA, l);
            for (int time = 1; time <= FRAMES; ++time) {
                auto* frame = new Frame(MTime(time, MTime::kFilm));
                frame->SetImage(Sketch(l, time));
                layer->InsertFrame(frame);
            }
        }
        manager.SetActiveLayer(CAMERA, LAYERS / 2, true);
        MAnimControl::setCurrentTime(MTime(CURRENT_TIME, MTime::kFilm));
        manager.OnPlaybackTimeChanged(CURRENT_TIME, false);
        manager.GetFlattenedImage(CAMERA);
        data.opacity = 1.0f;
    }

    // The view the drawing is shown in: the drawing's square fills its height.
    void SetViewSize(int width, int height)
    {
        target = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        data.centre = MPoint(width / 2.0, height / 2.0, 0.0, 1.0);
        data.halfSize = height / 2.0f;
    }

    // The active layer's drawing, with the region to move painted solid
    // (every tile of it holds pixels) or as sketched (most tiles empty).
    void PaintActiveFrame(bool solidRegion)
    {
        QImage image = Sketch(LAYERS / 2, CURRENT_TIME);
        if (solidRegion) {
            QPainter painter(&image);
            QLinearGradient gradient(256, 256, 768, 768);
            gradient.setColorAt(0.0, QColor(220, 60, 40));
            gradient.setColorAt(1.0, QColor(40, 90, 220));
            painter.fillRect(QRect(256, 256, 512, 512), gradient);
        }
        manager.GetLayer(CAMERA, LAYERS / 2)->SetImage(image);
        manager.GetFlattenedImage(CAMERA);
    }

    // The selection lifted as the tool's Enter does.
    Stroke* LiftRegion()
    {
        Stroke* stroke = manager.GetActiveStroke(CAMERA, true);
        stroke->tool = TOOL_TRANSFORM;
        stroke->region = QRect(256, 256, 512, 512);
        stroke->captureRegion = true;
        stroke->updated = true;
        manager.GetFlattenedImage(CAMERA);
        return stroke;
    }

    // What one drag event costs the GUI thread.
    void DragEvent(Stroke* stroke, int step)
    {
        stroke->offset = QPoint(step % 40, (step / 2) % 30);
        stroke->rotation = 15.0f + float(step % 60);
        stroke->scaleX = stroke->scaleY = 1.1 + 0.001 * (step % 100);
        stroke->captureRegion = false;
        stroke->updated = true;
        data.image = manager.GetFlattenedImage(CAMERA);
        composed = ThreadMs();
        nbhost::DrawableList list;
        {
            nbhost::ViewFrameContext context(projection);
            MHWRender::MUIDrawManager drawManager(list);
            override->addUIDrawables(MDagPath(), drawManager, context, &data);
        }
        target.fill(Qt::gray);
        QPainter painter(&target);
        nbhost::DrawablePainter::paint(painter, list, target.height());
    }

    std::unique_ptr<nbhost::Host> host;
    LayerManager manager;
    BaseNodeUserData data;
    nbhost::ViewProjection projection;
    std::unique_ptr<MHWRender::MPxDrawOverride> override{BaseNodeDrawOverride::Creator(MObject())};
    QImage target;
    double composed = 0.0;
};

TransformScene& TheScene()
{
    static int argc = 1;
    static char name[] = "bench_transform_tool";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    // Left to the end of the process, with the host it needs.
    static TransformScene* scene = new TransformScene();
    return *scene;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

void BM_TransformDragEvent(benchmark::State& state)
{
    TransformScene& scene = TheScene();
    scene.SetViewSize(int(state.range(0)), int(state.range(1)));
    scene.PaintActiveFrame(state.range(2) != 0);
    Stroke* stroke = scene.LiftRegion();
    std::vector<double> times;
    std::vector<double> compositions;
    int step = 0;
    for (auto _ : state) {
        const double start = ThreadMs();
        scene.DragEvent(stroke, ++step);
        times.push_back(ThreadMs() - start);
        compositions.push_back(scene.composed - start);
    }
    // Medians of the thread's own processor time per event, in ms.
    state.counters["median_ms"] = Median(times);
    state.counters["composition_median_ms"] = Median(compositions);
    scene.manager.CancelActiveStroke();
    scene.manager.GetFlattenedImage(CAMERA);
}
// Arguments: the view's width and height; whether the region is painted
// solid.
BENCHMARK(BM_TransformDragEvent)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0)
    ->Args({1920, 1080, 0})
    ->Args({1000, 600, 0})
    ->Args({1920, 1080, 1});

} // namespace

namespace {

// The moved region alone: the 512-pixel region (kept premultiplied while it
// is moved) turned and scaled into a frame-sized premultiplied image, as
// each composition of the drag does.
void BM_DrawTransformedRegion(benchmark::State& state)
{
    const QImage region =
        Sketch(3, 5).copy(256, 256, 512, 512).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage target(1024, 1024, QImage::Format_RGBA8888_Premultiplied);
    Stroke stroke;
    stroke.tool = TOOL_TRANSFORM;
    stroke.region = QRect(256, 256, 512, 512);
    int step = 0;
    for (auto _ : state) {
        ++step;
        stroke.rotation = 15.0f + float(step % 60);
        stroke.scaleX = stroke.scaleY = 1.1 + 0.001 * (step % 100);
        target.fill(Qt::transparent);
        QPainter painter(&target);
        painter.setRenderHints(QPainter::Antialiasing);
        DrawUtil::DrawTransform(painter, stroke, region);
    }
}
BENCHMARK(BM_DrawTransformedRegion)->Unit(benchmark::kMillisecond);

} // namespace
