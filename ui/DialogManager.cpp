#include "ui/DialogManager.h"

#include "base/Logger.h"
#include "base/Settings.h"
#include "node/BaseNode.h"
#include "ui/AboutDialog.h"
#include "ui/ColorPaletteDialog.h"
#include "ui/GhostingDialog.h"
#include "ui/PreferencesDialog.h"
#include "ui/RetimingDialog.h"
#include "ui/ToolOptionsDialog.h"
#include "ui/ToolboxDialog.h"

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

ToolboxDialog* DialogManager::GetToolboxDialog()
{
    return GetPanel<ToolboxDialog>(SLOT_TOOLBOX, [](QWidget* parent) { return new ToolboxDialog(parent); });
}

ToolOptionsDialog* DialogManager::GetToolOptionsDialog()
{
    return GetPanel<ToolOptionsDialog>(
        SLOT_TOOL_OPTIONS, [](QWidget* parent) { return new ToolOptionsDialog(false, TOOL_PENCIL, parent); });
}

ColorPaletteDialog* DialogManager::GetColorPaletteDialog()
{
    return GetPanel<ColorPaletteDialog>(SLOT_COLOR_PALETTE,
                                        [](QWidget* parent) { return new ColorPaletteDialog(parent); });
}

RetimingDialog* DialogManager::GetRetimingDialog()
{
    return GetPanel<RetimingDialog>(SLOT_RETIMING, [](QWidget* parent) { return new RetimingDialog(parent); });
}

ToolboxDialog* DialogManager::ExistingToolboxDialog()
{
    return static_cast<ToolboxDialog*>(panels[SLOT_TOOLBOX].data());
}

ToolOptionsDialog* DialogManager::ExistingToolOptionsDialog()
{
    return static_cast<ToolOptionsDialog*>(panels[SLOT_TOOL_OPTIONS].data());
}

bool DialogManager::ShowPanel(QWidget* panel)
{
    if (!panel)
        return false;
    if (panel->isHidden()) {
        panel->show();
        return true;
    }
    panel->activateWindow();
    panel->raise();
    return true;
}

// Modal dialogs need a window to sit over; in batch mode there is none.
QWidget* DialogManager::ModalParent(QWidget* parent, const char* dialog)
{
    if (!DialogManager::InterfaceAvailable()) {
        Logger::Error(QStringLiteral("The %1 needs the interactive host.").arg(QLatin1String(dialog)));
        return nullptr;
    }
    return parent ? parent : DialogManager::MainWindow();
}

bool DialogManager::ShowGhostingDialog(QWidget* parent)
{
    QWidget* owner = ModalParent(parent, "Ghosting Settings dialog");
    if (!owner)
        return false;
    GhostingDialog dialog(owner);
    dialog.exec();
    return true;
}

bool DialogManager::ShowPreferencesDialog(QWidget* parent)
{
    QWidget* owner = ModalParent(parent, "Preferences dialog");
    if (!owner)
        return false;
    const QColor timelineColor = Settings::timelineFrameColor;
    PreferencesDialog dialog(owner);
    if (dialog.exec() == QDialog::Accepted)
        dialog.Apply();
    else
        Settings::timelineFrameColor = timelineColor;
    BaseNode::UpdateTimeControlOverlay();
    return true;
}

bool DialogManager::ShowAboutDialog(QWidget* parent)
{
    QWidget* owner = ModalParent(parent, "About window");
    if (!owner)
        return false;
    AboutDialog dialog(owner);
    dialog.exec();
    return true;
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
