#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QWidget>

class ColorPaletteDialog;
class LayerManagerDialog;
class RetimingDialog;
class ToolOptionsDialog;
class ToolboxDialog;

// The plug-in's panels. Each persistent panel exists once, from its first
// request until Shutdown or ResetUI, parented to the host's main window;
// modal dialogs are built for one run and destroyed when they close.
// Without a user interface (batch mode) no panel is ever made: the getters
// answer null and the modal dialogs report that they need one.
class DialogManager
{
public:
    static LayerManagerDialog* GetLayerMangerDialog();
    static ToolboxDialog* GetToolboxDialog();
    static ToolOptionsDialog* GetToolOptionsDialog();
    static ColorPaletteDialog* GetColorPaletteDialog();
    static RetimingDialog* GetRetimingDialog();
    // The panels only if they exist already.
    static ToolboxDialog* ExistingToolboxDialog();
    static ToolOptionsDialog* ExistingToolOptionsDialog();
    // Shows the panel when hidden, else brings it to the front; false when
    // it cannot be made.
    static bool ShowLayerManagerDialog();
    static bool ShowPanel(QWidget* panel);

    // Modal dialogs over `parent`, the host's main window when null. Each
    // answers false when it could not be shown.
    static bool ShowNewLayerDialog(QWidget* parent = nullptr);
    static bool ShowLayerPropertiesDialog(const QString& camera, int index, QWidget* parent = nullptr);
    static bool ShowGhostingDialog(QWidget* parent = nullptr);
    // Accepted, the options are applied and written to the settings file;
    // otherwise the timeline colour in force before comes back.
    static bool ShowPreferencesDialog(QWidget* parent = nullptr);
    static bool ShowAboutDialog(QWidget* parent = nullptr);

    // At quit and unload: every panel saves its geometry into the settings
    // and goes.
    static void Shutdown();
    // After the user's confirmation: every panel goes and the saved
    // geometries are forgotten, so panels reopen at default places.
    static void ResetUI();

    static QWidget* MainWindow();
    static bool InterfaceAvailable();

private:
    // The persistent panels in the order Shutdown and ResetUI visit them.
    enum Slot
    {
        SLOT_LAYER_MANAGER,
        SLOT_TOOLBOX,
        SLOT_TOOL_OPTIONS,
        SLOT_COLOR_PALETTE,
        SLOT_RETIMING,
        SLOT_COUNT
    };
    // The panel of a slot, made on first request by `create` with the main
    // window as parent; null without a user interface.
    template <typename Panel, typename Create>
    static Panel* GetPanel(Slot slot, Create create)
    {
        if (!panels[slot]) {
            if (!InterfaceAvailable())
                return nullptr;
            panels[slot] = create(MainWindow());
        }
        return static_cast<Panel*>(panels[slot].data());
    }
    // The parent of a modal dialog (the main window when null); null after
    // an error without a user interface.
    static QWidget* ModalParent(QWidget* parent, const char* dialog);
    static QByteArray& GeometrySetting(Slot slot);
    static void Release(Slot slot, bool saveGeometry);

    static QPointer<QWidget> panels[SLOT_COUNT];
};
