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
        kDagNode = 107,
        kWorld = 108,
        kTransform = 110,
        kShape = 248,
        kCamera = 250,
        kLocator = 281,
        kPluginDependNode = 456,
        kPluginLocatorNode = 457,
        kAttribute = 556,
        kAttribute3Double = 561,
        kNumericAttribute = 566,
        kTypedAttribute = 570,
        kData = 583,
        kPluginData = 595,
        kPlugin = 606,
        kTime = 611,
        kLast = 1100
    };
};
