#include <maya/MPxContextCommand.h>

#include <maya/MDoubleArray.h>
#include <maya/MIntArray.h>
#include <maya/MPxCommand.h>
#include <maya/MStringArray.h>

// Results go to the host command the context command runs as.

MPxContextCommand::MPxContextCommand() = default;
MPxContextCommand::~MPxContextCommand() = default;

MStatus MPxContextCommand::doEditFlags() { return MStatus::kSuccess; }
MStatus MPxContextCommand::doQueryFlags() { return MStatus::kSuccess; }
MPxContext* MPxContextCommand::makeObj() { return nullptr; }
MStatus MPxContextCommand::appendSyntax() { return MStatus::kSuccess; }

MSyntax MPxContextCommand::syntax() const { return fSyntax; }
MArgParser MPxContextCommand::parser() const { return fParser; }

void MPxContextCommand::clearResult() { MPxCommand::clearResult(); }
void MPxContextCommand::setResult(unsigned int val) { MPxCommand::setResult(val); }
void MPxContextCommand::setResult(int val) { MPxCommand::setResult(val); }
void MPxContextCommand::setResult(double val) { MPxCommand::setResult(val); }
void MPxContextCommand::setResult(bool val) { MPxCommand::setResult(val); }
void MPxContextCommand::setResult(const char* val) { MPxCommand::setResult(val); }
void MPxContextCommand::setResult(const MString& val) { MPxCommand::setResult(val); }
void MPxContextCommand::setResult(const MIntArray& val) { MPxCommand::setResult(val); }
void MPxContextCommand::setResult(const MDoubleArray& val) { MPxCommand::setResult(val); }
void MPxContextCommand::setResult(const MStringArray& val) { MPxCommand::setResult(val); }
void MPxContextCommand::appendToResult(int val) { MPxCommand::appendToResult(val); }
void MPxContextCommand::appendToResult(double val) { MPxCommand::appendToResult(val); }
void MPxContextCommand::appendToResult(const MString& val) { MPxCommand::appendToResult(val); }
