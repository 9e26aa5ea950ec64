#pragma once
// The flags, arguments and objects a command accepts.

#include <maya/MTypes.h>
#include <maya/MStatus.h>

#include <memory>

namespace nbhost {
struct SyntaxData;
}

class OPENMAYA_EXPORT MSyntax
{
public:
    enum MArgType
    {
        kInvalidArgType,
        kNoArg,
        kBoolean,
        kLong,
        kDouble,
        kString,
        kUnsigned,
        kDistance,
        kAngle,
        kTime,
        kSelectionItem,
        kLastArgType
    };

    enum MObjectFormat
    {
        kInvalidObjectFormat,
        kNone,
        kStringObjects,
        kSelectionList,
        kLastObjectFormat
    };

    MSyntax();
    MSyntax(const MSyntax& other);
    ~MSyntax();
    MSyntax& operator=(const MSyntax& other);

    // Names may be given with or without the leading dash; kFailure when a
    // name is already taken or both are empty.
    MStatus addFlag(const char* shortName, const char* longName, MArgType argType1 = kNoArg,
                    MArgType argType2 = kNoArg, MArgType argType3 = kNoArg,
                    MArgType argType4 = kNoArg, MArgType argType5 = kNoArg,
                    MArgType argType6 = kNoArg);
    MStatus makeFlagMultiUse(const char* flagName);
    // In query mode the flag takes its arguments (or may, when optional),
    // instead of none.
    MStatus makeFlagQueryWithFullArgs(const char* flagName, bool argsOptional);

    // Positional command arguments, after the flags and before the objects.
    MStatus addArg(MArgType arg);

    void useSelectionAsDefault(bool useSelection);
    MStatus setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects = 0);
    MStatus setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects,
                          unsigned int maximumObjects);
    void setMinObjects(unsigned int minimumObjects);
    unsigned int minObjects() const;
    void setMaxObjects(unsigned int maximumObjects);
    unsigned int maxObjects() const;

    void enableQuery(bool supportsQuery = true);
    void enableEdit(bool supportsEdit = true);
    bool canQuery() const;
    bool canEdit() const;

    void clear();

    // Host side.
    const nbhost::SyntaxData& hostData() const;

private:
    std::unique_ptr<nbhost::SyntaxData> m_data;
};

#ifndef NB_MCREATOR_FUNCTIONS_DECLARED
#define NB_MCREATOR_FUNCTIONS_DECLARED
typedef void* (*MCreatorFunction)();
typedef MSyntax (*MCreateSyntaxFunction)();
#endif
