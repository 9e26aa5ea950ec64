// The module's entry points: the host calls initializePlugin when it loads
// the plug-in and uninitializePlugin before it unloads it.
#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "plugin/HostCallbacks.h"
#include "plugin/Registration.h"

#include <maya/MFnPlugin.h>
#include <maya/MGlobal.h>

#include <QByteArray>
#include <QtGlobal>

namespace {

// The API version this build needs of the host.
const char* const REQUIRED_API_VERSION = "Any";

const char* Vendor()
{
    static const QByteArray vendor = Settings::AUTHOR.toUtf8();
    return vendor.constData();
}

const char* Version()
{
    static const QByteArray version = Settings::VERSION_STRING.toUtf8();
    return version.constData();
}

void ShowError(const char* text)
{
    MGlobal::displayError(text);
}

// The menu script is sourced in both modes (its procedures serve commands
// too); the menu itself exists only with a user interface. A failure here
// leaves the plug-in usable without a menu.
void PrepareMainMenu()
{
    if (!MayaUtil::SourceScripts()) {
        ShowError("Failed to source scripts");
        return;
    }
    if (!Settings::guiEnabled)
        return;
    if (!MayaUtil::CreateMainMenu())
        ShowError("Failed to create main menu");
    if (!MayaUtil::UpdateMainMenu())
        ShowError("Failed to update main menu");
}

} // namespace

// The icons and the menu script are compiled in; they are registered for as
// long as the module is loaded.
static struct ResourceBundles
{
    ResourceBundles()
    {
        Q_INIT_RESOURCE(icons);
        Q_INIT_RESOURCE(scripts);
    }
    ~ResourceBundles()
    {
        Q_CLEANUP_RESOURCE(scripts);
        Q_CLEANUP_RESOURCE(icons);
    }
} resourceBundles;

PLUGIN_EXPORT MStatus initializePlugin(MObject object)
{
    MStatus status;
    MFnPlugin plugin(object, Vendor(), Version(), REQUIRED_API_VERSION, &status);
    if (!status) {
        MGlobal::displayError(MString("Failed to initialize plugin: ") + status.errorString());
        return status;
    }
    Settings::guiEnabled = !MayaUtil::IsBatchMode();
    Settings::ReadUserConfig();
    PrepareMainMenu();
    return Registration::RegisterAll(plugin);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject object)
{
    MStatus status;
    if (Settings::guiEnabled && !MayaUtil::DeleteMainMenu())
        ShowError("Failed to delete main menu");
    status = HostCallbacks::RemoveScriptJobs();
    if (!status) {
        ShowError("Failed to remove scriptJobs");
        return status;
    }
    status = HostCallbacks::RemoveCallbacks();
    if (!status) {
        ShowError("Failed to remove callbacks");
        return status;
    }
    MFnPlugin plugin(object, Vendor(), Version(), REQUIRED_API_VERSION, &status);
    if (!status) {
        MGlobal::displayError(MString("Failed to uninitialize plugin: ") + status.errorString());
        return status;
    }
    return Registration::DeregisterAll(plugin);
}
