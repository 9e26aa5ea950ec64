#pragma once

#include "model/LayerState.h"

#include <QString>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QToolButton;

// One row of the Layer Manager: the visibility and state buttons and the
// layer's name. The row shows what the document says and issues a layer
// command for every change the user asks for; the document then refills
// the panel.
class LayerItem : public QWidget
{
    Q_OBJECT

public:
    LayerItem(const QString& camera, int index, const QString& name, bool visible, LayerState state,
              QWidget* parent = nullptr);

    void SetCameraName(const QString& camera) { this->camera = camera; }
    QString GetCameraName() const { return camera; }
    void SetIndex(int value) { index = value; }
    int GetIndex() const { return index; }
    void SetLayerName(const QString& name);
    QString GetLayerName() const;
    void SetActive(bool value);
    bool IsActive() const { return active; }
    // The buttons' texts are the row's record of what it shows: "V" or ""
    // for visibility, "", "S" or "L" for the state.
    void SetVisible(bool visible);
    bool IsVisible() const;
    void SetLayerState(LayerState state);
    LayerState GetLayerState() const;

    QToolButton* VisibilityButton() const { return visibilityButton; }
    QToolButton* StateButton() const { return stateButton; }
    QLabel* NameLabel() const { return nameLabel; }

    // The state a click on the state button asks for.
    static LayerState NextState(LayerState state);
    // The submenu that sends a layer or all layers of `camera` to another
    // camera: every other camera, each action carrying its name as data;
    // empty when the scene has no other camera.
    static QMenu* CameraMenu(const QString& title, const QString& camera, QWidget* parent);

public slots:
    void OnVisibilityBtnClicked();
    void OnStateBtnClicked();
    void ShowContextMenu(const QPoint& point);
    void SwitchCamera(QAction* chosen);
    void ShowLayerPropertiesDialog();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QToolButton* MakeButton();
    void ApplyPalette();

    QString camera;
    int index;
    bool active = false;
    QToolButton* visibilityButton;
    QToolButton* stateButton;
    QLabel* nameLabel;
};
