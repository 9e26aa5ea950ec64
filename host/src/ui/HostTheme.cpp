#include "ui/HostTheme.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace nbhost {

void HostTheme::apply(QApplication& application)
{
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        application.setStyle(style);

    const QColor window(68, 68, 68);
    const QColor base(43, 43, 43);
    const QColor text(204, 204, 204);
    const QColor disabledText(120, 120, 120);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(58, 58, 58));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(93, 93, 93));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(82, 133, 166));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(110, 170, 220));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    application.setPalette(palette);
}

} // namespace nbhost
