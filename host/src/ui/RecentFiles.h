#pragma once

#include <QString>
#include <QStringList>

namespace nbhost {

// The scenes opened or saved most recently, newest first, kept in the
// GUI's settings file between runs.
class RecentFiles
{
public:
    static const int kMaxFiles = 10;

    explicit RecentFiles(QString settingsPath);

    QStringList files() const;
    // Puts the path first (once), dropping the oldest past the limit.
    void add(const QString& path);
    void clear();

private:
    void store(const QStringList& files) const;

    QString m_settingsPath;
};

} // namespace nbhost
