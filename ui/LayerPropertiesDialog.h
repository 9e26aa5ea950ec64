#pragma once

#include "model/LayerState.h"
#include "ui/LayerFormDialog.h"

class QCheckBox;
class QRadioButton;

// Edits one layer's name, visibility, state and camera. OK issues a layer
// command for each of them the user changed, and nothing else.
class LayerPropertiesDialog : public LayerFormDialog
{
    Q_OBJECT

public:
    LayerPropertiesDialog(const QString& camera, int index, QWidget* parent = nullptr);

    // The layer as it is; what OK compares the form with.
    void SetLayerName(const QString& name);
    void SetVisibility(bool visible);
    void SetLayerState(LayerState state);
    void SetCameras(const QStringList& cameras);

    QCheckBox* VisibleBox() const { return visibleBox; }
    QRadioButton* StateButton(LayerState state) const;

public slots:
    void UpdateLayer();

private:
    LayerState CheckedState() const;

    QString camera;
    int index;
    QString initialName;
    bool initialVisible = true;
    LayerState initialState = LAYER_STATE_ANIM;
    QCheckBox* visibleBox;
    QRadioButton* stateButtons[3];
};
