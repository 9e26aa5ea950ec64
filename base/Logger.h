#pragma once

#include <maya/MString.h>

#include <QString>

// Messages of the plug-in in the host's script editor, each prefixed with
// "[Nibline2] " so that users can tell them from the host's own.
class Logger
{
public:
    static void Info(const QString& text);
    static void Info(const MString& text);
    static void Info(const char* text);

    static void Warning(const QString& text);
    static void Warning(const MString& text);
    static void Warning(const char* text);

    static void Error(const QString& text);
    static void Error(const MString& text);
    static void Error(const char* text);

private:
    static MString Prefixed(const MString& text);
};
