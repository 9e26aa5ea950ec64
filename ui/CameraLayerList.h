#pragma once

#include "model/LayerState.h"

#include <QList>
#include <QString>
#include <QWidget>

class LayerItem;
class QAction;
class QLabel;
class QVBoxLayout;

// The Layer Manager's section for one camera: a bold header and one row per
// layer, the highest index on top, as the layers are drawn.
class CameraLayerList : public QWidget
{
    Q_OBJECT

public:
    // What a row shows.
    struct Row
    {
        QString name;
        bool visible;
        LayerState state;
    };

    explicit CameraLayerList(const QString& camera, QWidget* parent = nullptr);

    void SetCameraName(const QString& camera);
    QString GetCameraName() const { return camera; }
    QLabel* Header() const { return header; }

    // A new row on top; its index is the number of rows before it.
    void AppendLayer(const QString& name, bool visible, LayerState state);
    // Shows exactly these rows (index order), keeping the row widgets that
    // are already there, so a refill neither flickers nor moves the view.
    void SetRows(const QList<Row>& rows);
    int LayerCount() const { return items.size(); }
    LayerItem* GetLayerItem(int index) const;
    void SetActive(int index, bool active);
    void SetVisible(int index, bool visible);
    void SetLayerState(int index, LayerState state);

public slots:
    void ShowHeaderContextMenu(const QPoint& point);
    void MoveAllLayers(QAction* chosen);

private:
    void RemoveTopRow();

    QString camera;
    QLabel* header;
    QVBoxLayout* rowLayout;
    // By layer index; the layout holds them in reverse.
    QList<LayerItem*> items;
};
