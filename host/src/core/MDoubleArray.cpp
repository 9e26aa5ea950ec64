#include <maya/MDoubleArray.h>

#include <ostream>

MDoubleArray::MDoubleArray() = default;
MDoubleArray::MDoubleArray(unsigned int initialSize, double initialValue) : m_items(initialSize, initialValue) {}
MDoubleArray::MDoubleArray(const double values[], unsigned int count) : m_items(values, values + count) {}

bool MDoubleArray::operator==(const MDoubleArray& other) const { return m_items == other.m_items; }
bool MDoubleArray::operator!=(const MDoubleArray& other) const { return m_items != other.m_items; }

double MDoubleArray::operator[](unsigned int index) const { return m_items.at(index); }
double& MDoubleArray::operator[](unsigned int index) { return m_items.at(index); }

MStatus MDoubleArray::set(double value, unsigned int index)
{
    if (index >= m_items.size())
        return MStatus::kFailure;
    m_items[index] = value;
    return MStatus::kSuccess;
}

MStatus MDoubleArray::setLength(unsigned int length) { m_items.resize(length); return MStatus::kSuccess; }
unsigned int MDoubleArray::length() const { return static_cast<unsigned int>(m_items.size()); }

MStatus MDoubleArray::remove(unsigned int index)
{
    if (index >= m_items.size())
        return MStatus::kFailure;
    m_items.erase(m_items.begin() + index);
    return MStatus::kSuccess;
}

MStatus MDoubleArray::insert(double value, unsigned int index)
{
    if (index > m_items.size())
        return MStatus::kFailure;
    m_items.insert(m_items.begin() + index, value);
    return MStatus::kSuccess;
}

MStatus MDoubleArray::append(double value) { m_items.push_back(value); return MStatus::kSuccess; }
MStatus MDoubleArray::copy(const MDoubleArray& source) { m_items = source.m_items; return MStatus::kSuccess; }
MStatus MDoubleArray::clear() { m_items.clear(); return MStatus::kSuccess; }

MStatus MDoubleArray::get(double out[]) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        out[i] = m_items[i];
    return MStatus::kSuccess;
}

void MDoubleArray::setSizeIncrement(unsigned int) {}
unsigned int MDoubleArray::sizeIncrement() const { return 1; }

std::ostream& operator<<(std::ostream& out, const MDoubleArray& array)
{
    out << "[";
    for (unsigned int i = 0; i < array.length(); ++i)
        out << (i ? ", " : "") << array[i];
    return out << "]";
}
