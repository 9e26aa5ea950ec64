#include <maya/MSyntax.h>

#include "core/SyntaxData.h"

namespace {

std::string bareName(const char* name)
{
    std::string text = name ? name : "";
    return !text.empty() && text[0] == '-' ? text.substr(1) : text;
}

bool isArgType(MSyntax::MArgType type)
{
    return type > MSyntax::kNoArg && type < MSyntax::kLastArgType;
}

} // namespace

MSyntax::MSyntax() : m_data(new nbhost::SyntaxData) {}
MSyntax::MSyntax(const MSyntax& other) : m_data(new nbhost::SyntaxData(*other.m_data)) {}
MSyntax::~MSyntax() = default;

MSyntax& MSyntax::operator=(const MSyntax& other)
{
    if (this != &other)
        *m_data = *other.m_data;
    return *this;
}

MStatus MSyntax::addFlag(const char* shortName, const char* longName, MArgType argType1,
                         MArgType argType2, MArgType argType3, MArgType argType4, MArgType argType5,
                         MArgType argType6)
{
    nbhost::FlagDefinition flag;
    flag.shortName = bareName(shortName);
    flag.longName = bareName(longName);
    if (flag.shortName.empty() && flag.longName.empty())
        return MStatus::kInvalidParameter;
    if ((!flag.shortName.empty() && m_data->findFlag(flag.shortName)) ||
        (!flag.longName.empty() && m_data->findFlag(flag.longName)))
        return MStatus::kFailure;
    // Argument types end at the first kNoArg.
    for (MArgType type : {argType1, argType2, argType3, argType4, argType5, argType6}) {
        if (!isArgType(type))
            break;
        flag.argTypes.push_back(type);
    }
    m_data->flags.push_back(flag);
    return MStatus::kSuccess;
}

MStatus MSyntax::makeFlagMultiUse(const char* flagName)
{
    nbhost::FlagDefinition* flag = m_data->findFlag(bareName(flagName));
    if (!flag)
        return MStatus::kNotFound;
    flag->multiUse = true;
    return MStatus::kSuccess;
}

MStatus MSyntax::makeFlagQueryWithFullArgs(const char* flagName, bool argsOptional)
{
    nbhost::FlagDefinition* flag = m_data->findFlag(bareName(flagName));
    if (!flag)
        return MStatus::kNotFound;
    flag->queryWithFullArgs = true;
    flag->queryArgsOptional = argsOptional;
    return MStatus::kSuccess;
}

MStatus MSyntax::addArg(MArgType arg)
{
    if (!isArgType(arg))
        return MStatus::kInvalidParameter;
    m_data->commandArgs.push_back(arg);
    return MStatus::kSuccess;
}

void MSyntax::useSelectionAsDefault(bool useSelection) { m_data->selectionAsDefault = useSelection; }

MStatus MSyntax::setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects)
{
    return setObjectType(objectFormat, minimumObjects, UINT_MAX);
}

MStatus MSyntax::setObjectType(MObjectFormat objectFormat, unsigned int minimumObjects,
                               unsigned int maximumObjects)
{
    if (objectFormat <= kInvalidObjectFormat || objectFormat >= kLastObjectFormat ||
        maximumObjects < minimumObjects)
        return MStatus::kInvalidParameter;
    m_data->objectFormat = objectFormat;
    m_data->minObjects = minimumObjects;
    m_data->maxObjects = maximumObjects;
    return MStatus::kSuccess;
}

void MSyntax::setMinObjects(unsigned int minimumObjects) { m_data->minObjects = minimumObjects; }
unsigned int MSyntax::minObjects() const { return m_data->minObjects; }
void MSyntax::setMaxObjects(unsigned int maximumObjects) { m_data->maxObjects = maximumObjects; }
unsigned int MSyntax::maxObjects() const { return m_data->maxObjects; }

void MSyntax::enableQuery(bool supportsQuery) { m_data->queryEnabled = supportsQuery; }
void MSyntax::enableEdit(bool supportsEdit) { m_data->editEnabled = supportsEdit; }
bool MSyntax::canQuery() const { return m_data->queryEnabled; }
bool MSyntax::canEdit() const { return m_data->editEnabled; }

void MSyntax::clear() { *m_data = nbhost::SyntaxData(); }

const nbhost::SyntaxData& MSyntax::hostData() const { return *m_data; }
