#include <maya/MCallbackIdArray.h>

MCallbackIdArray::MCallbackIdArray() = default;

MCallbackIdArray::MCallbackIdArray(unsigned int initialSize, MCallbackId initialValue)
    : m_items(initialSize, initialValue)
{
}

MCallbackIdArray::MCallbackIdArray(const MCallbackId values[], unsigned int count)
    : m_items(values, values + count)
{
}

const MCallbackId& MCallbackIdArray::operator[](unsigned int index) const { return m_items[index]; }
MCallbackId& MCallbackIdArray::operator[](unsigned int index) { return m_items[index]; }

MStatus MCallbackIdArray::set(MCallbackId element, unsigned int index)
{
    if (index >= m_items.size())
        return MStatus::kInvalidParameter;
    m_items[index] = element;
    return MStatus::kSuccess;
}

MStatus MCallbackIdArray::setLength(unsigned int length)
{
    m_items.resize(length);
    return MStatus::kSuccess;
}

unsigned int MCallbackIdArray::length() const { return static_cast<unsigned int>(m_items.size()); }

MStatus MCallbackIdArray::remove(unsigned int index)
{
    if (index >= m_items.size())
        return MStatus::kInvalidParameter;
    m_items.erase(m_items.begin() + index);
    return MStatus::kSuccess;
}

MStatus MCallbackIdArray::insert(MCallbackId element, unsigned int index)
{
    if (index > m_items.size())
        return MStatus::kInvalidParameter;
    m_items.insert(m_items.begin() + index, element);
    return MStatus::kSuccess;
}

MStatus MCallbackIdArray::append(MCallbackId element)
{
    m_items.push_back(element);
    return MStatus::kSuccess;
}

MStatus MCallbackIdArray::copy(const MCallbackIdArray& source)
{
    m_items = source.m_items;
    return MStatus::kSuccess;
}

MStatus MCallbackIdArray::clear()
{
    m_items.clear();
    return MStatus::kSuccess;
}

void MCallbackIdArray::setSizeIncrement(unsigned int) {}
unsigned int MCallbackIdArray::sizeIncrement() const { return 1; }
