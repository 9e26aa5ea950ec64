#pragma once

#include "commands/InterfacePanels.h"

// The utility command's way to the panels, through the panel registry and
// the host's main window. Installed while the plug-in runs with a user
// interface.
class DialogPanels : public InterfacePanels
{
public:
    bool ShowPanel(Panel panel) override;
    void RefreshToolbox() override;
    void RefreshToolboxToolOptions() override;
    void RefreshToolOptions() override;
    QColor ToolboxColor() override;
    bool ShowNewLayer() override;
    bool ShowLayerProperties(const QString& camera, int index) override;
    bool ShowGhostingSettings() override;
    bool ShowPreferences() override;
    bool ShowAbout() override;
    bool ConfirmAndResetUI() override;
    bool ChooseCamera(const QStringList& cameras, const QString& active, QString& chosen) override;
};
