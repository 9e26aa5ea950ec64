// Feeds arbitrary bytes to the plug-in's reader of its settings file. Every
// input goes to the same file, in memory when the machine has a memory file
// system, stamped with a time of its own: the settings library caches a file
// until its size or time changes, and one cached file keeps the leak check
// that runs after inputs that allocate more than they free quiet.
#include "FuzzHost.h"

#include "base/Settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

QString Path()
{
    static const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static const QString path = base + QStringLiteral("/nbfuzz-settings.ini");
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    nbfuzz::StartHost();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static qint64 inputs = 0;
    QFile file(Path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    // Written out before the time is set: a write at close would stamp the
    // file with the present time again, and two inputs of one size written
    // in the same millisecond would look unchanged to the settings
    // library, which would then read the previous input from its cache.
    file.flush();
    file.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000 + ++inputs), QFileDevice::FileModificationTime);
    file.close();
    Settings::ReadUserConfig(Path());
    return 0;
}
