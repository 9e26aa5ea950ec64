#pragma once
// Function-set types of the interface's objects. Only the types this host
// knows are listed; the values are those of the real interface.

class MFn
{
public:
    enum Type
    {
        kInvalid = 0,
        kBase = 1,
        kNamedObject = 2,
        kModel = 3,
        kDependencyNode = 4,
        kAttribute = 556,
        kNumericAttribute = 566,
        kTypedAttribute = 570,
        kDagNode = 107,
        kShape = 248,
        kCamera = 250,
        kLocator = 281,
        kTransform = 110,
        kPluginDependNode = 456,
        kPluginLocatorNode = 457,
        kData = 583,
        kPluginData = 595,
        kPlugin = 606,
        kTime = 611,
        kLast = 1100
    };
};
