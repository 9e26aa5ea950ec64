#include "viewport/DrawableList.h"

namespace nbhost {

bool DrawableList::beginDrawable(int selectability, unsigned int selectionName)
{
    if (m_open)
        return false;
    m_open = true;
    m_state = State();
    m_state.selectability = selectability;
    m_state.selectionName = selectionName;
    return true;
}

void DrawableList::endDrawable() { m_open = false; }

void DrawableList::add(Primitive primitive)
{
    if (!m_open)
        return;
    primitive.state = m_state;
    m_primitives.push_back(std::move(primitive));
}

void DrawableList::clear()
{
    m_open = false;
    m_primitives.clear();
}

} // namespace nbhost
