#pragma once

#include <maya/MPxCommand.h>

class MArgDatabase;

namespace nbhost {

class ScriptJobs;

// `scriptJob`: scripts run on events and condition changes.
class ScriptJobCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;

private:
    MStatus kill(const MArgDatabase& db, ScriptJobs& jobs, bool force);
    MStatus create(const MArgDatabase& db, const char* flag, int trigger);
};

} // namespace nbhost
