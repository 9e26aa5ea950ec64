#pragma once

#include <QByteArray>
#include <QDialog>

// Base of the plug-in's persistent panels (toolbox, tool options, layer
// manager, colour palette, retiming): a tool window over the host's main
// window that reopens where the user left it. Its geometry is restored
// from its settings value when it is built and whenever it is shown, and
// saved there when it is closed or hidden. A panel without a settings
// value (a popup) keeps no geometry.
class PersistentPanel : public QDialog
{
    Q_OBJECT

public:
    // `geometry` is the panel's settings value, which outlives the panel,
    // or null.
    PersistentPanel(QByteArray* geometry, QWidget* parent, Qt::WindowFlags flags = Qt::Tool);

    void SaveGeometry();
    void RestoreGeometry();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QByteArray* geometrySetting;
};
