#pragma once

#include "model/LayerState.h"
#include "ui/PersistentPanel.h"

#include <QPointer>
#include <QString>
#include <QTimer>

class CameraList;
class FlatButton;
class LayerManager;

// The Layer Manager panel: one section per camera, one row per layer, and
// the buttons that move, add and delete layers. It follows the master
// document: every change the document announces, and every refresh asked
// for, refills it once the current command is done, so a command that
// changes the layers several times shows only its result. Changes the user
// makes here are issued as layer commands, never made to the document.
class LayerManagerDialog : public PersistentPanel
{
    Q_OBJECT

public:
    explicit LayerManagerDialog(QWidget* parent = nullptr);

    void Clear();
    void AppendLayer(const QString& camera, const QString& name, bool visible, LayerState state);
    // Remembers the active layer and highlights its row, and only its row.
    void SetActive(const QString& camera, int index);
    QString GetActiveCamera() const { return activeCamera; }
    int GetActiveIndex() const { return activeIndex; }
    int LayerCount(const QString& camera) const;

    // Shows the document now; an empty panel without one.
    void ShowDocument(const LayerManager* manager);

    int GetVerticalScroll() const;
    void SetVerticalScroll(int value);
    int GetHorizontalScroll() const;
    void SetHorizontalScroll(int value);

    CameraList* GetCameraList() const { return cameraList; }
    FlatButton* MoveUpButton() const { return moveUpButton; }
    FlatButton* MoveDownButton() const { return moveDownButton; }
    FlatButton* NewLayerButton() const { return newLayerButton; }
    FlatButton* DeleteLayerButton() const { return deleteLayerButton; }
    FlatButton* RefreshButton() const { return refreshButton; }

public slots:
    // Shows the master document now.
    void Refresh();
    // Shows the master document once the current command is done.
    void ScheduleRefresh();
    void NewLayer();
    void DeleteLayer();
    void MoveLayerUp();
    void MoveLayerDown();
    void RefreshUi();

private:
    FlatButton* MakeButton(const QString& image, const QString& toolTip, int inset, const char* slot);
    QLayout* MakeTopRow();
    QLayout* MakeBottomRow();
    // The buttons act on the active layer as the document has it now, even
    // when the panel has not caught up with the last command yet.
    void CatchUp();
    void Watch(const LayerManager* manager);

    CameraList* cameraList;
    FlatButton* moveUpButton;
    FlatButton* moveDownButton;
    FlatButton* newLayerButton;
    FlatButton* deleteLayerButton;
    FlatButton* refreshButton;
    QString activeCamera;
    int activeIndex = -1;
    QTimer refreshTimer;
    // The document shown; when it goes (a new scene, the node deleted) the
    // panel looks for the master again.
    QPointer<const LayerManager> watched;
};
