#pragma once

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QString>

// A flat, label-based button for the plug-in's panels: an image scaled into
// the button less an inset, or a plain colour swatch when it has no image.
// While the pointer is over it the image is recoloured with the tint colour
// (or the highlight colour when there is no tint); while it is held down
// its background darkens. clicked() follows a left release inside it.
class FlatButton : public QLabel
{
    Q_OBJECT

public:
    explicit FlatButton(QWidget* parent = nullptr);
    FlatButton(const QString& imagePath, const QString& toolTip, int inset, QWidget* parent = nullptr);

    void SetImage(const QString& path);
    void SetImage(const QImage& image);
    QImage GetImage() const { return image; }
    void SetInset(int value);
    int GetInset() const { return inset; }

    // A tint recolours the whole image; an invalid colour removes it.
    void SetTintColor(const QColor& color);
    QColor GetTintColor() const { return tintColor; }
    void SetHighlightColor(const QColor& color);
    QColor GetHighlightColor() const { return highlightColor; }

    void SetBackgroundColor(const QColor& color);
    QColor GetBackgroundColor() const { return backgroundColor; }
    void SetBorderWidth(int width);

    void SetMouseOverEnabled(bool enabled);
    void SetButtonDownEnabled(bool enabled);
    bool IsMouseOver() const { return mouseOver; }

signals:
    void clicked();
    void pressed();
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateStyle();
    void UpdatePixmap();
    static QImage Recoloured(const QImage& source, const QColor& color);

    QImage image;
    int inset = 0;
    QColor tintColor;
    QColor highlightColor = QColor(255, 255, 255);
    QColor backgroundColor;
    int borderWidth = 0;
    bool mouseOverEnabled = true;
    bool buttonDownEnabled = true;
    bool mouseOver = false;
    bool buttonDown = false;
};
