#include "viewport/PaneLayout.h"

#include <QGridLayout>

namespace nbhost {

PaneLayout::PaneLayout(QWidget* parent) : QWidget(parent), m_grid(new QGridLayout(this))
{
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(2);
}

bool PaneLayout::parseConfiguration(const QString& name, Configuration& configuration)
{
    for (Configuration c : {Configuration::Single, Configuration::Horizontal2, Configuration::Vertical2,
                            Configuration::Quad}) {
        if (configurationName(c) == name) {
            configuration = c;
            return true;
        }
    }
    return false;
}

QString PaneLayout::configurationName(Configuration configuration)
{
    switch (configuration) {
    case Configuration::Horizontal2: return QStringLiteral("horizontal2");
    case Configuration::Vertical2: return QStringLiteral("vertical2");
    case Configuration::Quad: return QStringLiteral("quad");
    default: return QStringLiteral("single");
    }
}

void PaneLayout::addPane(QWidget* pane)
{
    if (!pane)
        return;
    pane->setParent(this);
    m_panes.emplace_back(pane);
    arrange();
}

std::vector<QWidget*> PaneLayout::panes() const
{
    std::vector<QWidget*> result;
    for (const auto& pane : m_panes)
        if (pane)
            result.push_back(pane);
    return result;
}

void PaneLayout::setConfiguration(Configuration configuration, QWidget* single)
{
    m_configuration = configuration;
    if (single)
        m_single = single;
    arrange();
}

void PaneLayout::arrange()
{
    const std::vector<QWidget*> all = panes();
    for (QWidget* pane : all)
        m_grid->removeWidget(pane);
    std::vector<QWidget*> shown;
    if (m_configuration == Configuration::Single) {
        QWidget* single = m_single && m_single->parentWidget() == this ? m_single.data() : nullptr;
        if (!single && !all.empty())
            single = all.front();
        if (single)
            shown.push_back(single);
    } else {
        const size_t count = m_configuration == Configuration::Quad ? 4 : 2;
        shown.assign(all.begin(), all.begin() + std::min(count, all.size()));
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        int row = 0;
        int column = 0;
        if (m_configuration == Configuration::Quad)
            row = int(i) / 2, column = int(i) % 2;
        else if (m_configuration == Configuration::Horizontal2)
            row = int(i);
        else if (m_configuration == Configuration::Vertical2)
            column = int(i);
        m_grid->addWidget(shown[i], row, column);
    }
    for (QWidget* pane : all)
        pane->setVisible(std::find(shown.begin(), shown.end(), pane) != shown.end());
}

} // namespace nbhost
