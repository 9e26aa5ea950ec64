// The context command registration of MFnPlugin.
#define MNoVersionString
#include <maya/MFnPlugin.h>

#include "core/Host.h"
#include "core/Output.h"
#include "plugins/Plugin.h"
#include "tools/ContextRegistry.h"

MStatus MFnPlugin::registerContextCommand(const MString& commandName, MCreatorFunction creatorFunction)
{
    nbhost::Plugin* plugin = nbhost::Plugin::from(m_object);
    nbhost::Host* host = nbhost::Host::current();
    if (!plugin || !host)
        return MStatus::kInvalidParameter;
    std::string error;
    const MStatus status = nbhost::ContextRegistry::instance().addCommand(*host, commandName.asChar(),
                                                                          creatorFunction, plugin->name(), &error);
    if (!status)
        nbhost::Output::write(nbhost::Output::Kind::Error, "registerContextCommand: " + error);
    return status;
}

MStatus MFnPlugin::deregisterContextCommand(const MString& commandName)
{
    nbhost::Plugin* plugin = nbhost::Plugin::from(m_object);
    nbhost::Host* host = nbhost::Host::current();
    if (!plugin || !host)
        return MStatus::kInvalidParameter;
    return nbhost::ContextRegistry::instance().removeCommand(*host, commandName.asChar(), plugin->name());
}
