#include "ui/DialogManager.h"

#include "base/Settings.h"

#include <maya/MQtUtil.h>

QPointer<QWidget> DialogManager::panels[DialogManager::SLOT_COUNT];

QWidget* DialogManager::MainWindow()
{
    return MQtUtil::mainWindow();
}

bool DialogManager::InterfaceAvailable()
{
    return Settings::guiEnabled && MainWindow() != nullptr;
}

QByteArray& DialogManager::GeometrySetting(Slot slot)
{
    switch (slot) {
    case SLOT_LAYER_MANAGER:
        return Settings::layerManagerGeometry;
    case SLOT_TOOLBOX:
        return Settings::toolboxGeometry;
    case SLOT_TOOL_OPTIONS:
        return Settings::toolOptionsGeometry;
    case SLOT_COLOR_PALETTE:
        return Settings::colorPaletteGeometry;
    default:
        return Settings::retimingGeometry;
    }
}

// A panel is detached before it is deleted: the host's main window may be
// on its way out already.
void DialogManager::Release(Slot slot, bool saveGeometry)
{
    QWidget* panel = panels[slot].data();
    panels[slot] = nullptr;
    if (!panel)
        return;
    if (saveGeometry)
        GeometrySetting(slot) = panel->saveGeometry();
    else
        panel->close();
    panel->setParent(nullptr);
    delete panel;
}

void DialogManager::Shutdown()
{
    for (int slot = 0; slot < SLOT_COUNT; ++slot)
        Release(Slot(slot), true);
}

void DialogManager::ResetUI()
{
    for (int slot = 0; slot < SLOT_COUNT; ++slot)
        Release(Slot(slot), false);
    for (int slot = 0; slot < SLOT_COUNT; ++slot)
        GeometrySetting(Slot(slot)).clear();
}
