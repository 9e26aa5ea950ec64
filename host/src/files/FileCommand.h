#pragma once

#include <maya/MPxCommand.h>

class MArgDatabase;

namespace nbhost {

// `file`: -newFile (-new), -rename <path>, -save [-type "nbAscii"|"nbBinary"],
// -open <path>, -import <path>, -reference <path>, -force, and
// -q -sceneName, -q -modified. Not undoable: opening and new scenes empty the undo queue.
class FileCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;

private:
    MStatus query(const MArgDatabase& db);
    MStatus readFile(const MArgDatabase& db);
};

} // namespace nbhost
