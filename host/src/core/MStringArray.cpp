#include <maya/MStringArray.h>

#include <ostream>

MStringArray::MStringArray() = default;
MStringArray::MStringArray(unsigned int initialSize, const MString& initialValue) : m_items(initialSize, initialValue) {}
MStringArray::MStringArray(const MString values[], unsigned int count) : m_items(values, values + count) {}

bool MStringArray::operator==(const MStringArray& other) const { return m_items == other.m_items; }
bool MStringArray::operator!=(const MStringArray& other) const { return m_items != other.m_items; }

const MString& MStringArray::operator[](unsigned int index) const { return m_items.at(index); }
MString& MStringArray::operator[](unsigned int index) { return m_items.at(index); }

MStatus MStringArray::set(const MString& value, unsigned int index)
{
    if (index >= m_items.size())
        return MStatus::kFailure;
    m_items[index] = value;
    return MStatus::kSuccess;
}

MStatus MStringArray::setLength(unsigned int length) { m_items.resize(length); return MStatus::kSuccess; }
unsigned int MStringArray::length() const { return static_cast<unsigned int>(m_items.size()); }

MStatus MStringArray::remove(unsigned int index)
{
    if (index >= m_items.size())
        return MStatus::kFailure;
    m_items.erase(m_items.begin() + index);
    return MStatus::kSuccess;
}

MStatus MStringArray::insert(const MString& value, unsigned int index)
{
    if (index > m_items.size())
        return MStatus::kFailure;
    m_items.insert(m_items.begin() + index, value);
    return MStatus::kSuccess;
}

MStatus MStringArray::append(const MString& value) { m_items.push_back(value); return MStatus::kSuccess; }
MStatus MStringArray::copy(const MStringArray& source) { m_items = source.m_items; return MStatus::kSuccess; }
MStatus MStringArray::clear() { m_items.clear(); return MStatus::kSuccess; }

MStatus MStringArray::get(MString out[]) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        out[i] = m_items[i];
    return MStatus::kSuccess;
}

void MStringArray::setSizeIncrement(unsigned int) {}
unsigned int MStringArray::sizeIncrement() const { return 1; }

std::ostream& operator<<(std::ostream& out, const MStringArray& array)
{
    out << "[";
    for (unsigned int i = 0; i < array.length(); ++i)
        out << (i ? ", " : "") << array[i];
    return out << "]";
}
