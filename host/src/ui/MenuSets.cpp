#include "ui/MenuSets.h"

#include "ui/ControlRegistry.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace nbhost {

namespace {
struct SetName
{
    const char* name;
    const char* label;
};

const SetName kSets[] = {{"modelingMenuSet", "Modeling"},   {"riggingMenuSet", "Rigging"},
                         {"animationMenuSet", "Animation"}, {"dynamicsMenuSet", "FX"},
                         {"renderingMenuSet", "Rendering"}};
} // namespace

MenuSets::MenuSets() : m_current(QStringLiteral("modelingMenuSet")) {}

const QStringList& MenuSets::names()
{
    static const QStringList list = [] {
        QStringList sets;
        for (const SetName& set : kSets)
            sets << QLatin1String(set.name);
        return sets;
    }();
    return list;
}

QString MenuSets::label(const QString& set)
{
    for (const SetName& known : kSets)
        if (set == QLatin1String(known.name))
            return QLatin1String(known.label);
    return set;
}

bool MenuSets::exists(const QString& set) { return names().contains(set); }

bool MenuSets::setCurrent(const QString& set)
{
    if (!exists(set))
        return false;
    if (set == m_current)
        return true;
    m_current = set;
    applyVisibility();
    emit currentChanged(set);
    return true;
}

bool MenuSets::addMenu(const QString& set, QMenu* menu)
{
    if (!exists(set) || !menu)
        return false;
    auto& members = m_members[set];
    if (std::find(members.begin(), members.end(), menu) == members.end())
        members.emplace_back(menu);
    applyVisibility();
    return true;
}

QStringList MenuSets::menusOf(const QString& set) const
{
    QStringList result;
    const auto it = m_members.find(set);
    if (it == m_members.end())
        return result;
    for (const QPointer<QMenu>& menu : it->second)
        if (menu && !ControlRegistry::isDeleted(menu))
            result << ControlRegistry::nameOf(menu);
    return result;
}

void MenuSets::applyVisibility()
{
    std::map<QMenu*, bool> shown;
    for (const auto& [set, members] : m_members)
        for (const QPointer<QMenu>& menu : members)
            if (menu)
                shown[menu] = shown[menu] || set == m_current;
    for (const auto& [menu, visible] : shown)
        if (!ControlRegistry::isDeleted(menu))
            menu->menuAction()->setVisible(visible);
}

} // namespace nbhost
