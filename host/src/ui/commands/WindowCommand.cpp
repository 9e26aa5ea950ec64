#include "ui/commands/WindowCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MIntArray.h>
#include <maya/MQtUtil.h>
#include <maya/MSyntax.h>

#include "ui/ControlRegistry.h"
#include "ui/GuiSession.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowParts.h"
#include "ui/ScriptWindow.h"

namespace nbhost {

namespace {
const char* const kName = "window";

QWidget* findWindow(const QString& name) { return MQtUtil::findWindow(MQtUtil::toMString(name)); }

void resizeFromFlag(QWidget& window, const MArgDatabase& db)
{
    int width = 0;
    int height = 0;
    db.getFlagArgument("-widthHeight", 0, width);
    db.getFlagArgument("-widthHeight", 1, height);
    window.resize(qMax(1, width), qMax(1, height));
}
} // namespace

void* WindowCommand::creator() { return new WindowCommand; }

MSyntax WindowCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-ret", "-retain");
    syntax.addFlag("-t", "-title", MSyntax::kString);
    syntax.addFlag("-wh", "-widthHeight", MSyntax::kLong, MSyntax::kLong);
    syntax.addFlag("-vis", "-visible", MSyntax::kBoolean);
    syntax.addFlag("-ex", "-exists");
    syntax.addFlag("-mb", "-menuBar", MSyntax::kBoolean);
    syntax.setObjectType(MSyntax::kStringObjects, 0, 1);
    syntax.enableQuery();
    syntax.enableEdit();
    return syntax;
}

MStatus WindowCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (!gui(kName))
        return MStatus::kFailure;
    const QString name = objectName(db);
    if (db.isFlagSet("-exists")) {
        setResult(findWindow(name) != nullptr);
        return MStatus::kSuccess;
    }
    if (!db.isQuery() && !db.isEdit())
        return create(db);
    QWidget* window = findWindow(name);
    if (!window)
        return notFound(kName, name);
    if (db.isQuery()) {
        if (db.isFlagSet("-title")) {
            setResult(window->windowTitle());
        } else if (db.isFlagSet("-widthHeight")) {
            MIntArray size;
            size.append(window->width());
            size.append(window->height());
            setResult(size);
        } else if (db.isFlagSet("-visible")) {
            setResult(window->isVisible());
        } else if (db.isFlagSet("-retain")) {
            auto* scriptWindow = qobject_cast<ScriptWindow*>(window);
            setResult(!scriptWindow || scriptWindow->isRetained());
        }
        return MStatus::kSuccess;
    }
    if (db.isFlagSet("-title"))
        window->setWindowTitle(stringFlag(db, "-title"));
    if (db.isFlagSet("-widthHeight"))
        resizeFromFlag(*window, db);
    if (db.isFlagSet("-visible"))
        window->setVisible(db.flagArgumentBool("-visible", 0));
    return MStatus::kSuccess;
}

MStatus WindowCommand::create(const MArgDatabase& db)
{
    const QString name = newName(kName, db, QStringLiteral("window"));
    if (name.isEmpty())
        return MStatus::kFailure;
    auto* window = new ScriptWindow(name, db.isFlagSet("-retain"), &GuiSession::current()->mainWindow());
    if (db.isFlagSet("-title"))
        window->setWindowTitle(stringFlag(db, "-title"));
    if (db.isFlagSet("-widthHeight"))
        resizeFromFlag(*window, db);
    if (db.isFlagSet("-menuBar") && db.flagArgumentBool("-menuBar", 0))
        window->menuBar();
    MainWindowParts::setCurrentParent(name);
    setResult(name);
    return MStatus::kSuccess;
}

} // namespace nbhost
