#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

class QGridLayout;

namespace nbhost {

// A layout of panes, as made by the `paneLayout` command and holding the
// main window's views: its children (model panels) shown one at a time,
// two side by side or stacked, or four in a grid, in the order they were
// added. A single pane shows the one chosen last (or the first).
class PaneLayout : public QWidget
{
    Q_OBJECT

public:
    enum class Configuration { Single, Horizontal2, Vertical2, Quad };

    explicit PaneLayout(QWidget* parent = nullptr);

    // "single", "horizontal2" (one above the other), "vertical2" (side by
    // side) or "quad"; false for other names.
    static bool parseConfiguration(const QString& name, Configuration& configuration);
    static QString configurationName(Configuration configuration);

    void addPane(QWidget* pane);
    // The panes in order, without those deleted meanwhile.
    std::vector<QWidget*> panes() const;
    Configuration configuration() const { return m_configuration; }
    // `single`: the pane a single configuration shows; null keeps it.
    void setConfiguration(Configuration configuration, QWidget* single = nullptr);

private:
    void arrange();

    QGridLayout* m_grid;
    std::vector<QPointer<QWidget>> m_panes;
    QPointer<QWidget> m_single;
    Configuration m_configuration = Configuration::Single;
};

} // namespace nbhost
