#include <maya/MArgDatabase.h>

// The selection-list forms live with the scene, which owns selection lists.

MArgDatabase::MArgDatabase() = default;

MArgDatabase::MArgDatabase(const MSyntax& syntax, const MArgList& argList, MStatus* ReturnStatus)
    : MArgParser(syntax, argList, ReturnStatus)
{
}

MArgDatabase::~MArgDatabase() = default;
