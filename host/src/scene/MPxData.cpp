#include <maya/MPxData.h>

// A data type that does not override a reader or writer cannot be stored
// in that form.
MPxData::MPxData() = default;
MPxData::~MPxData() = default;

MStatus MPxData::readASCII(const MArgList&, unsigned int&) { return MStatus::kNotImplemented; }
MStatus MPxData::readBinary(std::istream&, unsigned int) { return MStatus::kNotImplemented; }
MStatus MPxData::writeASCII(std::ostream&) { return MStatus::kNotImplemented; }
MStatus MPxData::writeBinary(std::ostream&) { return MStatus::kNotImplemented; }
