#include "viewport/commands/PlayblastCommand.h"

#include <maya/MArgDatabase.h>
#include <maya/MArgList.h>
#include <maya/MSyntax.h>

#include "core/Host.h"
#include "time/TimeState.h"
#include "viewport/Playblast.h"
#include "viewport/PlayblastViewer.h"
#include "viewport/View3d.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace nbhost {

namespace {

const char* const kName = "playblast";

std::vector<double> framesOf(const MArgDatabase& db, const TimeState& time)
{
    std::vector<double> frames;
    const unsigned int uses = db.numberOfFlagUses("-frame");
    for (unsigned int i = 0; i < uses; ++i) {
        MArgList list;
        double frame = 0.0;
        if (db.getFlagArgumentList("-frame", i, list) && list.length() > 0) {
            MStatus status;
            frame = list.asDouble(0, &status);
            if (status)
                frames.push_back(frame);
        }
    }
    if (!frames.empty())
        return frames;
    double start = time.minTime().as(time.uiUnit());
    double end = time.maxTime().as(time.uiUnit());
    if (db.isFlagSet("-startTime"))
        db.getFlagArgument("-startTime", 0, start);
    if (db.isFlagSet("-endTime"))
        db.getFlagArgument("-endTime", 0, end);
    for (double frame = std::ceil(start - 1e-9); frame <= end + 1e-9; frame += 1.0)
        frames.push_back(frame);
    return frames;
}

} // namespace

void* PlayblastCommand::creator() { return new PlayblastCommand; }

MSyntax PlayblastCommand::newSyntax()
{
    MSyntax syntax;
    syntax.addFlag("-fmt", "-format", MSyntax::kString);
    syntax.addFlag("-c", "-compression", MSyntax::kString);
    syntax.addFlag("-f", "-filename", MSyntax::kString);
    syntax.addFlag("-st", "-startTime", MSyntax::kDouble);
    syntax.addFlag("-et", "-endTime", MSyntax::kDouble);
    syntax.addFlag("-fr", "-frame", MSyntax::kDouble);
    syntax.makeFlagMultiUse("-frame");
    syntax.addFlag("-wh", "-widthHeight", MSyntax::kLong, MSyntax::kLong);
    syntax.addFlag("-v", "-viewer", MSyntax::kBoolean);
    syntax.addFlag("-orn", "-showOrnaments", MSyntax::kBoolean);
    syntax.addFlag("-os", "-offScreen");
    syntax.addFlag("-p", "-percent", MSyntax::kLong);
    syntax.addFlag("-fo", "-forceOverwrite");
    syntax.addFlag("-fp", "-framePadding", MSyntax::kLong);
    syntax.addFlag("-qlt", "-quality", MSyntax::kLong);
    syntax.addFlag("-cc", "-clearCache", MSyntax::kBoolean);
    return syntax;
}

MStatus PlayblastCommand::doIt(const MArgList& args)
{
    MArgDatabase db(syntax(), args);
    if (!gui(kName))
        return MStatus::kFailure;
    View3d* view = View3d::active();
    Host* host = Host::current();
    if (!view || !host)
        return fail(kName, QStringLiteral("There is no active view to capture."));
    if (db.isFlagSet("-format") && stringFlag(db, "-format") != QLatin1String("image"))
        return fail(kName, QStringLiteral("Only the image format is supported (-format image)."));

    Playblast::Settings settings;
    if (db.isFlagSet("-compression"))
        settings.format = stringFlag(db, "-compression").toLower();
    if (settings.format == QLatin1String("jpeg"))
        settings.format = QStringLiteral("jpg");
    QString name = db.isFlagSet("-filename") ? stringFlag(db, "-filename") : QStringLiteral("playblast");
    if (name.isEmpty())
        return fail(kName, QStringLiteral("The file name is empty."));
    // Relative names go to the temporary folder, as the real host's go to
    // its project's folder.
    if (QFileInfo(name).isRelative())
        name = QDir::temp().filePath(name);
    settings.baseName = QDir::cleanPath(name);
    settings.frames = framesOf(db, host->time());
    if (settings.frames.empty())
        return fail(kName, QStringLiteral("The time range holds no frame."));
    if (db.isFlagSet("-widthHeight")) {
        db.getFlagArgument("-widthHeight", 0, settings.width);
        db.getFlagArgument("-widthHeight", 1, settings.height);
        if (settings.width < 0 || settings.height < 0 || settings.width > 16384 || settings.height > 16384)
            return fail(kName, QStringLiteral("The size must be 0 (the view's) to 16384 pixels."));
    }
    settings.percent = 50;
    if (db.isFlagSet("-percent"))
        db.getFlagArgument("-percent", 0, settings.percent);
    if (settings.percent < 1 || settings.percent > 400)
        return fail(kName, QStringLiteral("The percentage must be 1 to 400."));
    if (db.isFlagSet("-framePadding"))
        db.getFlagArgument("-framePadding", 0, settings.padding);
    settings.padding = std::clamp(settings.padding, 1, 9);
    settings.ornaments = !db.isFlagSet("-showOrnaments") || db.flagArgumentBool("-showOrnaments", 0);
    settings.overwrite = db.isFlagSet("-forceOverwrite");

    QString error;
    if (!Playblast::run(*view, host->time(), settings, error))
        return fail(kName, error);
    const bool viewer = !db.isFlagSet("-viewer") || db.flagArgumentBool("-viewer", 0);
    if (viewer)
        PlayblastViewer::show(settings, host->time().uiUnit());
    setResult(Playblast::pattern(settings));
    return MStatus::kSuccess;
}

} // namespace nbhost
