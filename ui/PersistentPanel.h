#pragma once

#include <QByteArray>
#include <QDialog>

// Base of the plug-in's persistent panels (toolbox, tool options, layer
// manager, colour palette, retiming): a tool window over the host's main
// window that reopens where the user left it. Its geometry is restored
// from its settings value when it is built and whenever it is shown, and
// saved there when it is closed or hidden.
class PersistentPanel : public QDialog
{
    Q_OBJECT

public:
    // `geometry` is the panel's settings value; it outlives the panel.
    PersistentPanel(QByteArray& geometry, QWidget* parent);

    void SaveGeometry();
    void RestoreGeometry();
    // Shows a hidden panel; brings a shown one to the front.
    void ShowOrRaise();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QByteArray& geometrySetting;
};
