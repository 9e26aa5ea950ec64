#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class DrawContext;
class QKeyEvent;
class QMouseEvent;
class QTabletEvent;
class QWidget;

// The draw tool's event filter on the host's main window, on the camera
// views the tool was used in and on the time slider: tablet pressure and
// the pen's eraser end, the B and M keys that turn a drag into a size or
// opacity adjustment, typed keys for a waiting text, and the draw tool's
// and the time slider's context menus. Right clicks with a modifier or with
// backslash held stay with the host.
class DrawContextInputHandler : public QObject
{
    Q_OBJECT

public:
    explicit DrawContextInputHandler(DrawContext* owner, QObject* parent = nullptr);
    ~DrawContextInputHandler() override;

    // The context whose text waits for keys; null when none waits.
    void SetDrawContext(DrawContext* context);
    DrawContext* TextContext() const { return textContext; }
    void SetEventFilterEnabled(bool enable);
    bool IsEventFilterEnabled() const { return enabled; }
    // Filters the active view's widget too, once.
    void UpdateActiveViewEventFilter();
    void ResetTabletSettings();
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool AdjustSizeEnabled() const { return sizeKeyHeld; }
    bool AdjustOpacityEnabled() const { return opacityKeyHeld; }
    QString MenuCamera() const { return menuCamera; }

    // Pen pressure as it is stored: eased toward full pressure above the
    // midpoint, very light touches dropped, light ones raised.
    static float MapTabletPressure(float pressure);

public slots:
    void ShowContextMenu();
    void ShowTimeControlContextMenu();
    void EndTextDraw();

    void SetActiveLayer();
    void TransformTool();
    void SetPencilTool();
    void SetBrushTool();
    void SetEraserTool();
    void SetTextTool();
    void SetLineTool();
    void SetArrowTool();
    void SetEllipseTool();
    void SetRectangleTool();
    void NewLayer();
    void LayerProperties();
    void InsertFrame();
    void DuplicateFrame();
    void DeleteFrame();
    void CutFrame();
    void CopyFrame();
    void PasteFrame();
    void ClearFrame();
    void StepForward();
    void StepBack();
    void ToggleGhostPrevious();
    void ToggleGhostNext();
    void GhostingSettings();
    void ShowToolbox();
    void ShowToolOptions();
    void ShowLayerManager();
    void ShowRetimingTool();
    void SetTimelineDisplayOn();
    void SetTimelineDisplaySelectionContext();
    void SetTimelineDisplayOff();
    void DeleteActiveLayer();
    void DeleteActiveCameraLayers();
    void ClearAll();

private:
    bool IsViewWidget(QObject* watched) const;
    bool ViewMouseEvent(QMouseEvent* event);
    void ViewTabletEvent(QTabletEvent* event);
    bool MainWindowKeyPress(QKeyEvent* event);
    bool MainWindowKeyRelease(QKeyEvent* event);
    bool TimeControlMousePress(QMouseEvent* event);
    void InstallOn(QWidget* widget, bool install);

    DrawContext* owner;
    bool enabled = false;
    QList<QPointer<QWidget>> viewWidgets;
    QString menuCamera;
    DrawContext* textContext = nullptr;
    bool menuSuppressed = false;
    bool sizeKeyHeld = false;
    bool opacityKeyHeld = false;
    QPointer<QWidget> timeControl;
    QPointer<QWidget> mainWindow;
};
