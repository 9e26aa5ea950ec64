#include "FakeFileCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

std::string FakeFileCommand::sceneName;
bool FakeFileCommand::modified = false;
bool FakeFileCommand::failSaves = false;
std::vector<std::string> FakeFileCommand::calls;

void FakeFileCommand::reset()
{
    sceneName.clear();
    modified = false;
    failSaves = false;
    calls.clear();
}

void* FakeFileCommand::creator() { return new FakeFileCommand; }

MSyntax FakeFileCommand::newSyntax()
{
    MSyntax syntax;
    for (const char* flag : {"-new", "-open", "-save", "-import", "-force", "-sceneName", "-modified"})
        syntax.addFlag("", flag);
    syntax.addFlag("", "-rename", MSyntax::kString);
    syntax.addFlag("", "-type", MSyntax::kString);
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    return syntax;
}

MStatus FakeFileCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (db.isQuery()) {
        if (db.isFlagSet("-sceneName"))
            setResult(sceneName.c_str());
        else
            setResult(modified);
        return MStatus::kSuccess;
    }
    MStringArray objects;
    db.getObjects(objects);
    std::string call;
    for (const char* flag : {"-new", "-open", "-save", "-import", "-rename", "-type"})
        if (db.isFlagSet(flag)) {
            call += std::string(call.empty() ? "" : " ") + flag;
            MString value;
            if (db.getFlagArgument(flag, 0, value))
                call += std::string(" ") + value.asChar();
        }
    if (objects.length())
        call += std::string(" ") + objects[0].asChar();
    calls.push_back(call);
    if (db.isFlagSet("-save") && failSaves) {
        displayError("file: cannot save");
        return MStatus::kFailure;
    }
    if (db.isFlagSet("-rename"))
        sceneName = db.flagArgumentString("-rename", 0).asChar();
    if (db.isFlagSet("-open"))
        sceneName = objects[0].asChar();
    if (db.isFlagSet("-new"))
        sceneName.clear();
    modified = false;
    return MStatus::kSuccess;
}
