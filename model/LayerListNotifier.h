#pragma once

#include <QObject>

class LayerManager;

// Tells the interface that the master document's cameras, layers or active
// layer changed, or that the document went away. The layer panel connects
// to it and reads the document again; the model never calls a panel.
class LayerListNotifier : public QObject
{
    Q_OBJECT

public:
    static LayerListNotifier* Instance();

signals:
    void LayersChanged(const LayerManager* manager);
    void LayersCleared();

private:
    LayerListNotifier() = default;
};
