#pragma once

#include <maya/MPxContextCommand.h>
#include <maya/MString.h>

class MPxContext;

// vxNbDrawCtx: the context command that makes the draw tool.
class DrawContextCommand : public MPxContextCommand
{
public:
    MPxContext* makeObj() override;

    static void* Creator();
    static MString GetCommandName();
};
