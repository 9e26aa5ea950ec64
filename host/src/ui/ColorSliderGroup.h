#pragma once

#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QSlider;

namespace nbhost {

// The `colorSliderGrp` control: a label, a colour swatch (child "port")
// that opens a colour chooser when clicked, and a slider (child "slider")
// for the colour's brightness. The colour is kept as given (red, green,
// blue from 0 to 1); the change command runs when the user changes it.
class ColorSliderGroup : public QWidget
{
    Q_OBJECT

public:
    explicit ColorSliderGroup(QWidget* parent = nullptr);

    std::array<double, 3> rgb() const { return m_rgb; }
    // Values are kept within 0 to 1.
    void setRgb(double red, double green, double blue);
    QString label() const;
    void setLabel(const QString& label);
    QString changeCommand() const { return m_changeCommand; }
    void setChangeCommand(const QString& command) { m_changeCommand = command; }
    // Widths of the label, swatch and slider columns; 0 hides a column.
    void setColumnWidths(int label, int port, int slider);

    // What a user's change does: the new colour, then the change command.
    void userSetRgb(double red, double green, double blue);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showColor();
    void sliderMoved(int value);
    void chooseColor();

    std::array<double, 3> m_rgb{{0.0, 0.0, 0.0}};
    QString m_changeCommand;
    QLabel* m_label = nullptr;
    QWidget* m_port = nullptr;
    QSlider* m_slider = nullptr;
};

} // namespace nbhost
