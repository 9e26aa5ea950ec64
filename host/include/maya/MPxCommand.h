#pragma once
// Base of scripting commands.

#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <memory>

class MArgList;
class MDoubleArray;
class MIntArray;
class MStringArray;
class MSyntax;

namespace nbhost {
class CommandRunner;
}

class OPENMAYA_EXPORT MPxCommand
{
public:
    enum MResultType
    {
        kLong,
        kDouble,
        kString,
        kNoArg
    };

    MPxCommand();
    virtual ~MPxCommand();

    virtual MStatus doIt(const MArgList& args);
    virtual MStatus undoIt();
    virtual MStatus redoIt();
    // Checked after doIt: a command that answers true is kept on the undo
    // queue when its invocation had undo on.
    virtual bool isUndoable() const;
    virtual bool hasSyntax() const;

    MSyntax syntax() const;
    MStatus setUndoable(bool state);
    bool isHistoryOn() const;
    MStatus setHistoryOn(bool state);
    MString commandString() const;
    MStatus setCommandString(const MString& text);

    static void displayInfo(const MString& theInfo);
    static void displayWarning(const MString& theWarning, bool showLineNumber = false);
    static void displayError(const MString& theError, bool showLineNumber = false);

    // The result of the command being run.
    static void clearResult();
    static void setResult(unsigned int val);
    static void setResult(int val);
    static void setResult(double val);
    static void setResult(bool val);
    static void setResult(const char* val);
    static void setResult(const MString& val);
    static void setResult(const MIntArray& val);
    static void setResult(const MDoubleArray& val);
    static void setResult(const MStringArray& val);
    // Appending makes the result an array.
    static void appendToResult(int val);
    static void appendToResult(double val);
    static void appendToResult(bool val);
    static void appendToResult(const char* val);
    static void appendToResult(const MString& val);
    static void appendToResult(const MStringArray& val);

    static bool isCurrentResultArray();
    static MResultType currentResultType();
    static int currentIntResult(MStatus* ReturnStatus = nullptr);
    static double currentDoubleResult(MStatus* ReturnStatus = nullptr);
    static MString currentStringResult(MStatus* ReturnStatus = nullptr);
    static MStatus getCurrentResult(MIntArray& val);
    static MStatus getCurrentResult(MDoubleArray& val);
    static MStatus getCurrentResult(MStringArray& val);

private:
    friend class nbhost::CommandRunner;

    std::unique_ptr<MSyntax> m_syntax; // as parsed for the invocation running
    MString m_commandString;
    bool m_undoable = false;
    bool m_historyOn = true;
};
