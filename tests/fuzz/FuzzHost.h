#pragma once
// A batch host for the fuzz targets, started once with its application
// object as nbhost starts, whose output is dropped: the readers log every
// damaged field and the fuzzer only wants crashes. Its plug-in path is an
// empty folder, so that a scene's "requires" loads nothing.

#include "core/Host.h"
#include "core/Output.h"
#include "files/SceneBuilder.h"
#include "scene/FileReadState.h"

#include "model/WorkerPool.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>
#include <string>

namespace nbfuzz {

inline void StartHost()
{
    // The host quits at exit before the singletons it made during its start
    // go; the application object lives to the end.
    static nbhost::Host* host = nullptr;
    if (host)
        return;
    static int argc = 1;
    static char name[] = "nbfuzz";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    new QGuiApplication(argc, argv);
    nbhost::Output::setSink([](nbhost::Output::Kind, const std::string&) {});
    nbhost::HostOptions options;
    options.mode = nbhost::HostMode::Batch;
    options.loadPlugins = false;
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = std::string(tmp ? tmp : "/tmp");
    options.prefsDir = base + "/nbfuzz-prefs";
    setenv("NB_PLUGIN_PATH", (base + "/nbfuzz-no-plug-ins").c_str(), 1);
    host = new nbhost::Host(options);
    host->start();
    std::atexit([] { delete host; });
}

// Ends an input as the host's event loop would: the frame decodes that a
// read started ahead are waited for and their landings run. Without it a
// decode could still be running when the fuzzer exits and Qt's image
// handlers are torn down under it, and a crash would belong to no input.
inline void FinishInput()
{
    WorkerPool::Instance().Wait();
    QCoreApplication::sendPostedEvents();
}

// Runs a scene reader as an open runs it, then takes the nodes it made out
// of the scene again, so that inputs do not pile up.
template <class Reader>
void ReadScene(const std::string& bytes, const char* path, Reader read)
{
    nbhost::FileReadState::Scope opening(nbhost::FileReadState::Mode::Opening);
    nbhost::SceneBuilder builder(nbhost::FileReadState::Mode::Opening);
    std::string error;
    read(bytes, path, builder, &error);
    builder.discardCreated();
}

} // namespace nbfuzz
