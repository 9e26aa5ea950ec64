#pragma once

#include "core/HostObject.h"
#include "scene/PlugValue.h"

#include <maya/MFnData.h>
#include <maya/MFnNumericData.h>
#include <maya/MObject.h>
#include <maya/MTypeId.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace nbhost {

// The definition of an attribute: its names, kind, value type, default,
// limits and properties. One definition is shared by every node of the
// types that carry it; the values live in the nodes.
class Attribute : public HostObject
{
public:
    enum class Kind
    {
        Numeric,  // one numeric value
        Compound, // two or three numeric children (translate, localScale ...)
        Typed     // a string or a plug-in data value
    };

    // Properties a function set can change. The per-node plug state may
    // override keyable and channel box.
    struct Flags
    {
        bool readable = true;
        bool writable = true;
        bool storable = true;
        bool connectable = true;
        bool keyable = false;
        bool hidden = false;
        bool channelBox = false;
    };

    static std::shared_ptr<Attribute> numeric(const std::string& longName,
                                              const std::string& shortName,
                                              MFnNumericData::Type type, double defaultValue);
    // Null when a child is missing, not numeric, or already has a parent.
    static std::shared_ptr<Attribute> compound(const std::string& longName,
                                               const std::string& shortName,
                                               const std::vector<std::shared_ptr<Attribute>>& children);
    // For MFnData::kPlugin, dataTypeId names the registered data type.
    static std::shared_ptr<Attribute> typed(const std::string& longName,
                                            const std::string& shortName, MFnData::Type dataType,
                                            MTypeId dataTypeId);

    // The attribute behind a handle, or null.
    static Attribute* from(const MObject& object);

    MFn::Type apiType() const override;
    const char* apiTypeName() const override;
    bool hasFn(MFn::Type type) const override;

    Kind kind() const { return m_kind; }
    const std::string& longName() const { return m_longName; }
    const std::string& shortName() const { return m_shortName; }
    bool matchesName(const std::string& name) const;

    Flags& flags() { return m_flags; }
    const Flags& flags() const { return m_flags; }

    Attribute* parent() const { return m_parent; }
    const std::vector<std::shared_ptr<Attribute>>& children() const { return m_children; }

    // Numeric attributes.
    MFnNumericData::Type numericType() const { return m_numericType; }
    bool isBoolean() const { return m_numericType == MFnNumericData::kBoolean; }
    bool isIntegral() const { return isIntegral(m_numericType); }
    static bool isIntegral(MFnNumericData::Type type);
    std::optional<double> minimum() const { return m_min; }
    std::optional<double> maximum() const { return m_max; }
    void setMinimum(double value) { m_min = value; }
    void setMaximum(double value) { m_max = value; }
    // The value as this attribute stores it: limits applied, then rounded
    // to the attribute's type (integers truncate, booleans are 0 or 1).
    double normalize(double value) const;

    // Typed attributes.
    MFnData::Type dataType() const { return m_dataType; }
    MTypeId dataTypeId() const { return m_dataTypeId; }

    // The value a new node starts with.
    PlugValue defaultValue() const { return m_default; }
    void setDefaultValue(const PlugValue& value) { m_default = value; }

private:
    Attribute(Kind kind, std::string longName, std::string shortName);

    Kind m_kind;
    std::string m_longName;
    std::string m_shortName;
    Flags m_flags;
    Attribute* m_parent = nullptr;
    std::vector<std::shared_ptr<Attribute>> m_children;
    MFnNumericData::Type m_numericType = MFnNumericData::kInvalid;
    std::optional<double> m_min;
    std::optional<double> m_max;
    MFnData::Type m_dataType = MFnData::kInvalid;
    MTypeId m_dataTypeId;
    PlugValue m_default;
};

} // namespace nbhost
