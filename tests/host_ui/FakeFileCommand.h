#pragma once

#include <maya/MPxCommand.h>

#include <string>
#include <vector>

// Stands in for the host's `file` command in the main window's tests: it
// keeps a scene name and a modified flag and records what it was asked.
class FakeFileCommand : public MPxCommand
{
public:
    static std::string sceneName;
    static bool modified;
    static bool failSaves;
    static std::vector<std::string> calls; // the flags of each call, joined

    static void reset();
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};
