#pragma once

#include <maya/MPxCommand.h>

namespace nbhost {

// `ls [-sl] [-type t]... [-long] [-dag] [-transforms] [-shapes] [names]`:
// lists nodes (in creation order, DAG order with -dag, selection order with
// -sl), optionally only those the names or patterns match.
class LsCommand : public MPxCommand
{
public:
    static void* creator();
    static MSyntax newSyntax();
    MStatus doIt(const MArgList& args) override;
};

} // namespace nbhost
