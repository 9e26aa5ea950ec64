#pragma once

#include "base/Settings.h"

#include "core/CommandRegistry.h"
#include "core/Host.h"
#include "support/HostTestEnvironment.h"

#include <maya/MArgList.h>
#include <maya/MPxCommand.h>

#include <string>
#include <vector>

// Stands in for the plug-in's commands: keeps the arguments of each call as
// the host's tokenizer handed them over.
class RecorderCommand : public MPxCommand
{
public:
    static std::vector<std::vector<std::string>> calls;

    static void* creator() { return new RecorderCommand; }

    MStatus doIt(const MArgList& args) override
    {
        std::vector<std::string> words;
        for (unsigned int i = 0; i < args.length(); ++i)
            words.push_back(args.asString(i).asChar());
        calls.push_back(words);
        return MStatus::kSuccess;
    }
};

// A command string the plug-in had the host evaluate, with its flags.
struct Issued
{
    std::string text;
    bool display;
    bool undo;
    bool operator==(const Issued& o) const
    {
        return text == o.text && display == o.display && undo == o.undo;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Issued& issued)
{
    return out << '"' << issued.text << "\" display " << issued.display << " undo " << issued.undo;
}

// A batch host with the plug-in's command names taken by recorders.
class MayaUtilTest : public nbtest::HostTest
{
protected:
    void SetUp() override
    {
        nbtest::HostTest::SetUp();
        RecorderCommand::calls.clear();
        for (const QString& name : {Settings::LAYER_COMMAND_NAME, Settings::NODE_COMMAND_NAME,
                                    Settings::STROKE_COMMAND_NAME, Settings::UTIL_COMMAND_NAME,
                                    Settings::FRAME_COMMAND_NAME})
            host().commands().registerCommand(name.toStdString(), RecorderCommand::creator, nullptr,
                                              "tests");
        host().journal().clear();
    }

    // What the plug-in issued since the last call.
    std::vector<Issued> issued()
    {
        std::vector<Issued> result;
        for (const nbhost::JournalEntry& entry : host().journal().entries())
            if (entry.source != nbhost::JournalSource::User)
                result.push_back(Issued{entry.text, entry.display, entry.undo});
        host().journal().clear();
        return result;
    }
};
