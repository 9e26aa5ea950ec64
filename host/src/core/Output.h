#pragma once

#include <functional>
#include <string>

namespace nbhost {

// Where the host's text output goes: standard output and error in batch
// mode, the script editor in the GUI. Everything the host and the plug-in
// print passes through here.
class Output
{
public:
    enum class Kind
    {
        Print,   // print: written as is
        Info,    // info display: the text and a line feed
        Warning, // "// Warning: <text>"
        Error,   // "// Error: <text>"
        Echo     // a command evaluated with display on
    };

    using Sink = std::function<void(Kind, const std::string&)>;

    static void write(Kind kind, const std::string& text);

    // Replaces the destination; an empty sink restores the standard streams.
    // Returns the previous sink so callers (tests, the GUI) can restore it.
    static Sink setSink(Sink sink);

    // How many errors were written since start; lets callers tell whether
    // something reported itself.
    static unsigned long errorCount();

    // Writes to the standard streams in the batch conventions.
    static void writeToStandardStreams(Kind kind, const std::string& text);
};

} // namespace nbhost
