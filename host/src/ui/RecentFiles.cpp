#include "ui/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace nbhost {

namespace {
const char* const kKey = "recentFiles/files";
}

RecentFiles::RecentFiles(QString settingsPath) : m_settingsPath(std::move(settingsPath)) {}

QStringList RecentFiles::files() const
{
    return QSettings(m_settingsPath, QSettings::IniFormat).value(QLatin1String(kKey)).toStringList();
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kMaxFiles)
        list.removeLast();
    store(list);
}

void RecentFiles::clear() { store(QStringList()); }

void RecentFiles::store(const QStringList& files) const
{
    QSettings settings(m_settingsPath, QSettings::IniFormat);
    settings.setValue(QLatin1String(kKey), files);
}

} // namespace nbhost
