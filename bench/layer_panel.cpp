// What the Layer Manager costs to bring up to date with a document of many
// cameras and layers: a refill after one layer changed (every command), a
// refill with nothing changed (refresh requests), and the first fill, when
// every row is made. Each counts the layout and paint that follow.
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "ui/LayerManagerDialog.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void EnsureApplication()
{
    if (QApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_layer_panel";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// `layers` spread over `cameras` cameras, and the panel showing them. The
// application object comes first.
struct Document
{
    Document(int cameras, int layers)
    {
        for (int i = 0; i < layers; ++i)
            manager.InsertLayer(QStringLiteral("camera%1").arg(i % cameras, 2, 10, QLatin1Char('0')), -1,
                                QStringLiteral("layer %1").arg(i));
        panel.resize(260, 600);
        panel.show();
        Show();
    }
    void Show()
    {
        panel.ShowDocument(&manager);
        QApplication::processEvents();
    }

    bool ready = (EnsureApplication(), true);
    LayerManager manager;
    LayerManagerDialog panel;
};

void BM_RefillAfterALayerChanged(benchmark::State& state)
{
    Document document(int(state.range(0)), int(state.range(1)));
    bool visible = true;
    for (auto _ : state) {
        visible = !visible;
        document.manager.SetLayerVisible(QStringLiteral("camera07"), 1, visible);
        document.Show();
    }
}

void BM_RefillUnchanged(benchmark::State& state)
{
    Document document(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        document.Show();
}

void BM_FirstFill(benchmark::State& state)
{
    Document document(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        document.panel.Clear();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        document.Show();
    }
}

BENCHMARK(BM_RefillAfterALayerChanged)->Args({20, 50})->Args({20, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefillUnchanged)->Args({20, 50})->Args({20, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstFill)->Args({20, 50})->Args({20, 1000})->Unit(benchmark::kMillisecond);

} // namespace
