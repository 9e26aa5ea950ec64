#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

class Host;

// The tool commands, in both modes: `setToolTo <context>`, `currentCtx`
// and `contextInfo -exists|-title|-class <context>`.
class ToolCommands
{
public:
    static void registerAll(Host& host);
};

class SetToolToCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

class CurrentCtxCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

class ContextInfoCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
