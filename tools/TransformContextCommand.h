#pragma once

#include <maya/MPxContextCommand.h>
#include <maya/MString.h>

class MPxContext;

// vxNbTransformCtx: the context command that makes the transform tool.
class TransformContextCommand : public MPxContextCommand
{
public:
    MPxContext* makeObj() override;

    static void* Creator();
    static MString GetCommandName();
};
