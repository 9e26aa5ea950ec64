#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

// What the utility command needs of the plug-in's panels and boxes. The
// interface floor implements it and installs it when the host runs with a
// user interface; in batch mode none is installed and the command refuses
// the flags that would show something.
class InterfacePanels
{
public:
    enum Panel
    {
        PANEL_LAYER_MANAGER,
        PANEL_TOOLBOX,
        PANEL_TOOL_OPTIONS,
        PANEL_COLOR_PALETTE,
        PANEL_RETIMING
    };

    virtual ~InterfacePanels();

    // The installed panels, or null without a user interface.
    static InterfacePanels* Get();
    // The caller keeps ownership; null uninstalls.
    static void Install(InterfacePanels* panels);

    // Shows a hidden persistent panel or brings a shown one to the front;
    // false when the panel cannot be made.
    virtual bool ShowPanel(Panel panel) = 0;

    // The toolbox follows the tool, colour and ghosting settings; the tool
    // options panels follow the tools' options.
    virtual void RefreshToolbox() = 0;
    virtual void RefreshToolboxToolOptions() = 0;
    virtual void RefreshToolOptions() = 0;
    // The colour of the toolbox's colour control; invalid without a toolbox.
    virtual QColor ToolboxColor() = 0;

    // Modal dialogs over the host's main window, each true once shown and
    // closed.
    virtual bool ShowNewLayer() = 0;
    virtual bool ShowLayerProperties(const QString& camera, int index) = 0;
    virtual bool ShowGhostingSettings() = 0;
    virtual bool ShowPreferences() = 0;
    virtual bool ShowAbout() = 0;

    // Asks "Reset user interface elements?"; on Yes the panels go and their
    // saved places are forgotten. True when reset.
    virtual bool ConfirmAndResetUI() = 0;
    // Asks which camera's layers go to the floating view; false when the
    // user cancels or picks nothing.
    virtual bool ChooseCamera(const QStringList& cameras, const QString& active, QString& chosen) = 0;

private:
    static InterfacePanels* installed;
};
