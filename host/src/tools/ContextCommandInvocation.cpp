#include "tools/ContextCommandInvocation.h"

#include "tools/ContextRegistry.h"

#include <string>

namespace nbhost {

void* ContextCommandInvocation::creator() { return new ContextCommandInvocation; }

MStatus ContextCommandInvocation::doIt(const MArgList& args)
{
    const std::string text = commandString().asChar();
    const std::string name = text.substr(0, text.find(' '));
    return ContextRegistry::instance().invoke(name, args);
}

} // namespace nbhost
