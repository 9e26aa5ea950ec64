#pragma once
// Base of the command that makes a plug-in's tool contexts. Running the
// command's name makes a context (makeObj) and answers its name; with -e
// or -q and a context name, the host calls doEditFlags or doQueryFlags of
// the command object that made that context, with the parser holding the
// new arguments.

#include <maya/MTypes.h>
#include <maya/MArgParser.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>

class MDoubleArray;
class MIntArray;
class MPxContext;
class MStringArray;

namespace nbhost {
class ContextRegistry;
}

class OPENMAYAUI_EXPORT MPxContextCommand
{
public:
    MPxContextCommand();
    virtual ~MPxContextCommand();

    virtual MStatus doEditFlags();
    virtual MStatus doQueryFlags();
    virtual MPxContext* makeObj();
    // Adds the command's own flags to syntax().
    virtual MStatus appendSyntax();

    MSyntax syntax() const;
    MArgParser parser() const;

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
    static void appendToResult(int val);
    static void appendToResult(double val);
    static void appendToResult(const MString& val);

private:
    friend class nbhost::ContextRegistry;
    MPxContextCommand(const MPxContextCommand&) = delete;
    MPxContextCommand& operator=(const MPxContextCommand&) = delete;

    MSyntax fSyntax;
    MArgParser fParser;
};
