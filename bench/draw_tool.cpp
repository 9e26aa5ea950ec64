// What the GUI thread spends while the draw tool draws with the brush at
// size 40 on a 1920 x 1080 view over ten layers with three previous and
// three next ghosts: per pointer sample (the input slot), per drag event
// (two samples, the composition of the new segments and the view's
// repaint), and from the release to the committed stroke. Each benchmark
// reports the median and the 99th percentile of its iterations.
#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/Frame.h"
#include "model/FrameCache.h"
#include "model/Layer.h"
#include "node/BaseNode.h"
#include "raster/Stroke.h"
#include "tools/PointerSource.h"
#include "tools/ThreadManager.h"

#include "core/Host.h"
#include "plugins/Plugin.h"
#include "scene/Scene.h"
#include "ui/GuiSession.h"
#include "ui/MainWindow.h"
#include "viewport/View3d.h"

#include <maya/M3dView.h>
#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

PLUGIN_EXPORT MStatus initializePlugin(MObject object);

namespace {

const int VIEW_WIDTH = 1920;
const int VIEW_HEIGHT = 1080;
const int LAYERS = 10;
const int CURRENT_TIME = 4;

class StillPointer : public PointerSource
{
public:
    QPoint GlobalPosition() const override { return QPoint(0, 0); }
};

// A GUI host with the plug-in, one 1920 x 1080 persp view, and a document
// of ten layers with frames around the current time.
class Session
{
public:
    static Session& Get()
    {
        static Session* session = new Session();
        return *session;
    }

    BaseNode& Node() { return *BaseNode::GetMaster(); }
    QWidget& View() { return *nbhost::View3d::active()->widget(); }

    // A fresh stroke being sampled, as a press starts it.
    Stroke* StartStroke()
    {
        int newLayer = -1;
        bool frameAdded = false;
        Node().PrepareForDraw("persp", newLayer, frameAdded);
        M3dView view = M3dView::active3dView();
        Node().UpdateOverlayValues(view);
        Stroke* stroke = Node().GetActiveStroke("persp", false);
        ThreadManager::GetInstance()->CreateInputThread(&View(), &Node(), stroke);
        return stroke;
    }
    // Positions on a circle, 5 pixels apart: each sample becomes a point.
    QPoint Next()
    {
        step = (step + 1) % 700;
        const double angle = step * 2.0 * M_PI / 700.0;
        return QPoint(960 + int(400 * std::cos(angle)), 540 + int(400 * std::sin(angle)));
    }

private:
    Session()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        nbhost::HostOptions options;
        options.mode = nbhost::HostMode::Gui;
        options.prefsDir = prefs.path().toStdString();
        options.loadPlugins = false;
        host = std::make_unique<nbhost::Host>(options);
        gui = std::make_unique<nbhost::GuiSession>(*host);
        host->start();
        plugin = std::make_shared<nbhost::Plugin>("nibline2", "", nullptr);
        initializePlugin(plugin->object());
        plugin->setStage(nbhost::Plugin::Stage::Loaded);
        gui->show();
        SizeView();
        Document();
        ThreadManager::GetInstance()->SetPointerSource(std::make_shared<StillPointer>());
        // The host is left to the end of the process, but its scene is a
        // static that would go after the frame cache its drawings release
        // themselves from; registered after the cache was made, this runs
        // before the cache goes.
        FrameCache::Instance();
        std::atexit([] { nbhost::Scene::instance().reset(); });
    }

    void SizeView()
    {
        QWidget& window = gui->mainWindow();
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
            window.resize(window.width() + VIEW_WIDTH - View().width(), window.height() + VIEW_HEIGHT - View().height());
        }
        QApplication::processEvents();
    }

    void Document()
    {
        MGlobal::executeCommand("vxNiblineNode; currentTime 1");
        for (int i = 0; i < LAYERS; ++i)
            Node().InsertLayer("persp", -1, QString("layer %1").arg(i));
        for (int i = 0; i < LAYERS; ++i) {
            Layer* layer = Node().GetLayer("persp", i);
            for (int t = 1; t <= 7; ++t) {
                Frame* frame = layer->GetFrame(layer->AddFrame(MTime(double(t), MTime::uiUnit())));
                QImage image = Frame::BlankImage();
                QPainter painter(&image);
                painter.setPen(QPen(QColor(30 * i % 255, 80, 200), 8));
                painter.drawEllipse(QPoint(100 + 80 * i, 100 + 100 * t), 60, 40);
                painter.end();
                frame->SetImage(image);
            }
        }
        Node().SetActiveLayer("persp", LAYERS - 1, true);
        MGlobal::executeCommand(QString("currentTime %1").arg(CURRENT_TIME).toUtf8().constData());
        Settings::activeTool = TOOL_BRUSH;
        Settings::brushSize = 40;
        Settings::brushOpacity = 100;
        Settings::ghostPrev = true;
        Settings::ghostNext = true;
        Settings::ghostPrevCount = 3;
        Settings::ghostNextCount = 3;
        View().repaint();
    }

    QTemporaryDir prefs;
    std::unique_ptr<nbhost::Host> host;
    std::unique_ptr<nbhost::GuiSession> gui;
    std::shared_ptr<nbhost::Plugin> plugin;
    int step = 0;
};

// Median and 99th percentile of the timed iterations, in milliseconds.
void Report(benchmark::State& state, std::vector<double>& times)
{
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p99_ms"] = times[std::min(times.size() - 1, times.size() * 99 / 100)];
}

// Times `timed` in every iteration of a stroke in progress, after the
// untimed `before`.
template <typename Before, typename Timed>
void MeasureWhileDrawing(benchmark::State& state, Before before, Timed timed)
{
    Session& session = Session::Get();
    session.StartStroke();
    std::vector<double> times;
    QElapsedTimer timer;
    for (auto _ : state) {
        before(session);
        timer.start();
        timed(session);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    ThreadManager::GetInstance()->DestroyInputThread();
    session.Node().CancelActiveStroke();
    Report(state, times);
}

void Sample(const QPoint& position)
{
    ThreadManager::GetInstance()->OnMousePositionChanged(position, 40, 1.0f, 1.0f);
}

void BM_PointerSample(benchmark::State& state)
{
    QPoint position;
    MeasureWhileDrawing(
        state, [&](Session& session) { position = session.Next(); }, [&](Session&) { Sample(position); });
}
BENCHMARK(BM_PointerSample)->Unit(benchmark::kMicrosecond);

// About two samples reach the GUI thread per drag event; the drag event
// asks the node to redraw the view, which composes and repaints.
void BM_DragEvent(benchmark::State& state)
{
    QPoint a;
    QPoint b;
    MeasureWhileDrawing(
        state,
        [&](Session& session) {
            a = session.Next();
            b = session.Next();
        },
        [&](Session& session) {
            Sample(a);
            Sample(b);
            session.Node().RefreshActiveView();
            session.View().repaint();
        });
}
BENCHMARK(BM_DragEvent)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The two halves of a drag event: the composition with the new segments,
// and the view's repaint when nothing changed.
void BM_DragComposition(benchmark::State& state)
{
    MeasureWhileDrawing(
        state,
        [](Session& session) {
            Sample(session.Next());
            Sample(session.Next());
        },
        [](Session& session) { benchmark::DoNotOptimize(session.Node().GetFinalImage("persp")); });
}
BENCHMARK(BM_DragComposition)->Unit(benchmark::kMillisecond);

void BM_ViewRepaint(benchmark::State& state)
{
    MeasureWhileDrawing(
        state, [](Session&) {}, [](Session& session) { session.View().repaint(); });
}
BENCHMARK(BM_ViewRepaint)->Unit(benchmark::kMillisecond);

void BM_ReleaseToCommit(benchmark::State& state)
{
    Session& session = Session::Get();
    ThreadManager& manager = *ThreadManager::GetInstance();
    std::vector<double> times;
    QElapsedTimer timer;
    for (auto _ : state) {
        state.PauseTiming();
        session.StartStroke();
        for (int i = 0; i < 40; ++i)
            Sample(session.Next());
        session.View().repaint();
        state.ResumeTiming();
        timer.start();
        manager.DestroyInputThread();
        MayaUtil::PushStroke("persp", -1, false);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    Report(state, times);
}
BENCHMARK(BM_ReleaseToCommit)->Unit(benchmark::kMillisecond)->Iterations(60);

} // namespace
