#include "ui/FlatButton.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

FlatButton::FlatButton(QWidget* parent) : QLabel(parent)
{
    setFixedSize(30, 30);
    setAlignment(Qt::AlignCenter);
    backgroundColor = palette().color(QPalette::Window);
    UpdateStyle();
}

FlatButton::FlatButton(const QString& imagePath, const QString& toolTip, int inset, QWidget* parent)
    : FlatButton(parent)
{
    setToolTip(toolTip);
    this->inset = inset;
    SetImage(imagePath);
}

void FlatButton::SetImage(const QString& path)
{
    SetImage(QImage(path));
}

void FlatButton::SetImage(const QImage& value)
{
    image = value.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    UpdatePixmap();
}

void FlatButton::SetInset(int value)
{
    inset = qMax(0, value);
    UpdatePixmap();
}

void FlatButton::SetTintColor(const QColor& color)
{
    tintColor = color;
    UpdatePixmap();
}

void FlatButton::SetHighlightColor(const QColor& color)
{
    highlightColor = color;
    UpdatePixmap();
}

void FlatButton::SetBackgroundColor(const QColor& color)
{
    backgroundColor = color;
    UpdateStyle();
}

void FlatButton::SetBorderWidth(int width)
{
    borderWidth = qMax(0, width);
    UpdateStyle();
}

void FlatButton::SetMouseOverEnabled(bool enabled)
{
    mouseOverEnabled = enabled;
    UpdatePixmap();
}

void FlatButton::SetButtonDownEnabled(bool enabled)
{
    buttonDownEnabled = enabled;
    UpdateStyle();
}

void FlatButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    buttonDown = true;
    UpdateStyle();
    emit pressed();
}

void FlatButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !buttonDown) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    buttonDown = false;
    UpdateStyle();
    emit released();
    if (rect().contains(event->pos()))
        emit clicked();
}

void FlatButton::enterEvent(QEvent* event)
{
    mouseOver = true;
    UpdatePixmap();
    QLabel::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event)
{
    mouseOver = false;
    UpdatePixmap();
    QLabel::leaveEvent(event);
}

void FlatButton::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    UpdatePixmap();
}

// The border takes the palette's background so that a row of buttons reads
// as separate squares.
void FlatButton::UpdateStyle()
{
    QColor fill = backgroundColor;
    if (buttonDown && buttonDownEnabled)
        fill = fill.darker(130);
    const QString sheet = QStringLiteral("QLabel { background-color : %1; border-radius: 0; border-width: %2; "
                                         "border-color: %3; border-style: solid }")
                              .arg(fill.name(QColor::HexArgb), QString::number(borderWidth),
                                   palette().color(QPalette::Window).name(QColor::HexArgb));
    setStyleSheet(sheet);
}

void FlatButton::UpdatePixmap()
{
    if (image.isNull()) {
        clear();
        return;
    }
    const QSize room = size() - QSize(2 * inset, 2 * inset);
    if (room.width() <= 0 || room.height() <= 0) {
        clear();
        return;
    }
    QImage shown = image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mouseOver && mouseOverEnabled)
        shown = Recoloured(shown, tintColor.isValid() ? tintColor : highlightColor);
    else if (tintColor.isValid())
        shown = Recoloured(shown, tintColor);
    setPixmap(QPixmap::fromImage(shown));
}

QImage FlatButton::Recoloured(const QImage& source, const QColor& color)
{
    QImage result = source;
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(result.rect(), color);
    return result;
}
