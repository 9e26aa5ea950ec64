#include "core/Output.h"

#include <cstdio>

namespace nbhost {

namespace {
Output::Sink& currentSink()
{
    static Output::Sink sink;
    return sink;
}

unsigned long g_errorCount = 0;
} // namespace

unsigned long Output::errorCount() { return g_errorCount; }

void Output::write(Kind kind, const std::string& text)
{
    if (kind == Kind::Error)
        ++g_errorCount;
    if (currentSink())
        currentSink()(kind, text);
    else
        writeToStandardStreams(kind, text);
}

Output::Sink Output::setSink(Sink sink)
{
    Sink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

void Output::writeToStandardStreams(Kind kind, const std::string& text)
{
    switch (kind) {
    case Kind::Print:
        std::fputs(text.c_str(), stdout);
        std::fflush(stdout);
        break;
    case Kind::Info:
        std::fprintf(stdout, "%s\n", text.c_str());
        std::fflush(stdout);
        break;
    case Kind::Warning:
        std::fflush(stdout);
        std::fprintf(stderr, "// Warning: %s\n", text.c_str());
        break;
    case Kind::Error:
        std::fflush(stdout);
        std::fprintf(stderr, "// Error: %s\n", text.c_str());
        break;
    case Kind::Echo:
        // Batch mode keeps no script editor history; echoes are not printed.
        break;
    }
}

} // namespace nbhost
