// Cost of evaluating a command string through the host: interpreter,
// argument parsing against the syntax, command creation and result.
#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MGlobal.h>
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "core/Output.h"
#include "script/commands/PlaybackOptionsCommand.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

struct BenchHost
{
    BenchHost()
    {
        nbhost::Output::setSink([](nbhost::Output::Kind, const std::string&) {});
        nbhost::HostOptions options;
        options.prefsDir = (std::filesystem::temp_directory_path() / "nbhost-bench-prefs").string();
        options.loadPlugins = false;
        host = std::make_unique<nbhost::Host>(options);
        host->start();
    }
    ~BenchHost() { nbhost::Output::setSink(nullptr); }
    std::unique_ptr<nbhost::Host> host;
};

void BM_ExecuteQueryCommand(benchmark::State& state)
{
    BenchHost bench;
    double value = 0.0;
    for (auto _ : state) {
        MGlobal::executeCommand("playbackOptions -q -min", value);
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ExecuteQueryCommand);

void BM_ParseArguments(benchmark::State& state)
{
    const MSyntax syntax = nbhost::PlaybackOptionsCommand::newSyntax();
    MArgList args;
    args.addArg(MString("-min")).addArg(1.0).addArg(MString("-max")).addArg(120.0);
    args.addArg(MString("-ast")).addArg(1.0).addArg(MString("-aet")).addArg(200.0);
    for (auto _ : state) {
        MArgDatabase db(syntax, args);
        benchmark::DoNotOptimize(db.isFlagSet("-max"));
    }
}
BENCHMARK(BM_ParseArguments);

} // namespace
