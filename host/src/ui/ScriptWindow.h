#pragma once

#include <QWidget>

class QMenuBar;
class QVBoxLayout;

namespace nbhost {

// A window made by the `window` command: a top-level widget whose layout
// takes the controls made under it (MainWindowParts::addToParent) and, on
// demand, a menu bar for `menu -parent`. Closing a retained window hides
// it; closing any other deletes it.
class ScriptWindow : public QWidget
{
    Q_OBJECT

public:
    ScriptWindow(const QString& name, bool retain, QWidget* parent);

    bool isRetained() const { return m_retain; }
    // Created on first use.
    QMenuBar* menuBar();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_retain;
    QVBoxLayout* m_layout = nullptr;
    QMenuBar* m_menuBar = nullptr;
};

} // namespace nbhost
