#include "ui/NewLayerDialog.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "node/BaseNode.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>

NewLayerDialog::NewLayerDialog(QWidget* parent) : LayerFormDialog(QStringLiteral("New Layer"), parent)
{
    animButton = new QRadioButton(QStringLiteral("Anim"), this);
    staticButton = new QRadioButton(QStringLiteral("Static"), this);
    (Settings::defaultLayerState == LAYER_STATE_STATIC ? staticButton : animButton)->setChecked(true);
    QHBoxLayout* states = new QHBoxLayout();
    states->addWidget(animButton);
    states->addWidget(staticButton);
    states->addStretch();
    Form()->addRow(QStringLiteral("Layer State:"), states);
    Finish(SLOT(AddLayer()));
}

void NewLayerDialog::AddLayer()
{
    const int state = staticButton->isChecked() ? LAYER_STATE_STATIC : LAYER_STATE_ANIM;
    if (BaseNode::GetMaster())
        MayaUtil::AddLayer(GetCamera(), GetLayerName(), state);
    else
        MayaUtil::CreateNode(true, false, GetCamera(), GetLayerName(), state);
    MayaUtil::Draw();
    accept();
}
