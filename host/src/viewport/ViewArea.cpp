#include "viewport/ViewArea.h"

#include "ui/ControlRegistry.h"
#include "ui/MainWindowParts.h"
#include "viewport/ModelPanel.h"
#include "viewport/PaneLayout.h"

#include <QLabel>
#include <QVBoxLayout>

#include <vector>

namespace nbhost {

namespace {

std::vector<QPointer<ViewArea>>& areas()
{
    static std::vector<QPointer<ViewArea>> instance;
    return instance;
}

QString& helpText()
{
    static QString text;
    return text;
}

const bool g_installed = [] {
    MainWindowParts::setCentralWidgetFactory([](QWidget* parent) { return new ViewArea(parent); });
    MainWindowParts::setRefreshHandler([](bool force) { View3d::refreshAll(force); });
    return true;
}();

} // namespace

ViewArea::ViewArea(QWidget* parent) : QWidget(parent), m_panes(new PaneLayout(this)), m_help(new QLabel(this))
{
    setObjectName(QStringLiteral("viewArea"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_panes, 1);
    m_help->setObjectName(QStringLiteral("helpLine"));
    m_help->setText(helpText());
    layout->addWidget(m_help);
    ControlRegistry::registerControl(QStringLiteral("viewPanes"), m_panes);

    struct Pane { const char* name; const char* camera; };
    // Quad order: top, persp above side, front.
    for (Pane pane : {Pane{"modelPanel1", "top"}, Pane{"modelPanel4", "persp"}, Pane{"modelPanel2", "side"},
                      Pane{"modelPanel3", "front"}}) {
        auto* panel = new ModelPanel(QString::fromLatin1(pane.name), QString::fromLatin1(pane.camera));
        m_panes->addPane(panel);
        ControlRegistry::registerControl(panel->panelName(), panel);
        if (panel->panelName() == QLatin1String("modelPanel4"))
            m_persp = panel;
    }
    m_panes->setConfiguration(PaneLayout::Configuration::Single, m_persp);
    View3d::setActive(m_persp);
    areas().emplace_back(this);
}

ViewArea::~ViewArea() = default;

void ViewArea::showHelp(const QString& text)
{
    helpText() = text;
    for (const auto& area : areas())
        if (area)
            area->m_help->setText(text);
}

} // namespace nbhost
