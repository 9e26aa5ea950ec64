#pragma once
// A batch host for the fuzz targets, started once with its application
// object as nbhost starts, whose output is dropped: the readers log every
// damaged field and the fuzzer only wants crashes.

#include "core/Host.h"
#include "core/Output.h"

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
    const char* prefs = std::getenv("TMPDIR");
    options.prefsDir = std::string(prefs ? prefs : "/tmp") + "/nbfuzz-prefs";
    host = new nbhost::Host(options);
    host->start();
    std::atexit([] { delete host; });
}

} // namespace nbfuzz
