#include "viewport/DrawOverrideRegistry.h"

#include <maya/MDagPath.h>
#include <maya/MPxDrawOverride.h>
#include <maya/MUserData.h>

#include "core/Host.h"
#include "scene/Node.h"
#include "scene/Scene.h"
#include "viewport/DrawableList.h"
#include "viewport/NodeVisibility.h"
#include "viewport/ViewFrameContext.h"
#include "viewport/ViewProjection.h"

#include <dlfcn.h>

#include <sstream>

namespace nbhost {

namespace {

// A creator whose module was unloaded without deregistering it: its
// objects can no longer be deleted, only forgotten.
bool codeLoaded(DrawOverrideRegistry::Creator creator)
{
    Dl_info info;
    return creator && dladdr(reinterpret_cast<void*>(creator), &info) != 0;
}

bool hasClassification(const std::string& list, const std::string& wanted)
{
    std::stringstream parts(list);
    std::string part;
    while (std::getline(parts, part, ':'))
        if (part == wanted)
            return true;
    return false;
}

std::string preparationKey(const ViewProjection& view)
{
    return std::string(view.camera().fullPathName().asChar()) + "@" + std::to_string(view.width()) + "x"
           + std::to_string(view.height());
}

const bool g_stopHooked = [] {
    Host::addStopHook([](Host&) { DrawOverrideRegistry::instance().clearOverrides(); });
    return true;
}();

} // namespace

DrawOverrideRegistry& DrawOverrideRegistry::instance()
{
    static DrawOverrideRegistry registry;
    return registry;
}

MStatus DrawOverrideRegistry::add(const std::string& classification, const std::string& registrant, Creator creator,
                                  std::string* error)
{
    if (classification.empty() || registrant.empty() || !creator) {
        if (error)
            *error = "a draw override needs a classification, a registrant and a creator";
        return MStatus::kInvalidParameter;
    }
    dropStale();
    if (has(classification)) {
        if (error)
            *error = "the classification \"" + classification + "\" already has a draw override";
        return MStatus::kFailure;
    }
    m_entries.push_back({classification, registrant, creator});
    return MStatus::kSuccess;
}

MStatus DrawOverrideRegistry::remove(const std::string& classification, const std::string& registrant)
{
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->classification != classification || it->registrant != registrant)
            continue;
        for (auto o = m_overrides.begin(); o != m_overrides.end();) {
            if (o->second.classification == classification) {
                destroy(o->second);
                o = m_overrides.erase(o);
            } else {
                ++o;
            }
        }
        m_entries.erase(it);
        return MStatus::kSuccess;
    }
    return MStatus::kNotFound;
}

bool DrawOverrideRegistry::has(const std::string& classification) const
{
    for (const Entry& entry : m_entries)
        if (entry.classification == classification)
            return true;
    return false;
}

const DrawOverrideRegistry::Entry* DrawOverrideRegistry::entryFor(const Node& node) const
{
    if (!node.isDag() || !node.type().isPlugin() || node.type().classification().empty())
        return nullptr;
    for (const Entry& entry : m_entries)
        if (hasClassification(node.type().classification(), entry.classification))
            return &entry;
    return nullptr;
}

void DrawOverrideRegistry::destroy(Override& entry)
{
    if (codeLoaded(entry.madeBy)) {
        delete entry.data;
        delete entry.object;
    }
    entry.data = nullptr;
    entry.object = nullptr;
}

// Overrides of nodes that left the scene, and registrations whose module
// went away without deregistering.
void DrawOverrideRegistry::dropStale()
{
    for (auto it = m_entries.begin(); it != m_entries.end();)
        it = codeLoaded(it->creator) ? it + 1 : m_entries.erase(it);
    std::map<uint64_t, bool> inScene;
    for (const auto& node : Scene::instance().nodes())
        inScene[node->serial()] = entryFor(*node) != nullptr;
    for (auto o = m_overrides.begin(); o != m_overrides.end();) {
        if (inScene[o->first] && has(o->second.classification)) {
            ++o;
            continue;
        }
        destroy(o->second);
        o = m_overrides.erase(o);
    }
}

void DrawOverrideRegistry::record(const ViewProjection& view, DrawableList& out)
{
    if (!view.isValid())
        return;
    dropStale();
    // The list may change while overrides run (a node made in a callback).
    const std::vector<std::shared_ptr<Node>> nodes = Scene::instance().nodes();
    for (const auto& node : nodes) {
        const Entry* entry = node->inScene() ? entryFor(*node) : nullptr;
        if (entry && NodeVisibility::visible(*node))
            drawNode(*node, *entry, view, out);
    }
}

void DrawOverrideRegistry::drawNode(Node& node, const Entry& entry, const ViewProjection& view, DrawableList& out)
{
    const MObject object = node.object();
    Override& o = m_overrides[node.serial()];
    if (!o.object) {
        o.object = entry.creator(object);
        o.classification = entry.classification;
        o.madeBy = entry.creator;
        if (!o.object)
            return;
    }
    MDagPath path;
    if (!MDagPath::getAPathTo(object, path))
        return;
    ViewFrameContext context(view);
    const std::string key = preparationKey(view);
    if (o.object->fAlwaysDirty || o.dirty || !o.data || o.preparedFor != key) {
        MUserData* data = o.object->prepareForDraw(path, view.camera(), context, o.data);
        if (data != o.data)
            delete o.data;
        o.data = data;
        o.preparedFor = key;
        o.dirty = false;
    }
    if (o.object->hasUIDrawables()) {
        MHWRender::MUIDrawManager manager(out);
        o.object->addUIDrawables(path, manager, context, o.data);
    }
    if (o.data && o.data->deleteAfterUse()) {
        delete o.data;
        o.data = nullptr;
    }
}

void DrawOverrideRegistry::markDirty(const MObject& node)
{
    if (Node* n = Node::from(node)) {
        auto found = m_overrides.find(n->serial());
        if (found != m_overrides.end())
            found->second.dirty = true;
    }
}

void DrawOverrideRegistry::clearOverrides()
{
    for (auto& entry : m_overrides)
        destroy(entry.second);
    m_overrides.clear();
}

} // namespace nbhost
