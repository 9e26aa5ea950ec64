#pragma once

#include "scene/Node.h"
#include "scene/PlugValue.h"

#include <maya/MSelectionList.h>

#include <maya/MStatus.h>

#include <memory>
#include <string>
#include <vector>

namespace nbhost {

// A recorded list of scene edits that can be carried out, undone and redone
// as one step: what MDGModifier and MDagModifier record, and what the scene
// commands use for their undo. Recording changes nothing; doIt() carries
// out the edits not yet done, in order; undoIt() reverts every done edit,
// newest first, and a later doIt() carries them all out again on the same
// node objects.
//
// Nodes the list takes out of the scene (deleted, or created and undone)
// stay alive with it; when the list is destroyed, those it still holds out
// of the scene are destroyed too (their plug-in objects deleted).
class SceneEditList
{
public:
    SceneEditList() = default;
    ~SceneEditList();
    SceneEditList(const SceneEditList&) = delete;
    SceneEditList& operator=(const SceneEditList&) = delete;

    // Builds the node now (postConstructor runs) and records its insertion
    // under parent (null: the world). A shape without parent gets a new
    // transform, given back in madeTransform. Returns the node of the type;
    // null with a message on failure.
    std::shared_ptr<Node> createNode(const std::shared_ptr<NodeType>& type,
                                     const std::shared_ptr<Node>& parent, std::string* error = nullptr,
                                     std::shared_ptr<Node>* madeTransform = nullptr);
    // Records removal of the node with its subtree; with includeParents,
    // also of the parent transforms it leaves without children.
    MStatus deleteNode(const std::shared_ptr<Node>& node, bool includeParents);
    MStatus renameNode(const std::shared_ptr<Node>& node, const std::string& name);
    MStatus reparentNode(const std::shared_ptr<Node>& node, const std::shared_ptr<Node>& parent);
    // The value is stored as given (numbers are normalised by the node).
    MStatus setPlugValue(const std::shared_ptr<Node>& node, const std::shared_ptr<Attribute>& attr,
                         const PlugValue& value);
    enum class PlugFlag { Locked, Keyable, ChannelBox };
    MStatus setPlugFlag(const std::shared_ptr<Node>& node, const std::shared_ptr<Attribute>& attr,
                        PlugFlag flag, bool state);
    // Makes the list the active selection (firing "SelectionChanged").
    void setSelection(const MSelectionList& list);
    // Changes nothing, but undo brings back the selection of this moment
    // (deleted nodes leave the selection without an edit of their own).
    void keepSelection();

    // Stops at the first edit that fails, with its reason in error; the
    // edits before it stay done.
    MStatus doIt(std::string* error = nullptr);
    MStatus undoIt();
    bool isEmpty() const { return m_edits.empty(); }

    // One recorded edit; the kinds live in the source file.
    class Edit
    {
    public:
        virtual ~Edit() = default;
        virtual MStatus apply(SceneEditList& list, std::string* error) = 0;
        virtual void revert(SceneEditList& list) = 0;
        // Nodes this edit may leave out of the scene.
        virtual std::vector<std::shared_ptr<Node>> heldNodes() const { return {}; }
    };

    // Takes a node out of the scene and keeps it; puts one back.
    void takeOut(Node& node);
    MStatus putBack(const std::shared_ptr<Node>& node, Node* parent, int index, std::string* error);

private:
    void record(std::unique_ptr<Edit> edit);

    std::vector<std::unique_ptr<Edit>> m_edits;
    size_t m_done = 0;
};

} // namespace nbhost
