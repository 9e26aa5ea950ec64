#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

namespace nbhost {

class ModelPanel;
class PaneLayout;

// The main window's central area: the pane layout "viewPanes" with the
// four model panels of the real host (modelPanel1 top, modelPanel2 side,
// modelPanel3 front, modelPanel4 persp), one large persp view at first,
// and the help line that shows the current tool's help string. It plugs
// itself into the main window through MainWindowParts and repaints the
// views when the host asks.
class ViewArea : public QWidget
{
    Q_OBJECT

public:
    explicit ViewArea(QWidget* parent = nullptr);
    ~ViewArea() override;

    PaneLayout& panes() { return *m_panes; }
    ModelPanel& perspPanel() { return *m_persp; }

    // The help line of every view area.
    static void showHelp(const QString& text);

private:
    PaneLayout* m_panes;
    ModelPanel* m_persp = nullptr;
    QLabel* m_help;
};

} // namespace nbhost
