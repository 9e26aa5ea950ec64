#include "ui/LayerManagerDialog.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/Layer.h"
#include "model/LayerListNotifier.h"
#include "model/LayerManager.h"
#include "node/BaseNode.h"
#include "ui/CameraList.h"
#include "ui/DialogManager.h"
#include "ui/FlatButton.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

LayerManagerDialog::LayerManagerDialog(QWidget* parent)
    : PersistentPanel(&Settings::layerManagerGeometry, parent)
{
    setWindowTitle(QStringLiteral("Layer Manager"));
    setMinimumSize(200, 180);
    cameraList = new CameraList(this);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addLayout(MakeTopRow());
    layout->addWidget(cameraList, 1);
    layout->addLayout(MakeBottomRow());

    refreshTimer.setSingleShot(true);
    refreshTimer.setInterval(0);
    connect(&refreshTimer, SIGNAL(timeout()), this, SLOT(Refresh()));
    LayerListNotifier* notifier = LayerListNotifier::Instance();
    connect(notifier, SIGNAL(LayersChanged(const LayerManager*)), this, SLOT(ScheduleRefresh()));
    connect(notifier, SIGNAL(LayersCleared()), this, SLOT(ScheduleRefresh()));
    Refresh();
}

FlatButton* LayerManagerDialog::MakeButton(const QString& image, const QString& toolTip, int inset,
                                           const char* slot)
{
    FlatButton* button = new FlatButton(this);
    button->setFixedSize(24, 24);
    button->SetMouseOverEnabled(false);
    button->SetButtonDownEnabled(false);
    button->setToolTip(toolTip);
    button->SetInset(inset);
    button->SetImage(image);
    connect(button, SIGNAL(clicked()), this, slot);
    return button;
}

QLayout* LayerManagerDialog::MakeTopRow()
{
    // An inset of 4 leaves the image 16 pixels wide; more would hide it.
    refreshButton = MakeButton(QStringLiteral(":/icons/refresh.png"), QStringLiteral("Refresh"), 4,
                               SLOT(RefreshUi()));
    QHBoxLayout* row = new QHBoxLayout();
    row->addStretch();
    row->addWidget(refreshButton);
    return row;
}

QLayout* LayerManagerDialog::MakeBottomRow()
{
    moveUpButton = MakeButton(QStringLiteral(":/icons/move_layer_up.png"), QStringLiteral("Move Up"), 0,
                              SLOT(MoveLayerUp()));
    moveDownButton = MakeButton(QStringLiteral(":/icons/move_layer_down.png"), QStringLiteral("Move Down"),
                                0, SLOT(MoveLayerDown()));
    newLayerButton = MakeButton(QStringLiteral(":/icons/new_layer.png"), QStringLiteral("New Layer"), 0,
                                SLOT(NewLayer()));
    deleteLayerButton = MakeButton(QStringLiteral(":/icons/delete_layer.png"), QStringLiteral("Delete Layer"),
                                   0, SLOT(DeleteLayer()));
    QHBoxLayout* row = new QHBoxLayout();
    row->setContentsMargins(0, 0, 6, 6);
    row->addWidget(moveUpButton);
    row->addWidget(moveDownButton);
    row->addStretch();
    row->addWidget(newLayerButton);
    row->addWidget(deleteLayerButton);
    return row;
}

void LayerManagerDialog::Clear()
{
    cameraList->Clear();
    activeCamera.clear();
    activeIndex = -1;
}

void LayerManagerDialog::AppendLayer(const QString& camera, const QString& name, bool visible,
                                     LayerState state)
{
    cameraList->AppendLayer(camera, name, visible, state);
}

void LayerManagerDialog::SetActive(const QString& camera, int index)
{
    cameraList->SetActive(activeCamera, activeIndex, false);
    activeCamera = camera;
    activeIndex = index;
    if (index >= 0 && !camera.isEmpty())
        cameraList->SetActive(camera, index, true);
}

int LayerManagerDialog::LayerCount(const QString& camera) const
{
    return cameraList->LayerCount(camera);
}

// Cameras in name order, each with its layers; a camera without layers has
// no section. The active row is the active layer of the active camera.
void LayerManagerDialog::ShowDocument(const LayerManager* manager)
{
    Watch(manager);
    if (!manager) {
        Clear();
        return;
    }
    QStringList cameras = manager->GetCameras();
    std::sort(cameras.begin(), cameras.end());
    const QString documentCamera = manager->GetActiveCamera();
    int documentIndex = -1;
    QList<CameraList::Section> sections;
    for (const QString& camera : cameras) {
        CameraList::Section section{camera, {}};
        for (int i = 0; i < manager->LayerCount(camera); ++i) {
            const Layer* layer = manager->GetLayer(camera, i);
            if (layer->IsActive() && camera == documentCamera)
                documentIndex = i;
            section.rows.append({layer->GetName(), layer->IsVisible(), layer->GetState()});
        }
        if (!section.rows.isEmpty())
            sections.append(section);
    }
    // The old highlight goes before its row may take another layer's place.
    SetActive(QString(), -1);
    cameraList->SetSections(sections);
    SetActive(documentCamera, documentIndex);
}

void LayerManagerDialog::Watch(const LayerManager* manager)
{
    if (manager == watched)
        return;
    if (watched)
        disconnect(watched, SIGNAL(destroyed()), this, SLOT(ScheduleRefresh()));
    watched = manager;
    if (manager)
        connect(manager, SIGNAL(destroyed()), this, SLOT(ScheduleRefresh()));
}

void LayerManagerDialog::CatchUp()
{
    if (refreshTimer.isActive())
        Refresh();
}

void LayerManagerDialog::Refresh()
{
    refreshTimer.stop();
    BaseNode* master = BaseNode::GetMaster();
    const std::shared_ptr<LayerManager> manager = master ? master->GetLayerManager() : nullptr;
    ShowDocument(manager.get());
}

void LayerManagerDialog::ScheduleRefresh()
{
    if (!refreshTimer.isActive())
        refreshTimer.start();
}

int LayerManagerDialog::GetVerticalScroll() const
{
    return cameraList->ScrollArea()->verticalScrollBar()->value();
}

void LayerManagerDialog::SetVerticalScroll(int value)
{
    cameraList->ScrollArea()->verticalScrollBar()->setValue(value);
}

int LayerManagerDialog::GetHorizontalScroll() const
{
    return cameraList->ScrollArea()->horizontalScrollBar()->value();
}

void LayerManagerDialog::SetHorizontalScroll(int value)
{
    cameraList->ScrollArea()->horizontalScrollBar()->setValue(value);
}

// Also without an active layer: the dialog is how an empty scene gets its
// drawing node and first layer.
void LayerManagerDialog::NewLayer()
{
    DialogManager::ShowNewLayerDialog(this);
}

void LayerManagerDialog::DeleteLayer()
{
    CatchUp();
    if (!activeCamera.isEmpty() && activeIndex >= 0)
        MayaUtil::RemoveLayer(activeCamera, activeIndex);
}

void LayerManagerDialog::MoveLayerUp()
{
    CatchUp();
    if (!activeCamera.isEmpty() && activeIndex >= 0 && activeIndex + 1 < LayerCount(activeCamera))
        MayaUtil::MoveLayer(activeCamera, activeIndex, activeIndex + 1);
}

void LayerManagerDialog::MoveLayerDown()
{
    CatchUp();
    if (!activeCamera.isEmpty() && activeIndex >= 1)
        MayaUtil::MoveLayer(activeCamera, activeIndex, activeIndex - 1);
}

void LayerManagerDialog::RefreshUi()
{
    MayaUtil::RefreshLayerManagerDialog();
}
