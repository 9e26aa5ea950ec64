#include "ui/LayerItem.h"

#include "base/MayaUtil.h"
#include "ui/DialogManager.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

namespace {

const QString VISIBLE_TEXT = QStringLiteral("V");

QString StateText(LayerState state)
{
    switch (state) {
    case LAYER_STATE_STATIC:
        return QStringLiteral("S");
    case LAYER_STATE_LOCKED:
        return QStringLiteral("L");
    default:
        return QString();
    }
}

} // namespace

LayerItem::LayerItem(const QString& camera, int index, const QString& name, bool visible,
                     LayerState state, QWidget* parent)
    : QWidget(parent), camera(camera), index(index)
{
    visibilityButton = MakeButton();
    stateButton = MakeButton();
    nameLabel = new QLabel(name, this);
    QHBoxLayout* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(5);
    layout->addWidget(visibilityButton);
    layout->addWidget(stateButton);
    layout->addWidget(nameLabel, 1);
    SetVisible(visible);
    SetLayerState(state);
    setAutoFillBackground(true);
    ApplyPalette();
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, SIGNAL(customContextMenuRequested(QPoint)), this, SLOT(ShowContextMenu(QPoint)));
    connect(visibilityButton, SIGNAL(clicked()), this, SLOT(OnVisibilityBtnClicked()));
    connect(stateButton, SIGNAL(clicked()), this, SLOT(OnStateBtnClicked()));
}

// Plain tool buttons: a row is made for every layer of every camera, and
// a style sheet per button would make opening a large document slow.
QToolButton* LayerItem::MakeButton()
{
    QToolButton* button = new QToolButton(this);
    button->setFixedSize(20, 14);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void LayerItem::SetLayerName(const QString& name)
{
    if (nameLabel->text() != name)
        nameLabel->setText(name);
}

QString LayerItem::GetLayerName() const
{
    return nameLabel->text();
}

void LayerItem::SetActive(bool value)
{
    if (value == active)
        return;
    active = value;
    ApplyPalette();
}

void LayerItem::SetVisible(bool visible)
{
    const QString text = visible ? VISIBLE_TEXT : QString();
    if (visibilityButton->text() != text)
        visibilityButton->setText(text);
}

bool LayerItem::IsVisible() const
{
    return visibilityButton->text() == VISIBLE_TEXT;
}

void LayerItem::SetLayerState(LayerState state)
{
    const QString text = StateText(state);
    if (stateButton->text() != text)
        stateButton->setText(text);
}

LayerState LayerItem::GetLayerState() const
{
    for (LayerState state : {LAYER_STATE_STATIC, LAYER_STATE_LOCKED})
        if (stateButton->text() == StateText(state))
            return state;
    return LAYER_STATE_ANIM;
}

LayerState LayerItem::NextState(LayerState state)
{
    switch (state) {
    case LAYER_STATE_ANIM:
        return LAYER_STATE_STATIC;
    case LAYER_STATE_STATIC:
        return LAYER_STATE_LOCKED;
    default:
        return LAYER_STATE_ANIM;
    }
}

// The row takes the host window's colours: mid normally, the selection
// colours while it is the active layer.
void LayerItem::ApplyPalette()
{
    const QWidget* host = DialogManager::MainWindow();
    QPalette colors = host ? host->palette() : QApplication::palette();
    const QColor fill = active ? colors.color(QPalette::Highlight) : colors.color(QPalette::Mid);
    colors.setColor(QPalette::Button, fill);
    colors.setColor(QPalette::Window, fill);
    if (active) {
        colors.setColor(QPalette::WindowText, colors.color(QPalette::HighlightedText));
        colors.setColor(QPalette::ButtonText, colors.color(QPalette::HighlightedText));
    }
    setPalette(colors);
}

void LayerItem::OnVisibilityBtnClicked()
{
    MayaUtil::SetLayerVisible(camera, index, !IsVisible());
}

void LayerItem::OnStateBtnClicked()
{
    MayaUtil::SetLayerState(camera, index, NextState(GetLayerState()));
}

QMenu* LayerItem::CameraMenu(const QString& title, const QString& camera, QWidget* parent)
{
    QStringList cameras;
    MayaUtil::GetCameras(cameras);
    cameras.removeAll(camera);
    QMenu* menu = new QMenu(title, parent);
    for (const QString& other : cameras)
        menu->addAction(other)->setData(other);
    return menu;
}

// The menu is not run in a nested event loop: the panel may be refilled
// while it is open, and the actions know their row by camera and index.
void LayerItem::ShowContextMenu(const QPoint& point)
{
    QMenu* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("%1...").arg(nameLabel->text()), this, SLOT(ShowLayerPropertiesDialog()));
    menu->addSeparator();
    QMenu* cameras = CameraMenu(QStringLiteral("Move layer to         "), camera, menu);
    connect(cameras, SIGNAL(triggered(QAction*)), this, SLOT(SwitchCamera(QAction*)));
    menu->addMenu(cameras);
    menu->popup(mapToGlobal(point));
}

void LayerItem::SwitchCamera(QAction* chosen)
{
    MayaUtil::MoveLayer(camera, index, chosen->data().toString(), -1);
}

void LayerItem::ShowLayerPropertiesDialog()
{
    QWidget* panel = window();
    DialogManager::ShowLayerPropertiesDialog(camera, index, panel != this ? panel : nullptr);
}

// Pressing the active row again only enters the draw tool: asking to make
// the active layer active is refused by the layer command as an error.
void LayerItem::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (!active)
        MayaUtil::SetActiveLayer(camera, index);
    MayaUtil::Draw();
}

void LayerItem::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    ShowLayerPropertiesDialog();
}
