// nbhost: the stand-in host application. Without -batch it opens the main
// window and runs until the user or a script quits; batch mode runs a scene
// and a script without a user interface, then quits as `quit -f` does.
#include "core/Host.h"
#include "script/Lexer.h"
#include "ui/GuiSession.h"
#include "ui/HostTheme.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const kUsage =
    "usage: nbhost [-batch] [-file <scene>] [-script <file>] [-command \"<script>\"]\n"
    "              [-prefs <dir>] [-noplugin]\n"
    "  -batch      run without a user interface, then quit\n"
    "  -file       open a scene first\n"
    "  -script     run a script file\n"
    "  -command    run a script string (after -script); in the GUI once the window is up\n"
    "  -prefs      user preference directory (default $NBHOST_PREFS_DIR, else ~/.nbhost/prefs)\n"
    "  -noplugin   do not load the startup plug-ins\n";

struct CommandLine
{
    bool batch = false;
    bool loadPlugins = true;
    std::string prefsDir;
    std::string scene;
    std::string scriptFile;
    std::string command;
    bool hasCommand = false;
};

int usageError(const std::string& message)
{
    std::fprintf(stderr, "nbhost: %s\n%s", message.c_str(), kUsage);
    return 2;
}

// Returns 0 when the line is good, else the exit status to end with.
int parse(int argc, char** argv, CommandLine& line)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string* value = nullptr;
        if (arg == "-batch")
            line.batch = true;
        else if (arg == "-noplugin")
            line.loadPlugins = false;
        else if (arg == "-prefs")
            value = &line.prefsDir;
        else if (arg == "-file")
            value = &line.scene;
        else if (arg == "-script")
            value = &line.scriptFile;
        else if (arg == "-command")
            value = &line.command, line.hasCommand = true;
        else if (arg == "-h" || arg == "-help" || arg == "--help")
            return std::fprintf(stdout, "%s", kUsage), -1;
        else
            return usageError("unknown argument \"" + arg + "\"");
        if (!value)
            continue;
        if (i + 1 >= argc)
            return usageError(arg + " needs a value");
        *value = argv[++i];
    }
    return 0;
}

nbhost::HostOptions hostOptions(const CommandLine& line, nbhost::HostMode mode)
{
    nbhost::HostOptions options;
    options.mode = mode;
    options.prefsDir = line.prefsDir;
    options.loadPlugins = line.loadPlugins;
    return options;
}

// The scene, then the script file, then the command; each only when the
// one before succeeded and the host still runs.
bool runStartup(nbhost::Host& host, const CommandLine& line)
{
    bool ok = true;
    if (!line.scene.empty())
        ok = host.evaluate("file -open -force " + nbhost::Lexer::quote(line.scene)).ok;
    if (ok && !line.scriptFile.empty() && !host.hasQuit())
        ok = host.sourceFile(line.scriptFile).ok;
    if (ok && line.hasCommand && !host.hasQuit())
        ok = host.evaluate(line.command).ok;
    return ok;
}

int runBatch(const CommandLine& line)
{
    nbhost::Host host(hostOptions(line, nbhost::HostMode::Batch));
    host.start();
    host.processIdleQueue();

    bool ok = runStartup(host, line);
    if (!host.hasQuit())
        host.processIdleQueue();
    ok = ok && host.idleFailures() == 0;

    if (host.hasQuit())
        return host.exitCode();
    const int status = ok ? 0 : 1;
    host.quit(status);
    return status;
}

// Qt ends the process when it cannot reach a display; say so plainly first.
bool hasDisplay()
{
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(variable); value && *value)
            return true;
    return false;
}

// The window comes up before plug-ins load, so their menus find it; the
// scene, script and command run once the event loop has shown it. The host
// runs until a script or the user quits.
int runGui(const CommandLine& line, int& argc, char** argv)
{
    if (!hasDisplay()) {
        std::fprintf(stderr, "nbhost: no display to open the window on; run with -batch, or set "
                             "QT_QPA_PLATFORM=offscreen\n");
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nbhost"));
    nbhost::HostTheme::apply(application);
    nbhost::Host host(hostOptions(line, nbhost::HostMode::Gui));
    nbhost::GuiSession gui(host);
    host.start();
    gui.runWhenShown([&host, &line] { runStartup(host, line); });
    gui.show();
    return gui.exec();
}

} // namespace

int main(int argc, char** argv)
{
    CommandLine line;
    const int status = parse(argc, argv, line);
    if (status != 0)
        return status < 0 ? 0 : status;
    return line.batch ? runBatch(line) : runGui(line, argc, argv);
}
