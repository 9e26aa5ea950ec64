#pragma once

#include "ui/CameraLayerList.h"

#include <QList>
#include <QString>
#include <QWidget>

class QScrollArea;
class QVBoxLayout;

// The scrolled list of the Layer Manager's camera sections, top to bottom
// in the order they were added.
class CameraList : public QWidget
{
    Q_OBJECT

public:
    // One camera's rows, in layer index order.
    struct Section
    {
        QString camera;
        QList<CameraLayerList::Row> rows;
    };

    explicit CameraList(QWidget* parent = nullptr);

    // Adds the row to the camera's section, made at the bottom when missing.
    void AppendLayer(const QString& camera, const QString& name, bool visible, LayerState state);
    // Shows exactly these sections, reusing the widgets already there.
    void SetSections(const QList<Section>& sections);
    CameraLayerList* GetCameraLayerList(const QString& camera) const;
    QList<CameraLayerList*> GetCameraLayerLists() const { return sections; }
    int LayerCount(const QString& camera) const;
    void SetActive(const QString& camera, int index, bool active);
    void SetVisible(const QString& camera, int index, bool visible);
    void SetLayerState(const QString& camera, int index, LayerState state);
    void Clear();

    QScrollArea* ScrollArea() const { return scrollArea; }

private:
    CameraLayerList* AddSection(const QString& camera);
    void RemoveLastSection();

    QScrollArea* scrollArea;
    QVBoxLayout* sectionLayout;
    QList<CameraLayerList*> sections;
};
