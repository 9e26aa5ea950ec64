// nbhost: the stand-in host application. Batch mode runs a scene and a
// script without a user interface, then quits as `quit -f` does.
#include "core/CommandRegistry.h"
#include "core/Host.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const kUsage =
    "usage: nbhost -batch [-file <scene>] [-script <file>] [-command \"<script>\"]\n"
    "              [-prefs <dir>] [-noplugin]\n"
    "  -batch      run without a user interface, then quit\n"
    "  -file       open a scene first\n"
    "  -script     run a script file\n"
    "  -command    run a script string (after -script)\n"
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
    if (!line.batch)
        return usageError("the GUI is not built yet; run with -batch");
    return 0;
}

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

// Scenes are read by the `file` command; without it a scene cannot open.
bool openScene(nbhost::Host& host, const std::string& scene)
{
    if (!host.commands().find("file")) {
        std::fprintf(stderr, "// Error: Cannot open \"%s\": this host cannot read scene files yet.\n",
                     scene.c_str());
        return false;
    }
    return host.evaluate("file -open -force " + quoted(scene)).ok;
}

int runBatch(const CommandLine& line)
{
    nbhost::HostOptions options;
    options.mode = nbhost::HostMode::Batch;
    options.prefsDir = line.prefsDir;
    options.loadPlugins = line.loadPlugins;
    nbhost::Host host(options);
    host.start();
    host.processIdleQueue();

    bool ok = true;
    if (!line.scene.empty())
        ok = openScene(host, line.scene);
    if (ok && !line.scriptFile.empty() && !host.hasQuit())
        ok = host.sourceFile(line.scriptFile).ok;
    if (ok && line.hasCommand && !host.hasQuit())
        ok = host.evaluate(line.command).ok;
    if (!host.hasQuit())
        host.processIdleQueue();
    ok = ok && host.idleFailures() == 0;

    if (host.hasQuit())
        return host.exitCode();
    const int status = ok ? 0 : 1;
    host.quit(status);
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    CommandLine line;
    const int status = parse(argc, argv, line);
    if (status != 0)
        return status < 0 ? 0 : status;
    return runBatch(line);
}
