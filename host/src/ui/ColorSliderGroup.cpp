#include "ui/ColorSliderGroup.h"

#include "ui/GuiSession.h"

#include <QColorDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace nbhost {

namespace {
const int kSliderSteps = 1000;

void applyWidth(QWidget* column, int width)
{
    column->setVisible(width > 0);
    if (width > 0)
        column->setFixedWidth(width);
}
} // namespace

ColorSliderGroup::ColorSliderGroup(QWidget* parent) : QWidget(parent)
{
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_port = new QWidget(this);
    m_port->setObjectName(QStringLiteral("port"));
    m_port->setAutoFillBackground(true);
    m_port->setMinimumSize(24, 16);
    m_port->setCursor(Qt::PointingHandCursor);
    m_port->installEventFilter(this);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("slider"));
    m_slider->setRange(0, kSliderSteps);
    connect(m_slider, &QSlider::valueChanged, this, &ColorSliderGroup::sliderMoved);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_port);
    layout->addWidget(m_slider, 1);
    showColor();
}

QString ColorSliderGroup::label() const { return m_label->text(); }

void ColorSliderGroup::setLabel(const QString& label) { m_label->setText(label); }

void ColorSliderGroup::setColumnWidths(int label, int port, int slider)
{
    applyWidth(m_label, label);
    applyWidth(m_port, port);
    applyWidth(m_slider, slider);
}

void ColorSliderGroup::setRgb(double red, double green, double blue)
{
    m_rgb = {std::clamp(red, 0.0, 1.0), std::clamp(green, 0.0, 1.0), std::clamp(blue, 0.0, 1.0)};
    showColor();
}

void ColorSliderGroup::userSetRgb(double red, double green, double blue)
{
    setRgb(red, green, blue);
    if (!m_changeCommand.isEmpty())
        if (GuiSession* session = GuiSession::current())
            session->evaluate(m_changeCommand.toStdString(), false);
}

void ColorSliderGroup::showColor()
{
    const QColor color = QColor::fromRgbF(m_rgb[0], m_rgb[1], m_rgb[2]);
    QPalette palette = m_port->palette();
    palette.setColor(QPalette::Window, color);
    m_port->setPalette(palette);
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(qRound(color.valueF() * kSliderSteps));
}

// The slider sets the brightness and keeps hue and saturation.
void ColorSliderGroup::sliderMoved(int value)
{
    const QColor current = QColor::fromRgbF(m_rgb[0], m_rgb[1], m_rgb[2]);
    const QColor changed = QColor::fromHsvF(std::max(0.0, current.hsvHueF()), current.hsvSaturationF(),
                                            static_cast<double>(value) / kSliderSteps);
    userSetRgb(changed.redF(), changed.greenF(), changed.blueF());
}

void ColorSliderGroup::chooseColor()
{
    const QColor chosen = QColorDialog::getColor(QColor::fromRgbF(m_rgb[0], m_rgb[1], m_rgb[2]), this);
    if (chosen.isValid())
        userSetRgb(chosen.redF(), chosen.greenF(), chosen.blueF());
}

bool ColorSliderGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_port && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        chooseColor();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace nbhost
