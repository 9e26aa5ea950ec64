// The selection-list forms of MArgDatabase: object names resolved in the
// scene.
#include <maya/MArgDatabase.h>

#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>

#include "core/ArgumentConversion.h"
#include "core/ParsedArguments.h"
#include "scene/Scene.h"

namespace {

// Adds the nodes a name or pattern names; reports a name that matches none.
MStatus addByName(const nbhost::Value& value, MSelectionList& list)
{
    std::string name;
    if (!nbhost::ArgumentConversion::toString(value, name))
        return MStatus::kInvalidParameter;
    MStatus status = list.add(MString(name.c_str()));
    if (!status)
        MGlobal::displayError(MString("No object matches name: ") + name.c_str());
    return status;
}

} // namespace

MStatus MArgDatabase::getFlagArgument(const char* flag, unsigned int index,
                                      MSelectionList& result) const
{
    const nbhost::FlagUse* use = m_parsed ? m_parsed->use(flag ? flag : "") : nullptr;
    if (!use || index >= use->args.size())
        return MStatus::kInvalidParameter;
    return addByName(use->args[index], result);
}

MStatus MArgDatabase::getCommandArgument(unsigned int index, MSelectionList& result) const
{
    if (!m_parsed || index >= m_parsed->commandArgs.size())
        return MStatus::kInvalidParameter;
    return addByName(m_parsed->commandArgs[index], result);
}

MStatus MArgDatabase::getObjects(MSelectionList& result) const
{
    result.clear();
    if (!m_parsed)
        return MStatus::kInvalidParameter;
    if (m_parsed->objects.empty() && m_parsed->syntax.selectionAsDefault) {
        result = nbhost::Scene::instance().selection().list();
        return MStatus::kSuccess;
    }
    for (const nbhost::Value& object : m_parsed->objects) {
        MStatus status = addByName(object, result);
        if (!status)
            return status;
    }
    return MStatus::kSuccess;
}
