#include <maya/MDagPathArray.h>

MDagPathArray::MDagPathArray() = default;
MDagPathArray::MDagPathArray(const MDagPathArray& other) = default;
MDagPathArray::~MDagPathArray() = default;
MDagPathArray& MDagPathArray::operator=(const MDagPathArray& other) = default;

const MDagPath& MDagPathArray::operator[](unsigned int index) const { return m_items.at(index); }
MDagPath& MDagPathArray::operator[](unsigned int index) { return m_items.at(index); }
unsigned int MDagPathArray::length() const { return static_cast<unsigned int>(m_items.size()); }
MStatus MDagPathArray::setLength(unsigned int length) { m_items.resize(length); return MStatus::kSuccess; }
MStatus MDagPathArray::append(const MDagPath& path) { m_items.push_back(path); return MStatus::kSuccess; }

MStatus MDagPathArray::insert(const MDagPath& path, unsigned int index)
{
    if (index > m_items.size())
        return MStatus::kFailure;
    m_items.insert(m_items.begin() + index, path);
    return MStatus::kSuccess;
}

MStatus MDagPathArray::remove(unsigned int index)
{
    if (index >= m_items.size())
        return MStatus::kFailure;
    m_items.erase(m_items.begin() + index);
    return MStatus::kSuccess;
}

MStatus MDagPathArray::clear() { m_items.clear(); return MStatus::kSuccess; }
