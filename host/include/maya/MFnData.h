#pragma once
// Function set for data objects, the values of typed attributes.

#include <maya/MFnBase.h>

class OPENMAYA_EXPORT MFnData : public MFnBase
{
public:
    enum Type
    {
        kInvalid,
        kNumeric,
        kPlugin,
        kPluginGeometry,
        kString,
        kMatrix,
        kStringArray,
        kDoubleArray,
        kFloatArray,
        kIntArray,
        kPointArray,
        kVectorArray,
        kMatrixArray,
        kComponentList,
        kMesh,
        kLattice,
        kNurbsCurve,
        kNurbsSurface,
        kSphere,
        kDynArrayAttrs,
        kDynSweptGeometry,
        kSubdSurface,
        kNObject,
        kNId,
        kAny,
        kLast
    };

    MFnData();
    MFnData(MObject& object, MStatus* ReturnStatus = nullptr);
    MFnData(const MObject& object, MStatus* ReturnStatus = nullptr);
    MFn::Type type() const override;
};
