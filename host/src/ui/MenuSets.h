#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

class QMenu;

namespace nbhost {

// The main window's menu sets (modelling, rigging, animation, effects,
// rendering): a menu added to sets shows only while one of them is
// current; menus in no set always show.
class MenuSets : public QObject
{
    Q_OBJECT

public:
    MenuSets();

    // The set names, in the order the menu set selector lists them.
    static const QStringList& names();
    // What the selector shows for a set ("Animation" for animationMenuSet).
    static QString label(const QString& set);
    static bool exists(const QString& set);

    QString current() const { return m_current; }
    // False for an unknown set.
    bool setCurrent(const QString& set);
    // False for an unknown set or a null menu; adding twice is harmless.
    bool addMenu(const QString& set, QMenu* menu);
    // Names of the set's menus that still exist, in the order added.
    QStringList menusOf(const QString& set) const;

signals:
    void currentChanged(const QString& set);

private:
    void applyVisibility();

    QString m_current;
    std::map<QString, std::vector<QPointer<QMenu>>> m_members;
};

} // namespace nbhost
