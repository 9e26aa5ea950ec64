#include "base/MayaUtil.h"

// Conversion, evaluation with typed results and the host environment.

#include "base/Logger.h"

#include <maya/MCommandResult.h>
#include <maya/MGlobal.h>
#include <maya/MQtUtil.h>

#include <QPointer>
#include <QWidget>

namespace {

// The time slider, kept so that a failed lookup still answers the last one.
// A guarded pointer, because the host may destroy the widget first.
QPointer<QWidget> cachedTimeControl;
template <typename T>
bool ExecuteTyped(const MString& command, MCommandResult::Type type, T& result, bool display,
                  bool undo)
{
    MCommandResult commandResult;
    if (!MGlobal::executeCommand(command, commandResult, display, undo))
        return false;
    if (commandResult.resultType() != type)
        return false;
    T value{};
    if (!commandResult.getResult(value))
        return false;
    result = value;
    return true;
}

} // namespace

// --- Conversion -------------------------------------------------------------

QString MayaUtil::ToQString(const MString& text)
{
    return MQtUtil::toQString(text);
}

MString MayaUtil::ToMString(const QString& text)
{
    return MQtUtil::toMString(text);
}

QString MayaUtil::Number(double value)
{
    return QString::number(value);
}

QString MayaUtil::QuoteString(const QString& text)
{
    return QLatin1Char('"') + EscapeString(text) + QLatin1Char('"');
}

QString MayaUtil::EscapeString(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': escaped += QLatin1String("\\\""); break;
        case '\\': escaped += QLatin1String("\\\\"); break;
        case '\n': escaped += QLatin1String("\\n"); break;
        case '\r': escaped += QLatin1String("\\r"); break;
        case '\t': escaped += QLatin1String("\\t"); break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

// --- Evaluation -------------------------------------------------------------

bool MayaUtil::ExecuteMel(const MString& command, bool display, bool undo)
{
    return MGlobal::executeCommand(command, display, undo) == MStatus::kSuccess;
}

bool MayaUtil::ExecuteMel(const QString& command, bool display, bool undo)
{
    return ExecuteMel(ToMString(command), display, undo);
}

bool MayaUtil::ExecuteMelIntResult(const MString& command, int& result, bool display, bool undo)
{
    return ExecuteTyped(command, MCommandResult::kInt, result, display, undo);
}

bool MayaUtil::ExecuteMelIntResult(const QString& command, int& result, bool display, bool undo)
{
    return ExecuteMelIntResult(ToMString(command), result, display, undo);
}

bool MayaUtil::ExecuteMelDoubleResult(const MString& command, double& result, bool display,
                                      bool undo)
{
    return ExecuteTyped(command, MCommandResult::kDouble, result, display, undo);
}

bool MayaUtil::ExecuteMelDoubleResult(const QString& command, double& result, bool display,
                                      bool undo)
{
    return ExecuteMelDoubleResult(ToMString(command), result, display, undo);
}

bool MayaUtil::ExecuteMelDoubleArrayResult(const MString& command, MDoubleArray& result,
                                           bool display, bool undo)
{
    return ExecuteTyped(command, MCommandResult::kDoubleArray, result, display, undo);
}

bool MayaUtil::ExecuteMelDoubleArrayResult(const QString& command, MDoubleArray& result,
                                           bool display, bool undo)
{
    return ExecuteMelDoubleArrayResult(ToMString(command), result, display, undo);
}

bool MayaUtil::ExecuteMelStringResult(const MString& command, MString& result, bool display,
                                      bool undo)
{
    return ExecuteTyped(command, MCommandResult::kString, result, display, undo);
}

bool MayaUtil::ExecuteMelStringResult(const QString& command, QString& result, bool display,
                                      bool undo)
{
    MString value;
    if (!ExecuteMelStringResult(ToMString(command), value, display, undo))
        return false;
    result = ToQString(value);
    return true;
}

// --- Environment ------------------------------------------------------------

bool MayaUtil::IsBatchMode()
{
    int batch = 0;
    return ExecuteMelIntResult(MString("about -batch"), batch) && batch != 0;
}

QString MayaUtil::GetMayaPrefsDirectory()
{
    QString directory;
    ExecuteMelStringResult(QStringLiteral("internalVar -userPrefDir"), directory);
    return directory;
}

bool MayaUtil::CachedPlaybackEnabled()
{
    int exists = 0;
    int enabled = 0;
    return ExecuteMelIntResult(MString("optionVar -exists cachedPlaybackEnable"), exists)
        && exists != 0
        && ExecuteMelIntResult(MString("optionVar -q cachedPlaybackEnable"), enabled)
        && enabled != 0;
}

QWidget* MayaUtil::GetTimeControlWidget()
{
    MString name;
    if (!ExecuteMelStringResult(MString("$tempVar = $gPlayBackSlider"), name)) {
        Logger::Error("Failed to get time control name");
        return cachedTimeControl;
    }
    if (name.length() == 0)
        return cachedTimeControl;
    cachedTimeControl = MQtUtil::findControl(name);
    return cachedTimeControl;
}
