#include "scene/commands/SelectCommand.h"

#include "scene/Scene.h"
#include "scene/commands/SceneLookup.h"

#include <maya/MArgDatabase.h>
#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

namespace nbhost {

void* SelectCommand::creator() { return new SelectCommand; }

MSyntax SelectCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-r", "-replace");
    syntax.addFlag("-add", "-add");
    syntax.addFlag("-d", "-deselect");
    syntax.addFlag("-tgl", "-toggle");
    syntax.addFlag("-cl", "-clear");
    syntax.setObjectType(MSyntax::kStringObjects);
    return syntax;
}

MStatus SelectCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    int modes = 0;
    for (const char* flag : {"-r", "-add", "-d", "-tgl", "-cl"})
        modes += db.isFlagSet(flag) ? 1 : 0;
    if (modes > 1)
        return fail("use only one of -replace, -add, -deselect, -toggle and -clear");

    MStringArray objects;
    db.getObjects(objects);
    MSelectionList named;
    std::string error;
    if (!SceneLookup::named(objects, named, &error))
        return fail(error);

    MSelectionList result;
    const MSelectionList& current = Scene::instance().selection().list();
    if (db.isFlagSet("-cl")) {
        // The list stays empty.
    } else if (db.isFlagSet("-add")) {
        result = current;
        result.merge(named);
    } else if (db.isFlagSet("-d")) {
        result = current;
        result.merge(named, MSelectionList::kRemoveFromList);
    } else if (db.isFlagSet("-tgl")) {
        result = current;
        result.merge(named, MSelectionList::kXORWithList);
    } else {
        result = named;
    }
    m_edits.setSelection(result);
    return run();
}

} // namespace nbhost
