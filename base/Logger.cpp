#include "base/Logger.h"

#include <maya/MGlobal.h>
#include <maya/MQtUtil.h>

namespace {
// A null pointer logs the bare prefix rather than crashing.
MString FromChars(const char* text)
{
    return MString(text ? text : "");
}
} // namespace

MString Logger::Prefixed(const MString& text)
{
    // Built on first use: other modules may log during their static set-up.
    static const MString prefix("[Nibline2] ");
    return prefix + text;
}

void Logger::Info(const MString& text)
{
    MGlobal::displayInfo(Prefixed(text));
}

void Logger::Info(const QString& text)
{
    Info(MQtUtil::toMString(text));
}

void Logger::Info(const char* text)
{
    Info(FromChars(text));
}

void Logger::Warning(const MString& text)
{
    MGlobal::displayWarning(Prefixed(text));
}

void Logger::Warning(const QString& text)
{
    Warning(MQtUtil::toMString(text));
}

void Logger::Warning(const char* text)
{
    Warning(FromChars(text));
}

void Logger::Error(const MString& text)
{
    MGlobal::displayError(Prefixed(text));
}

void Logger::Error(const QString& text)
{
    Error(MQtUtil::toMString(text));
}

void Logger::Error(const char* text)
{
    Error(FromChars(text));
}
