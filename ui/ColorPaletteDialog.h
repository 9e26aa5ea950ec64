#pragma once

#include "ui/PersistentPanel.h"

#include <QList>
#include <QPoint>

class FlatButton;

// Sixteen colour swatches for the draw colour, taken from the custom
// colours of the toolkit's colour chooser, so that customising them there
// changes the palette for as long as the host runs.
class ColorPaletteDialog : public PersistentPanel
{
    Q_OBJECT

public:
    static const int SWATCH_COUNT = 16;

    explicit ColorPaletteDialog(QWidget* parent);

    QList<FlatButton*> GetSwatches() const { return swatches; }

public slots:
    void OnColorSelected();
    void CustomizeColors();
    void RefreshColors();
    void ShowContextMenu(const QPoint& point);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QList<FlatButton*> swatches;
};
