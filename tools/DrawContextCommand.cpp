#include "tools/DrawContextCommand.h"

#include "tools/DrawContext.h"

MPxContext* DrawContextCommand::makeObj()
{
    return new DrawContext();
}

void* DrawContextCommand::Creator()
{
    return new DrawContextCommand();
}

MString DrawContextCommand::GetCommandName()
{
    return "vxNbDrawCtx";
}
