#include "ui/LayerPropertiesDialog.h"

#include "base/MayaUtil.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

LayerPropertiesDialog::LayerPropertiesDialog(const QString& camera, int index, QWidget* parent)
    : LayerFormDialog(QStringLiteral("Layer Properties"), parent), camera(camera), index(index)
{
    visibleBox = new QCheckBox(this);
    Form()->addRow(QStringLiteral("Visible:"), visibleBox);
    QGroupBox* group = new QGroupBox(this);
    QVBoxLayout* states = new QVBoxLayout(group);
    states->setContentsMargins(2, 2, 2, 2);
    const char* const names[] = {"Anim", "Static", "Locked"};
    for (int state = 0; state < 3; ++state) {
        stateButtons[state] = new QRadioButton(QString::fromLatin1(names[state]), group);
        states->addWidget(stateButtons[state]);
    }
    stateButtons[LAYER_STATE_ANIM]->setChecked(true);
    Form()->addRow(QStringLiteral("State:"), group);
    Finish(SLOT(UpdateLayer()));
}

void LayerPropertiesDialog::SetLayerName(const QString& name)
{
    initialName = name;
    LayerFormDialog::SetLayerName(name);
}

void LayerPropertiesDialog::SetVisibility(bool visible)
{
    initialVisible = visible;
    visibleBox->setChecked(visible);
}

void LayerPropertiesDialog::SetLayerState(LayerState state)
{
    initialState = state;
    StateButton(state)->setChecked(true);
}

void LayerPropertiesDialog::SetCameras(const QStringList& cameras)
{
    LayerFormDialog::SetCameras(cameras, camera);
}

QRadioButton* LayerPropertiesDialog::StateButton(LayerState state) const
{
    return stateButtons[state >= LAYER_STATE_ANIM && state <= LAYER_STATE_LOCKED ? state : LAYER_STATE_ANIM];
}

LayerState LayerPropertiesDialog::CheckedState() const
{
    if (stateButtons[LAYER_STATE_STATIC]->isChecked())
        return LAYER_STATE_STATIC;
    if (stateButtons[LAYER_STATE_LOCKED]->isChecked())
        return LAYER_STATE_LOCKED;
    return LAYER_STATE_ANIM;
}

// The edits go first and the move last: they name the layer by its place
// on its own camera, which the move changes.
void LayerPropertiesDialog::UpdateLayer()
{
    const QString name = GetLayerName();
    if (!name.isEmpty() && name != initialName)
        MayaUtil::SetLayerName(camera, index, name);
    if (visibleBox->isChecked() != initialVisible)
        MayaUtil::SetLayerVisible(camera, index, visibleBox->isChecked());
    const LayerState state = CheckedState();
    if (state != initialState)
        MayaUtil::SetLayerState(camera, index, state);
    const QString newCamera = GetCamera();
    if (!newCamera.isEmpty() && newCamera != camera)
        MayaUtil::MoveLayer(camera, index, newCamera, -1);
    accept();
}
