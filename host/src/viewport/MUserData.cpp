#include <maya/MUserData.h>

MUserData::MUserData(bool deleteAfterUse) : fDeleteAfterUse(deleteAfterUse) {}
MUserData::~MUserData() = default;
bool MUserData::deleteAfterUse() const { return fDeleteAfterUse; }
void MUserData::setDeleteAfterUse(bool deleteAfterUse) { fDeleteAfterUse = deleteAfterUse; }
