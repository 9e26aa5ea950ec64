#include "files/FileCommand.h"

#include "files/SceneFiles.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

namespace nbhost {

void* FileCommand::creator() { return new FileCommand; }

MSyntax FileCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-new", "-newFile");
    syntax.addFlag("-o", "-open");
    syntax.addFlag("-i", "-import");
    syntax.addFlag("-r", "-reference");
    syntax.addFlag("-s", "-save");
    syntax.addFlag("-rn", "-rename", MSyntax::kString);
    syntax.addFlag("-typ", "-type", MSyntax::kString);
    syntax.addFlag("-f", "-force");
    syntax.addFlag("-sn", "-sceneName");
    syntax.addFlag("-mf", "-modified");
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    return syntax;
}

// The host has no prompt for unsaved changes, so -open and -new go ahead
// with or without -force; interfaces ask -q -modified first.
MStatus FileCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (db.isQuery())
        return query(db);
    SceneFiles& files = SceneFiles::instance();
    std::optional<SceneFormat::Kind> type;
    MString typeName;
    if (db.getFlagArgument("-type", 0, typeName)) {
        SceneFormat::Kind kind;
        if (!SceneFormat::fromName(typeName.asChar(), kind)) {
            displayError("file: unknown file type \"" + typeName + "\"; use \"nbAscii\" or \"nbBinary\".");
            return MStatus::kInvalidParameter;
        }
        type = kind;
    }
    if (db.isFlagSet("-newFile"))
        return files.newScene();
    if (db.isFlagSet("-open") || db.isFlagSet("-import") || db.isFlagSet("-reference"))
        return readFile(db);
    MString name;
    if (db.getFlagArgument("-rename", 0, name)) {
        files.setCurrentFile(name.asChar());
        setResult(MString(files.currentFile().c_str()));
    }
    if (db.isFlagSet("-save")) {
        MStatus status = files.save(type);
        setResult(MString(files.currentFile().c_str()));
        return status;
    }
    if (!db.isFlagSet("-rename")) {
        displayError("file: say what to do: -new, -open, -import, -reference, -rename or -save.");
        return MStatus::kInvalidParameter;
    }
    return MStatus::kSuccess;
}

MStatus FileCommand::query(const MArgDatabase& db)
{
    if (db.isFlagSet("-modified")) {
        setResult(SceneFiles::instance().isModified());
        return MStatus::kSuccess;
    }
    if (!db.isFlagSet("-sceneName")) {
        displayError("file: query -sceneName or -modified.");
        return MStatus::kInvalidParameter;
    }
    setResult(MString(SceneFiles::instance().currentFile().c_str()));
    return MStatus::kSuccess;
}

MStatus FileCommand::readFile(const MArgDatabase& db)
{
    MStringArray objects;
    db.getObjects(objects);
    if (objects.length() != 1) {
        displayError("file: name the file to read.");
        return MStatus::kInvalidParameter;
    }
    const std::string path = objects[0].asChar();
    SceneFiles& files = SceneFiles::instance();
    MStatus status;
    if (db.isFlagSet("-open"))
        status = files.open(path);
    else if (db.isFlagSet("-import"))
        status = files.importFile(path);
    else
        status = files.reference(path);
    if (status)
        setResult(objects[0]);
    return status;
}

} // namespace nbhost
