// Composition and stroke commit of the drawing document model: the
// optimised composition beside the straightforward one (whole images, every
// step), on ten 1024 x 1024 layers with drawings on every frame, three
// previous and three next ghosts.

#include "tests/model/ReferenceComposition.h"

#include "bench/SceneGenerator.h"

#include "base/Settings.h"
#include "core/Host.h"
#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "model/PngBuffer.h"
#include "model/PngCodec.h"
#include "model/TileMask.h"
#include "raster/Stroke.h"

#include <benchmark/benchmark.h>
#include <maya/MAnimControl.h>

#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>

#include <memory>

namespace {

const QString CAMERA = QStringLiteral("top");
const int LAYERS = 10;
const int FRAMES = 9;

// Annotation-like drawing: a dozen freehand-looking strokes in one colour.
QImage Drawing(quint32 seed)
{
    return longshot::Drawing(seed, 12);
}

// A host for time and playback, and a document of LAYERS layers with FRAMES
// frames each, at time 5 with ghosts 3 + 3 on the active layer.
struct Scene
{
    Scene()
    {
        nbhost::HostOptions options;
        options.loadPlugins = false;
        host = std::make_unique<nbhost::Host>(options);
        host->start();
        Settings::ghostPrev = Settings::ghostNext = true;
        Settings::ghostPrevCount = Settings::ghostNextCount = 3;
        Settings::activeTool = TOOL_PENCIL;
        for (int l = 0; l < LAYERS; ++l) {
            manager.InsertLayer(CAMERA, -1, QString());
            Layer* layer = manager.GetLayer(CAMERA, l);
            for (int time = 1; time <= FRAMES; ++time) {
                auto* frame = new Frame(MTime(time, MTime::kFilm));
                frame->SetImage(Drawing(static_cast<quint32>(l * 100 + time)));
                layer->InsertFrame(frame);
            }
        }
        manager.SetActiveLayer(CAMERA, LAYERS / 2, true);
        SetTime(5);
        manager.GetFlattenedImage(CAMERA);
    }

    void SetTime(int time)
    {
        MAnimControl::setCurrentTime(MTime(time, MTime::kFilm));
        manager.OnPlaybackTimeChanged(time, false);
    }

    Stroke* StartStroke()
    {
        Stroke* stroke = manager.GetActiveStroke(CAMERA, false);
        stroke->tool = TOOL_PENCIL;
        stroke->points << StrokePoint{9, 1.0f, 1.0f, QPoint(300, 300)};
        stroke->updated = true;
        manager.GetFlattenedImage(CAMERA);
        return stroke;
    }

    // Moves the pen by one sampled step, as the input thread does every 8 ms.
    void AddPoint(Stroke* stroke, int step)
    {
        const QPoint last = stroke->points.last().position;
        const QPoint next(100 + (last.x() + 6 - 100) % 800, 300 + (step / 130) % 400);
        stroke->points << StrokePoint{9, 1.0f, 1.0f, next};
        stroke->updated = true;
    }

    std::unique_ptr<nbhost::Host> host;
    LayerManager manager;
};

Scene& TheScene()
{
    static int argc = 1;
    static char name[] = "bench_model";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    static Scene scene;
    return scene;
}

void BM_RedrawFreehandSegment(benchmark::State& state)
{
    Scene& scene = TheScene();
    Stroke* stroke = scene.StartStroke();
    int step = 0;
    for (auto _ : state) {
        scene.AddPoint(stroke, ++step);
        benchmark::DoNotOptimize(scene.manager.GetFlattenedImage(CAMERA));
    }
    scene.manager.CancelActiveStroke();
    scene.manager.GetFlattenedImage(CAMERA);
}
BENCHMARK(BM_RedrawFreehandSegment)->Unit(benchmark::kMillisecond);

void BM_RedrawFreehandSegmentStraightforward(benchmark::State& state)
{
    Scene& scene = TheScene();
    Stroke* stroke = scene.StartStroke();
    int step = 0;
    for (auto _ : state) {
        scene.AddPoint(stroke, ++step);
        scene.manager.GetFlattenedImage(CAMERA);  // renders the segment
        benchmark::DoNotOptimize(reference::Flatten(scene.manager, CAMERA, true));
    }
    scene.manager.CancelActiveStroke();
    scene.manager.GetFlattenedImage(CAMERA);
}
BENCHMARK(BM_RedrawFreehandSegmentStraightforward)->Unit(benchmark::kMillisecond);

void BM_RecomposeAfterTimeChange(benchmark::State& state)
{
    Scene& scene = TheScene();
    int time = 5;
    for (auto _ : state) {
        time = time == 5 ? 4 : 5;
        scene.SetTime(time);
        benchmark::DoNotOptimize(scene.manager.GetFlattenedImage(CAMERA));
    }
    // How much of a frame the drawings cover, in 16 x 16 tiles.
    state.counters["tiles_per_frame"] =
        TileMask::Of(scene.manager.GetLayer(CAMERA, 0)->GetImage(0)).SetCount();
    state.counters["tiles_composed"] = scene.manager.LastComposedTileCount();
}
BENCHMARK(BM_RecomposeAfterTimeChange)->Unit(benchmark::kMillisecond);

void BM_RecomposeAfterTimeChangeStraightforward(benchmark::State& state)
{
    Scene& scene = TheScene();
    int time = 5;
    for (auto _ : state) {
        time = time == 5 ? 4 : 5;
        scene.SetTime(time);
        benchmark::DoNotOptimize(reference::Flatten(scene.manager, CAMERA, true));
    }
    scene.manager.GetFlattenedImage(CAMERA);
}
BENCHMARK(BM_RecomposeAfterTimeChangeStraightforward)->Unit(benchmark::kMillisecond);

void BM_RedrawNothingChanged(benchmark::State& state)
{
    Scene& scene = TheScene();
    scene.manager.GetFlattenedImage(CAMERA);
    for (auto _ : state)
        benchmark::DoNotOptimize(scene.manager.GetFlattenedImage(CAMERA));
}
BENCHMARK(BM_RedrawNothingChanged)->Unit(benchmark::kMicrosecond);

// A freehand stroke of a hundred points, drawn and shown, then committed:
// the time is the commit on the GUI thread; the undo PNG is encoded on a
// worker meanwhile and waited for outside the measurement.
void BM_CommitFreehandStroke(benchmark::State& state)
{
    Scene& scene = TheScene();
    for (auto _ : state) {
        state.PauseTiming();
        Stroke* stroke = scene.StartStroke();
        for (int i = 0; i < 100; ++i)
            scene.AddPoint(stroke, i);
        scene.manager.GetFlattenedImage(CAMERA);
        auto undo = std::make_unique<PngBuffer>();
        state.ResumeTiming();
        scene.manager.CommitActiveStroke(CAMERA, *undo);
        state.PauseTiming();
        benchmark::DoNotOptimize(undo->Bytes());
        undo.reset();
        scene.manager.GetFlattenedImage(CAMERA);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CommitFreehandStroke)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same commit done the straightforward way: the stroke image painted
// over a copy of the whole frame, and the undo PNG encoded before returning.
void BM_CommitFreehandStrokeStraightforward(benchmark::State& state)
{
    Scene& scene = TheScene();
    for (auto _ : state) {
        state.PauseTiming();
        Stroke* stroke = scene.StartStroke();
        for (int i = 0; i < 100; ++i)
            scene.AddPoint(stroke, i);
        scene.manager.GetFlattenedImage(CAMERA);
        Layer* layer = scene.manager.GetActiveLayer(CAMERA);
        state.ResumeTiming();
        QImage previous = layer->GetImage(0);
        QByteArray undo;
        PngCodec::Pack(previous, undo);
        QImage result = previous.copy();
        QPainter painter(&result);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawImage(0, 0, scene.manager.GetStrokeImage());
        painter.end();
        benchmark::DoNotOptimize(result);
        state.PauseTiming();
        scene.manager.CancelActiveStroke();
        scene.manager.GetFlattenedImage(CAMERA);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CommitFreehandStrokeStraightforward)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
