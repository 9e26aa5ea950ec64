// Long shots: opening, saving and playing documents of hundreds to thousands
// of drawn frames (bench/SceneGenerator.h), in a host in this process with
// the drawing node's types registered. Scenes are generated once into the
// temporary folder and reused by later runs.
//
// Wall time is noisy on a shared machine: the counters give CPU time where it
// matters, and the peak resident memory of the process so far (vm_peak_mib;
// run one benchmark per process with --benchmark_filter to read it alone).
// The save of changed frames runs on every core (/0) and on one core (/1);
// the play benchmarks give the median and maximum time of a step, in wall
// time and in the GUI thread's CPU time.

#include "bench/SceneGenerator.h"

#include "base/Settings.h"
#include "core/Host.h"
#include "model/FrameCache.h"
#include "model/WorkerPool.h"

#include <benchmark/benchmark.h>
#include <maya/MAnimControl.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <vector>

#include <dirent.h>
#include <sched.h>
#include <sys/resource.h>
#include <time.h>

namespace {

const QString CAMERA = QStringLiteral("persp");

double PeakMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// CPU time of the calling thread alone.
double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Every thread of the process, and those it starts later, on one core or all.
void UseOneCore(bool one)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (one)
        CPU_SET(0, &set);
    else
        for (int cpu = 0; cpu < QThread::idealThreadCount(); ++cpu)
            CPU_SET(cpu, &set);
    DIR* tasks = opendir("/proc/self/task");
    while (dirent* entry = tasks ? readdir(tasks) : nullptr)
        if (entry->d_name[0] != '.')
            sched_setaffinity(std::atoi(entry->d_name), sizeof set, &set);
    if (tasks)
        closedir(tasks);
}

struct Host
{
    Host()
    {
        nbhost::HostOptions options;
        options.loadPlugins = false;
        host = std::make_unique<nbhost::Host>(options);
        host->start();
        Settings::guiEnabled = false;
        longshot::RegisterTypes();
    }

    // The scene of that shape and form, written on first use.
    std::string Scene(int layers, int frames, bool text)
    {
        const QString path = QDir::temp().filePath(
            QStringLiteral("nb-longshot-%1x%2.%3").arg(layers).arg(frames).arg(text ? "nba" : "nbb"));
        if (!QFileInfo::exists(path)) {
            longshot::Shape shape;
            shape.layers = layers;
            shape.frames = frames;
            longshot::Write(path.toStdString(), shape);
        }
        return path.toStdString();
    }

    static void Run(const std::string& script)
    {
        if (!MGlobal::executeCommand(MString(script.c_str())))
            std::abort();
    }
    LayerManager& Open(const std::string& path)
    {
        Run("file -new -f; file -open -f \"" + path + "\"");
        return *BaseNode::GetMaster()->GetLayerManager();
    }

    std::unique_ptr<nbhost::Host> host;
};

Host& TheHost()
{
    static int argc = 1;
    static char name[] = "bench_longshot";
    static char* argv[] = {name, nullptr};
    static bool platform = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
    static Host host;
    (void)platform;
    return host;
}

void Finish(benchmark::State& state, double cpu)
{
    state.counters["cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    state.counters["vm_peak_mib"] = PeakMiB();
    state.counters["decoded_frames"] = FrameCache::Instance().DecodedCount();
}

// Opening a 5 x 100 frame document: text (0) or binary (1) scene.
void BM_Open500(benchmark::State& state)
{
    Host& host = TheHost();
    const std::string path = host.Scene(5, 100, state.range(0) == 0);
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Host::Run("file -new -f");
        const double before = CpuSeconds();
        state.ResumeTiming();
        host.Open(path);
        cpu += CpuSeconds() - before;
    }
    Finish(state, cpu);
}
BENCHMARK(BM_Open500)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Saving an opened 5 x 100 frame document again, unchanged.
void BM_SaveUnchanged500(benchmark::State& state)
{
    Host& host = TheHost();
    host.Open(host.Scene(5, 100, false));
    const std::string out = QDir::temp().filePath("nb-longshot-save.nbb").toStdString();
    Host::Run("file -rename \"" + out + "\"");
    double cpu = 0;
    for (auto _ : state) {
        const double before = CpuSeconds();
        Host::Run("file -save");
        cpu += CpuSeconds() - before;
    }
    Finish(state, cpu);
    QFile::remove(QString::fromStdString(out));
}
BENCHMARK(BM_SaveUnchanged500)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Saving after a change to every frame of a 5 x 20 frame document, on every
// core (0) or on one (1).
void BM_SaveChanged100(benchmark::State& state)
{
    Host& host = TheHost();
    LayerManager& manager = host.Open(host.Scene(5, 20, false));
    const std::string out = QDir::temp().filePath("nb-longshot-changed.nbb").toStdString();
    Host::Run("file -rename \"" + out + "\"");
    UseOneCore(state.range(0) == 1);
    double cpu = 0;
    double guiCpu = 0;
    int mark = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++mark;
        for (Layer* layer : manager.GetLayers(CAMERA))
            for (int i = 0; i < layer->FrameCount(); ++i)
                layer->GetFrame(i)->GetImage().setPixel(mark % 1024, 7, qRgba(200, 10, 10, 255));
        const double before = CpuSeconds();
        const double guiBefore = ThreadCpuMs();
        state.ResumeTiming();
        Host::Run("file -save");
        cpu += CpuSeconds() - before;
        guiCpu += (ThreadCpuMs() - guiBefore) / 1e3;
    }
    UseOneCore(false);
    // The encoding's share done on the GUI thread; the rest ran on workers.
    state.counters["gui_cpu_s"] = benchmark::Counter(guiCpu, benchmark::Counter::kAvgIterations);
    Finish(state, cpu);
    QFile::remove(QString::fromStdString(out));
}
BENCHMARK(BM_SaveChanged100)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// Waits for the next tick of playback, letting decodes land meanwhile; the
// event loop runs at least once between steps, as it does in the host.
void WaitUntil(const QElapsedTimer& clock, qint64 deadlineNs)
{
    do {
        QCoreApplication::processEvents();
        if (clock.nsecsElapsed() < deadlineNs)
            QThread::usleep(500);
    } while (clock.nsecsElapsed() < deadlineNs);
}


// Plays a document once through at 24 fps with ghosts 3 + 3, composing every
// step as the viewport does; the time measured is the step's own (the time
// change and the composition), not the wait for the next tick.
void Play(benchmark::State& state, int layers, int frames)
{
    Host& host = TheHost();
    LayerManager& manager = host.Open(host.Scene(layers, frames, false));
    Settings::ghostPrev = Settings::ghostNext = true;
    Settings::ghostPrevCount = Settings::ghostNextCount = 3;
    Settings::disableGhostingDuringPlayback = false;
    Host::Run("playbackOptions -min 1 -max " + std::to_string(frames) + "; currentTime 1");
    manager.OnPlaybackTimeChanged(1, false);
    manager.GetFlattenedImage(CAMERA);
    Host::Run("play -state on");
    std::vector<double> steps;
    std::vector<double> stepsCpu;
    const qint64 tick = 1000000000LL / 24;
    double cpu = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const double before = CpuSeconds();
        for (int time = 2; time <= frames; ++time) {
            const qint64 start = clock.nsecsElapsed();
            const double startCpu = ThreadCpuMs();
            MAnimControl::setCurrentTime(MTime(time, MTime::uiUnit()));
            manager.OnPlaybackTimeChanged(time, false);
            benchmark::DoNotOptimize(manager.GetFlattenedImage(CAMERA));
            const qint64 spent = clock.nsecsElapsed() - start;
            steps.push_back(spent / 1e6);
            stepsCpu.push_back(ThreadCpuMs() - startCpu);
            WaitUntil(clock, start + tick);
        }
        cpu += CpuSeconds() - before;
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
    }
    Host::Run("play -state off");
    std::sort(steps.begin(), steps.end());
    std::sort(stepsCpu.begin(), stepsCpu.end());
    state.counters["step_median_ms"] = steps[steps.size() / 2];
    state.counters["step_max_ms"] = steps.back();
    // The GUI thread's own CPU time per step: what the step costs when the
    // machine is not shared.
    state.counters["step_cpu_median_ms"] = stepsCpu[stepsCpu.size() / 2];
    state.counters["step_cpu_max_ms"] = stepsCpu.back();
    Finish(state, cpu);
}

void BM_Play500(benchmark::State& state)
{
    Play(state, 5, 100);
}
BENCHMARK(BM_Play500)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

// Peak memory of opening and playing a 2,000 frame document through once.
void BM_Play2000(benchmark::State& state)
{
    Play(state, 10, 200);
}
BENCHMARK(BM_Play2000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace
