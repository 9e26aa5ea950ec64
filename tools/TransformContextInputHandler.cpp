#include "tools/TransformContextInputHandler.h"

#include "base/Settings.h"
#include "tools/DrawContextMenu.h"
#include "tools/TransformContext.h"

#include <maya/M3dView.h>
#include <maya/MQtUtil.h>

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

const char* const TransformContextInputHandler::MENU_NAME = "vxNbTransformContextMenu";

namespace {

QWidget* ActiveViewWidget()
{
    MStatus status;
    M3dView view = M3dView::active3dView(&status);
    return status ? view.widget() : nullptr;
}

QAction* AddItem(QMenu& menu, const char* label, QObject& receiver, const char* slot)
{
    QAction* action = menu.addAction(QString::fromLatin1(label));
    QObject::connect(action, SIGNAL(triggered()), &receiver, slot);
    return action;
}

} // namespace

TransformContextInputHandler::TransformContextInputHandler(QObject* parent) : QObject(parent) {}

TransformContextInputHandler::~TransformContextInputHandler()
{
    SetEventFilterEnabled(false);
}

void TransformContextInputHandler::SetTransformContext(TransformContext* owner)
{
    context = owner;
}

void TransformContextInputHandler::SetEventFilterEnabled(bool enable)
{
    if (enable) {
        menuSuppressed = false;
        mainWindow = MQtUtil::mainWindow();
        if (mainWindow)
            mainWindow->installEventFilter(this);
        viewWidgets.clear();
        enabled = true;
        UpdateActiveViewEventFilter();
        return;
    }
    if (mainWindow)
        mainWindow->removeEventFilter(this);
    for (const QPointer<QWidget>& widget : viewWidgets)
        if (widget)
            widget->removeEventFilter(this);
    viewWidgets.clear();
    enabled = false;
}

void TransformContextInputHandler::UpdateActiveViewEventFilter()
{
    QWidget* widget = ActiveViewWidget();
    if (!enabled || !widget || viewWidgets.contains(widget))
        return;
    widget->installEventFilter(this);
    viewWidgets.append(widget);
}

bool TransformContextInputHandler::IsViewWidget(QObject* watched) const
{
    for (const QPointer<QWidget>& widget : viewWidgets)
        if (widget == watched)
            return true;
    return false;
}

bool TransformContextInputHandler::eventFilter(QObject* watched, QEvent* event)
{
    if (!enabled)
        return false;
    if (event->type() == QEvent::MouseButtonPress && IsViewWidget(watched))
        return ViewMousePress(static_cast<QMouseEvent*>(event));
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (watched == mainWindow && key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backslash)
        menuSuppressed = event->type() == QEvent::KeyPress;
    return false;
}

bool TransformContextInputHandler::ViewMousePress(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton || event->modifiers() != Qt::NoModifier
        || !Settings::transformToolContextMenu || menuSuppressed)
        return false;
    ShowContextMenu(event->localPos().toPoint());
    return true;
}

// --- Menu ---------------------------------------------------------------------

void TransformContextInputHandler::ShowContextMenu(const QPoint& position)
{
    menuPosition = position;
    DrawContextMenu::PopUp(BuildContextMenu());
}

QMenu* TransformContextInputHandler::BuildContextMenu()
{
    auto* menu = new QMenu();
    menu->setObjectName(QString::fromLatin1(MENU_NAME));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (!context || context->GetStage() == TransformContext::STAGE_SELECT)
        AddSelectItems(*menu);
    else
        AddTransformItems(*menu);
    AddItem(*menu, "Cancel", *this, SLOT(Cancel()));
    return menu;
}

void TransformContextInputHandler::AddSelectItems(QMenu& menu)
{
    AddItem(menu, "Transform", *this, SLOT(Transform()));
    AddItem(menu, "Transform Copy", *this, SLOT(TransformCopy()));
    menu.addSeparator();
    AddItem(menu, "Cut", *this, SLOT(Cut()));
    AddItem(menu, "Copy", *this, SLOT(Copy()));
    const bool pasteAvailable = context && context->PasteAvailable();
    AddItem(menu, "Paste", *this, SLOT(Paste()))->setEnabled(pasteAvailable);
    AddItem(menu, "Paste and Transform", *this, SLOT(PasteAndTransform()))->setEnabled(pasteAvailable);
    menu.addSeparator();
}

void TransformContextInputHandler::AddTransformItems(QMenu& menu)
{
    AddItem(menu, "Apply Transform", *this, SLOT(Apply()));
    AddItem(menu, "Revert Transform", *this, SLOT(Revert()));
    menu.addSeparator();
    AddItem(menu, "Flip Horizontal", *this, SLOT(FlipHorizontal()));
    AddItem(menu, "Flip Vertical", *this, SLOT(FlipVertical()));
    menu.addSeparator();
}

// Every slot does nothing once the tool is gone.
void TransformContextInputHandler::Transform() { if (context) context->Transform(false); }
void TransformContextInputHandler::TransformCopy() { if (context) context->Transform(true); }
void TransformContextInputHandler::FlipHorizontal() { if (context) context->FlipHorizontal(); }
void TransformContextInputHandler::FlipVertical() { if (context) context->FlipVertical(); }
void TransformContextInputHandler::Cut() { if (context) context->Cut(); }
void TransformContextInputHandler::Copy() { if (context) context->Copy(false); }
void TransformContextInputHandler::Paste() { if (context) context->Paste(false, menuPosition); }
void TransformContextInputHandler::PasteAndTransform() { if (context) context->Paste(true, menuPosition); }
void TransformContextInputHandler::Apply() { if (context) context->completeAction(); }
void TransformContextInputHandler::Revert() { if (context) context->deleteAction(); }
void TransformContextInputHandler::Cancel() { if (context) context->abortAction(); }
