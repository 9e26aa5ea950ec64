#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QMenu;
class QMouseEvent;
class QWidget;
class TransformContext;

// The transform tool's event filter: a right click in a camera view the
// tool was used in opens the tool's menu (unless backslash is held on the
// main window, or the click has a modifier, which leaves it to the host).
// The menu offers the items of the tool's stage; each runs an operation of
// the context.
class TransformContextInputHandler : public QObject
{
    Q_OBJECT

public:
    explicit TransformContextInputHandler(QObject* parent = nullptr);
    ~TransformContextInputHandler() override;

    void SetTransformContext(TransformContext* context);
    void SetEventFilterEnabled(bool enable);
    // Filters the active view's widget too, once.
    void UpdateActiveViewEventFilter();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // position: where the click was, in the view widget's pixels.
    void ShowContextMenu(const QPoint& position);
    // A new menu for the context's stage; the caller owns it.
    QMenu* BuildContextMenu();
    QPoint MenuPosition() const { return menuPosition; }

    static const char* const MENU_NAME;

public slots:
    void Transform();
    void TransformCopy();
    void FlipHorizontal();
    void FlipVertical();
    void Cut();
    void Copy();
    void Paste();
    void PasteAndTransform();
    void Apply();
    void Revert();
    void Cancel();

private:
    bool IsViewWidget(QObject* watched) const;
    bool ViewMousePress(QMouseEvent* event);
    void AddSelectItems(QMenu& menu);
    void AddTransformItems(QMenu& menu);

    TransformContext* context = nullptr;
    bool enabled = false;
    QList<QPointer<QWidget>> viewWidgets;
    QPointer<QWidget> mainWindow;
    bool menuSuppressed = false;
    QPoint menuPosition;
};
