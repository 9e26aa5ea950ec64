#include "ui/CameraLayerList.h"

#include "base/MayaUtil.h"
#include "ui/LayerItem.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

CameraLayerList::CameraLayerList(const QString& camera, QWidget* parent) : QWidget(parent)
{
    header = new QLabel(this);
    header->setFixedHeight(20);
    header->setAutoFillBackground(true);
    QPalette colors = header->palette();
    colors.setColor(QPalette::Window, colors.color(QPalette::Midlight));
    header->setPalette(colors);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, SIGNAL(customContextMenuRequested(QPoint)), this, SLOT(ShowHeaderContextMenu(QPoint)));

    rowLayout = new QVBoxLayout();
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(0);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addLayout(rowLayout);
    SetCameraName(camera);
}

void CameraLayerList::SetCameraName(const QString& value)
{
    if (value == camera && !header->text().isEmpty())
        return;
    camera = value;
    header->setText(QStringLiteral("<b>%1</b>").arg(camera.toHtmlEscaped()));
    for (LayerItem* item : items)
        item->SetCameraName(camera);
}

void CameraLayerList::AppendLayer(const QString& name, bool visible, LayerState state)
{
    LayerItem* item = new LayerItem(camera, items.size(), name, visible, state, this);
    rowLayout->insertWidget(0, item);
    items.append(item);
}

void CameraLayerList::RemoveTopRow()
{
    LayerItem* item = items.takeLast();
    rowLayout->removeWidget(item);
    // The row may be the one whose event is being handled.
    item->hide();
    item->deleteLater();
}

void CameraLayerList::SetRows(const QList<Row>& rows)
{
    while (items.size() > rows.size())
        RemoveTopRow();
    for (int i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        if (i == items.size()) {
            AppendLayer(row.name, row.visible, row.state);
            continue;
        }
        LayerItem* item = items[i];
        item->SetLayerName(row.name);
        item->SetVisible(row.visible);
        item->SetLayerState(row.state);
    }
}

LayerItem* CameraLayerList::GetLayerItem(int index) const
{
    return index >= 0 && index < items.size() ? items[index] : nullptr;
}

void CameraLayerList::SetActive(int index, bool active)
{
    if (LayerItem* item = GetLayerItem(index))
        item->SetActive(active);
}

void CameraLayerList::SetVisible(int index, bool visible)
{
    if (LayerItem* item = GetLayerItem(index))
        item->SetVisible(visible);
}

void CameraLayerList::SetLayerState(int index, LayerState state)
{
    if (LayerItem* item = GetLayerItem(index))
        item->SetLayerState(state);
}

void CameraLayerList::ShowHeaderContextMenu(const QPoint& point)
{
    QMenu* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QMenu* cameras = LayerItem::CameraMenu(QStringLiteral("Move all layers to         "), camera, menu);
    connect(cameras, SIGNAL(triggered(QAction*)), this, SLOT(MoveAllLayers(QAction*)));
    menu->addMenu(cameras);
    menu->popup(header->mapToGlobal(point));
}

void CameraLayerList::MoveAllLayers(QAction* chosen)
{
    MayaUtil::MoveAllLayers(camera, chosen->data().toString());
}
