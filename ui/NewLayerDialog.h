#pragma once

#include "ui/LayerFormDialog.h"

class QRadioButton;

// Asks for a new layer's name, camera and state, then issues the layer
// command that adds it, or, in a scene without a drawing node, the node
// command that makes the node with this layer.
class NewLayerDialog : public LayerFormDialog
{
    Q_OBJECT

public:
    explicit NewLayerDialog(QWidget* parent = nullptr);

    QRadioButton* AnimButton() const { return animButton; }
    QRadioButton* StaticButton() const { return staticButton; }

public slots:
    void AddLayer();

private:
    QRadioButton* animButton;
    QRadioButton* staticButton;
};
