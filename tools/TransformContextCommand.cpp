#include "tools/TransformContextCommand.h"

#include "tools/TransformContext.h"

MPxContext* TransformContextCommand::makeObj()
{
    return new TransformContext();
}

void* TransformContextCommand::Creator()
{
    return new TransformContextCommand();
}

MString TransformContextCommand::GetCommandName()
{
    return "vxNbTransformCtx";
}
