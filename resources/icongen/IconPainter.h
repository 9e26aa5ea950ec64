#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The plug-in's icons, drawn with vector shapes on a 24-unit grid so they
// stay crisp at 24 and 38 pixels.
class IconPainter
{
public:
    static const int SIZE = 38;

    static QStringList names();
    // A transparent square image of the given size; an unknown name gives a
    // null image.
    static QImage paint(const QString& name, int size);
};
