#pragma once

#include <maya/MDrawRegistry.h>
#include <maya/MObject.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class MUserData;

namespace nbhost {

class DrawableList;
class Node;
class ViewProjection;

// The draw override creators plug-ins registered, by draw classification,
// and the overrides made from them: one per drawn node, kept with the user
// data its last preparation returned. A view drawing asks it to prepare
// and record every visible DAG node whose type carries a registered
// classification.
class DrawOverrideRegistry
{
public:
    using Creator = MHWRender::MDrawRegistry::DrawOverrideCreator;

    static DrawOverrideRegistry& instance();

    MStatus add(const std::string& classification, const std::string& registrant, Creator creator,
                std::string* error = nullptr);
    // Deletes the overrides of the pair first.
    MStatus remove(const std::string& classification, const std::string& registrant);
    bool has(const std::string& classification) const;

    // Prepares the overrides for one view drawing and records their UI
    // drawables into `out`, node by node in scene order.
    void record(const ViewProjection& view, DrawableList& out);

    // The node's drawing is prepared again at the next redraw.
    void markDirty(const MObject& node);
    // Deletes every override and its data (those whose code is still loaded).
    void clearOverrides();
    size_t overrideCount() const { return m_overrides.size(); }

private:
    struct Entry
    {
        std::string classification;
        std::string registrant;
        Creator creator = nullptr;
    };
    struct Override
    {
        MHWRender::MPxDrawOverride* object = nullptr;
        MUserData* data = nullptr;
        std::string classification;
        Creator madeBy = nullptr;
        std::string preparedFor; // view, camera and size of the last preparation
        bool dirty = true;
    };

    DrawOverrideRegistry() = default;
    const Entry* entryFor(const Node& node) const;
    // Deletes the override unless its plug-in's code is gone (then it is
    // only forgotten).
    static void destroy(Override& entry);
    void dropStale();
    void drawNode(Node& node, const Entry& entry, const ViewProjection& view, DrawableList& out);

    std::vector<Entry> m_entries;
    std::map<uint64_t, Override> m_overrides; // by node serial
};

} // namespace nbhost
