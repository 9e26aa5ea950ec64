#pragma once
// Identifier of a node or data type.

#include <maya/MTypes.h>

class OPENMAYA_EXPORT MTypeId
{
public:
    MTypeId() : m_id(0) {}
    MTypeId(unsigned int id) : m_id(id) {}
    MTypeId(unsigned int prefix, unsigned int id) : m_id((prefix << 8) | (id & 0xFF)) {}

    unsigned int id() const { return m_id; }
    bool operator==(const MTypeId& other) const { return m_id == other.m_id; }
    bool operator!=(const MTypeId& other) const { return m_id != other.m_id; }

private:
    unsigned int m_id;
};
