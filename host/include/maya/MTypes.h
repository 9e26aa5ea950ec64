#pragma once
// Basic types and version marker of the host's programming interface.

#include <cstddef>
#include <cstdint>

#define MAYA_API_VERSION 20200000

#define OPENMAYA_EXPORT __attribute__((visibility("default")))
#define OPENMAYAUI_EXPORT OPENMAYA_EXPORT
#define OPENMAYARENDER_EXPORT OPENMAYA_EXPORT
#define OPENMAYAANIM_EXPORT OPENMAYA_EXPORT
#define FND_EXPORT OPENMAYA_EXPORT
#define PLUGIN_EXPORT extern "C" OPENMAYA_EXPORT

typedef uintptr_t MUintPtrSz;
typedef MUintPtrSz MCallbackId;
typedef void* MPlatformHandle;

// Every plug-in module carries the API generation it was built for.
#define NB_API_VERSION_MARKER_NAME "MApiVersion"

#define MStatusAssert(status, message) ((void)0)

class MStatus;

// Factory and initializer functions a plug-in hands to the host for its
// node and data types.
typedef void* (*MCreatorFunction)();
typedef MStatus (*MInitializeFunction)();

// Coordinate spaces for transformation queries.
class OPENMAYA_EXPORT MSpace
{
public:
    enum Space
    {
        kInvalid = 0,
        kTransform = 1,
        kPreTransform = 2,
        kPostTransform = 3,
        kWorld = 4,
        kObject = kPreTransform,
        kLast = 5
    };
};
