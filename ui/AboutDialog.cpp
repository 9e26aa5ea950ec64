#include "ui/AboutDialog.h"

#include "base/MayaUtil.h"
#include "base/Settings.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About %1").arg(Settings::APPLICATION_TITLE));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* title = new QLabel(QStringLiteral("<b><big>%1</big></b>").arg(Settings::APPLICATION_TITLE.toHtmlEscaped()));
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(VersionText());
    version->setAlignment(Qt::AlignCenter);
    version->setObjectName(QStringLiteral("version"));
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setDefault(true);
    connect(close, SIGNAL(clicked()), this, SLOT(accept()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 12);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(close, 0, Qt::AlignCenter);
    setFixedSize(sizeHint().expandedTo(QSize(240, 0)));
}

QString AboutDialog::VersionText()
{
    int loaded = 0;
    QString version;
    if (!MayaUtil::ExecuteMelIntResult(QStringLiteral("pluginInfo -q -loaded nibline2"), loaded) || !loaded
        || !MayaUtil::ExecuteMelStringResult(QStringLiteral("pluginInfo -q -version nibline2"), version)
        || version.isEmpty())
        version = Settings::VERSION_STRING;
    return QStringLiteral("Version %1").arg(version);
}
