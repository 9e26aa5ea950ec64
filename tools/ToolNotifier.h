#pragma once

#include <QObject>

// Tells the panels above the tools about changes the tools made to the
// user's tool settings (the size or opacity adjusted by dragging with B or
// M held), so the tool options panel can show the new values. One instance
// for the plug-in's lifetime; panels connect to it.
class ToolNotifier : public QObject
{
    Q_OBJECT

public:
    static ToolNotifier* GetInstance();

signals:
    void ToolOptionsChanged();

private:
    ToolNotifier() = default;
};
