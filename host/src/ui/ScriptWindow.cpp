#include "ui/ScriptWindow.h"

#include "ui/ControlRegistry.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

namespace nbhost {

ScriptWindow::ScriptWindow(const QString& name, bool retain, QWidget* parent)
    : QWidget(parent, Qt::Window), m_retain(retain)
{
    setWindowTitle(name);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->setSpacing(2);
    ControlRegistry::registerControl(name, this);
}

QMenuBar* ScriptWindow::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_layout->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void ScriptWindow::closeEvent(QCloseEvent* event)
{
    if (!m_retain)
        ControlRegistry::markDeleted(this);
    event->accept();
}

} // namespace nbhost
