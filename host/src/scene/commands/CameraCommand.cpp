#include "scene/commands/CameraCommand.h"

#include "scene/NodeTypeRegistry.h"

#include <maya/MStringArray.h>
#include <maya/MSyntax.h>

namespace nbhost {

void* CameraCommand::creator() { return new CameraCommand; }

MSyntax CameraCommand::newSyntax() { return MSyntax(); }

MStatus CameraCommand::doIt(const MArgList&)
{
    std::string error;
    std::shared_ptr<Node> transform;
    auto shape = m_edits.createNode(NodeTypeRegistry::instance().find("camera"), nullptr, &error, &transform);
    if (!shape)
        return fail(error);
    MSelectionList selection;
    selection.add(transform->object());
    m_edits.setSelection(selection);
    MStatus status = run();
    if (!status)
        return status;
    MStringArray names;
    names.append(transform->name().c_str());
    names.append(shape->name().c_str());
    setResult(names);
    return status;
}

} // namespace nbhost
