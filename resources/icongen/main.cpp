// Draws the plug-in's toolbar icons and writes them, with the resource file
// that lists them, into the output folder given as the only argument.
#include "IconPainter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: nb_icongen <output folder>\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir + "/icons")) {
        std::fprintf(stderr, "nb_icongen: cannot create %s/icons\n", argv[1]);
        return 1;
    }

    QFile qrc(outDir + "/icons.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "nb_icongen: cannot write %s/icons.qrc\n", argv[1]);
        return 1;
    }
    QTextStream list(&qrc);
    list << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/icons\">\n";
    for (const QString& name : IconPainter::names()) {
        const QImage icon = IconPainter::paint(name, IconPainter::SIZE);
        const QString file = "icons/" + name + ".png";
        if (!icon.save(outDir + "/" + file, "PNG")) {
            std::fprintf(stderr, "nb_icongen: cannot write %s\n", qPrintable(file));
            return 1;
        }
        list << "        <file alias=\"" << name << ".png\">" << file << "</file>\n";
    }
    list << "    </qresource>\n</RCC>\n";
    return 0;
}
