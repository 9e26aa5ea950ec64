#include <maya/MIntArray.h>

#include <ostream>

MIntArray::MIntArray() = default;
MIntArray::MIntArray(unsigned int initialSize, int initialValue) : m_items(initialSize, initialValue) {}
MIntArray::MIntArray(const int values[], unsigned int count) : m_items(values, values + count) {}

bool MIntArray::operator==(const MIntArray& other) const { return m_items == other.m_items; }
bool MIntArray::operator!=(const MIntArray& other) const { return m_items != other.m_items; }

const int& MIntArray::operator[](unsigned int index) const { return m_items.at(index); }
int& MIntArray::operator[](unsigned int index) { return m_items.at(index); }

MStatus MIntArray::set(int value, unsigned int index)
{
    if (index >= m_items.size())
        return MStatus::kFailure;
    m_items[index] = value;
    return MStatus::kSuccess;
}

MStatus MIntArray::setLength(unsigned int length) { m_items.resize(length); return MStatus::kSuccess; }
unsigned int MIntArray::length() const { return static_cast<unsigned int>(m_items.size()); }

MStatus MIntArray::remove(unsigned int index)
{
    if (index >= m_items.size())
        return MStatus::kFailure;
    m_items.erase(m_items.begin() + index);
    return MStatus::kSuccess;
}

MStatus MIntArray::insert(int value, unsigned int index)
{
    if (index > m_items.size())
        return MStatus::kFailure;
    m_items.insert(m_items.begin() + index, value);
    return MStatus::kSuccess;
}

MStatus MIntArray::append(int value) { m_items.push_back(value); return MStatus::kSuccess; }
MStatus MIntArray::copy(const MIntArray& source) { m_items = source.m_items; return MStatus::kSuccess; }
MStatus MIntArray::clear() { m_items.clear(); return MStatus::kSuccess; }

MStatus MIntArray::get(int out[]) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        out[i] = m_items[i];
    return MStatus::kSuccess;
}

void MIntArray::setSizeIncrement(unsigned int) {}
unsigned int MIntArray::sizeIncrement() const { return 1; }

std::ostream& operator<<(std::ostream& out, const MIntArray& array)
{
    out << "[";
    for (unsigned int i = 0; i < array.length(); ++i)
        out << (i ? ", " : "") << array[i];
    return out << "]";
}
