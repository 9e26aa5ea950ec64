#pragma once

#include "scene/FileReadState.h"
#include "scene/Node.h"

#include <maya/MStatus.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class MPxData;

namespace nbhost {

class Attribute;

// Carries out what a scene file says, for both readers: the plug-ins it
// needs, its units, its nodes and their values. Nodes go into the scene as
// they are read; parents are looked up among the nodes of this read first,
// so an import whose names were changed to stay unique keeps its
// hierarchy. Shared nodes (the default cameras) are the scene's own: an
// open sets their values, an import or reference leaves them alone.
//
// Every failure comes back as false with the reason in error; the readers
// show it and go on. An unknown attribute is only a warning. A data value
// whose reader fails keeps what it read.
class SceneBuilder
{
public:
    // A plug of the current node (or of a named one) that values go to; an
    // empty target takes values without storing them.
    struct Target
    {
        std::shared_ptr<Node> node;
        std::shared_ptr<Attribute> attr;
        std::string text; // "node.attr", for messages
        bool isEmpty() const { return !node; }
    };
    using DataReader = std::function<MStatus(MPxData&)>;

    explicit SceneBuilder(FileReadState::Mode mode);

    // Loads a plug-in the file names when it is not loaded yet; one that
    // cannot be loaded is reported, and its nodes will fail to read.
    void requirePlugin(const std::string& name);
    // Only an open changes the scene's units.
    bool setUnits(const std::string& linear, const std::string& angle, const std::string& time,
                  std::string* error);

    bool createNode(const std::string& type, const std::string& name, const std::string& parent,
                    bool shared, std::string* error);
    // ".attr" (the last created node) or "node.attr".
    bool target(const std::string& plug, Target& out, std::string* error);

    // One number per numeric attribute, or one per child of a compound.
    bool setNumbers(const Target& target, const std::vector<double>& values, std::string* error);
    bool setString(const Target& target, const std::string& value, std::string* error);
    // A value of the named data type, from its creator, filled by read.
    bool setData(const Target& target, const std::string& dataType, const DataReader& read,
                 std::string* error);
    void setFlags(const Target& target, std::optional<bool> locked, std::optional<bool> keyable,
                  std::optional<bool> channelBox);

    // Whether the attribute holds a plug-in data value or a string.
    static bool holdsData(const Attribute& attr);
    static bool holdsString(const Attribute& attr);

    // The nodes this read created, in order.
    const std::vector<std::shared_ptr<Node>>& created() const { return m_created; }
    // Takes them out of the scene and destroys them: a failed import.
    void discardCreated();

private:
    bool isOpening() const { return m_mode == FileReadState::Mode::Opening; }
    std::shared_ptr<Node> lookUp(const std::string& name) const;
    std::shared_ptr<Node> reuseShared(const std::string& type, const std::string& name);

    FileReadState::Mode m_mode;
    std::map<std::string, std::shared_ptr<Node>> m_byFileName;
    std::shared_ptr<Node> m_current;
    std::vector<std::shared_ptr<Node>> m_created;
};

} // namespace nbhost
