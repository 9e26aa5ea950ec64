#include <maya/MFnData.h>

MFnData::MFnData() = default;
MFnData::MFnData(MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFnData::MFnData(const MObject& object, MStatus* ReturnStatus) { attach(object, ReturnStatus); }
MFn::Type MFnData::type() const { return MFn::kData; }
