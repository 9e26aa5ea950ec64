#include "tools/ToolNotifier.h"

ToolNotifier* ToolNotifier::GetInstance()
{
    static ToolNotifier* instance = new ToolNotifier();
    return instance;
}
