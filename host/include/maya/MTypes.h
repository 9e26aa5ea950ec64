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
