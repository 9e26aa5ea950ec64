#include "base/Settings.h"

#include "base/ImageSize.h"
#include "base/Logger.h"
#include "base/MayaUtil.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QFont>
#include <QGuiApplication>
#include <QSettings>

#include <cctype>
#include <variant>
#include <vector>

const int Settings::CONFIG_FILE_VERSION = 1;
const int Settings::FINAL_IMAGE_WIDTH = FRAME_IMAGE_SIDE;
const int Settings::DEFAULT_STATIC_FRAME_TIME = -999;
const int Settings::MAX_PENCIL_SIZE = 100;
const int Settings::MAX_BRUSH_SIZE = 100;
const int Settings::MAX_ERASER_SIZE = 100;
const int Settings::MAX_TEXT_SIZE = 100;
const int Settings::MAX_LINE_SIZE = 50;
const int Settings::MAX_ARROW_SIZE = 50;
const int Settings::MAX_ELLIPSE_SIZE = 50;
const int Settings::MAX_RECTANGLE_SIZE = 50;
const int Settings::DEFAULT_GHOSTED_FRAME_COUNT = 3;
const int Settings::MIN_GHOSTED_FRAMES = 1;
const int Settings::MAX_GHOSTED_FRAMES = 9;

const QString Settings::APPLICATION_NAME = QStringLiteral("Nibline2");
const QString Settings::APPLICATION_TITLE = QStringLiteral("Nibline 2");
const QString Settings::NODE_TYPE_NAME = QStringLiteral("vxNibline");
const QString Settings::VERSION_STRING = QStringLiteral("2.5.4");
const QString Settings::AUTHOR = QStringLiteral("Nibline 2 developers");
const QString Settings::CONFIG_FILE_NAME = QStringLiteral("nibline2.ini");
const QString Settings::DEFAULT_MAIN_MENU_NAME = QStringLiteral("NB2");
const QString Settings::NODE_COMMAND_NAME = QStringLiteral("vxNiblineNode");
const QString Settings::LAYER_COMMAND_NAME = QStringLiteral("vxNiblineLayer");
const QString Settings::FRAME_COMMAND_NAME = QStringLiteral("vxNiblineFrame");
const QString Settings::STROKE_COMMAND_NAME = QStringLiteral("vxNiblineStroke");
const QString Settings::UTIL_COMMAND_NAME = QStringLiteral("vxNiblineUtil");
const QString Settings::DEFAULT_LAYER_NAME = QStringLiteral("Layer");
const QColor Settings::DEFAULT_DRAW_COLOR = QColor(0, 255, 255);
const QColor Settings::DEFAULT_TIMELINE_FRAME_COLOR = QColor(143, 193, 207, 255);
const QString Settings::CREATE_MAIN_MENU_FUNC_NAME = QStringLiteral("vxNbCreateMainMenu");
const QString Settings::DELETE_MAIN_MENU_FUNC_NAME = QStringLiteral("vxNbDeleteMainMenu");
const QString Settings::UPDATE_MAIN_MENU_FUNC_NAME = QStringLiteral("vxNbUpdateMainMenu");
const QString Settings::CREATE_FLOATING_VIEWPORT_FUNC_NAME = QStringLiteral("vxNbCreateFloatingViewport");
const QString Settings::VIEWPORT_LOOK_THROUGH_FUNC_NAME = QStringLiteral("vxNbViewportLookThrough");
const QString Settings::VIEWPORT_CREATE_CAMERA_FUNC = QStringLiteral("vxNbViewportCreateCamera");
const QString Settings::DELETE_ACTIVE_LAYER_FUNC = QStringLiteral("vxNbDeleteActiveLayer");
const QString Settings::DELETE_ACTIVE_CAMERA_LAYERS_FUNC = QStringLiteral("vxNbDeleteActiveCameraLayers");
const QString Settings::DELETE_ALL_NODES_FUNC = QStringLiteral("vxNbDeleteAllNodes");

QString Settings::mainMenuName = Settings::DEFAULT_MAIN_MENU_NAME;
QByteArray Settings::toolboxGeometry;
QByteArray Settings::toolOptionsGeometry;
QByteArray Settings::layerManagerGeometry;
QByteArray Settings::colorPaletteGeometry;
QByteArray Settings::retimingGeometry;

int Settings::activeTool = 1;
QColor Settings::activeColor = Settings::DEFAULT_DRAW_COLOR;
int Settings::pencilSize = 6;
int Settings::pencilOpacity = 100;
bool Settings::pencilTabletEnabled = false;
int Settings::brushSize = 6;
int Settings::brushOpacity = 100;
bool Settings::brushTabletEnabled = true;
int Settings::eraserSize = 40;
// The application's default font family is filled in when the settings are
// read, once a GUI application object exists.
QString Settings::textFontFamily;
int Settings::textSize = 20;
int Settings::textOpacity = 100;
int Settings::lineSize = 6;
int Settings::lineOpacity = 100;
int Settings::arrowSize = 6;
int Settings::arrowOpacity = 100;
int Settings::ellipseSize = 6;
int Settings::ellipseOpacity = 100;
int Settings::rectangleSize = 6;
int Settings::rectangleOpacity = 100;
bool Settings::ghostPrev = false;
bool Settings::ghostNext = false;
int Settings::ghostPrevCount = 3;
int Settings::ghostNextCount = 3;
bool Settings::ghostColorOverride = false;
QColor Settings::ghostColorOverridePrev = QColor(0, 128, 0);
QColor Settings::ghostColorOverrideNext = QColor(128, 0, 0);
bool Settings::retimeMoveToNextFrame = false;

bool Settings::drawToolContextMenu = true;
bool Settings::transformToolContextMenu = true;
bool Settings::timelineContextMenu = true;
bool Settings::toolboxDrawToolContextMenu = true;
bool Settings::toolboxGhostingContextMenu = true;
bool Settings::showMainMenuInAnimationSet = false;
bool Settings::disableGhostingDuringPlayback = true;
bool Settings::timeControlRangeMoveEnabled = true;
bool Settings::ignore2dPanZoom = false;
int Settings::defaultLayerState = 0;
bool Settings::automaticallyAddFirstLayer = true;
bool Settings::alwaysDisplayNewLayerDialog = false;
bool Settings::insertDefaultStaticFrame = true;
int Settings::defaultStaticFrameTime = -999;
int Settings::timelineFrameDisplay = 0;
QColor Settings::timelineFrameColor = Settings::DEFAULT_TIMELINE_FRAME_COLOR;

int Settings::brushHardness = 100;
int Settings::eraserOpacity = 100;
int Settings::eraserHardness = 100;
bool Settings::eraserTabletEnabled = false;
std::atomic<float> Settings::tabletPressure{1.0f};
bool Settings::tabletEraserEnabled = false;
bool Settings::guiEnabled = true;
bool Settings::excludeAsLocator = false;

namespace {

// How a stored integer outside [min, max] is treated.
enum class Range
{
    Any,   // taken as is
    Clamp, // clamped into the range
    Keep,  // ignored: the member keeps its value
    Reset  // replaced by the fallback
};

using Member = std::variant<QString*, QByteArray*, int*, bool*, QColor*>;

struct Key
{
    const char* name;
    Member member;
    Range range = Range::Any;
    int min = 0;
    int max = 0;
    int fallback = 0;
};

struct Group
{
    const char* name;
    std::vector<Key> keys;
};

// Every persisted key, group by group, in the order of the file.
const std::vector<Group>& PersistedGroups()
{
    using S = Settings;
    const int ghostReset = S::DEFAULT_GHOSTED_FRAME_COUNT;
    static const std::vector<Group> groups = {
        {"main",
         {{"mainMenuName", &S::mainMenuName},
          {"toolboxGeometry", &S::toolboxGeometry},
          {"toolOptionsGeometry", &S::toolOptionsGeometry},
          {"layerManagerGeometry", &S::layerManagerGeometry},
          {"colorPaletteGeometry", &S::colorPaletteGeometry},
          {"retimingToolGeometry", &S::retimingGeometry}}},
        {"tools",
         {{"activeTool", &S::activeTool, Range::Keep, TOOL_PENCIL, TOOL_RECTANGLE},
          {"activeColor", &S::activeColor},
          {"pencilSize", &S::pencilSize, Range::Clamp, 1, S::MAX_PENCIL_SIZE},
          {"pencilOpacity", &S::pencilOpacity, Range::Clamp, 1, 100},
          {"pencilTabletEnabled", &S::pencilTabletEnabled},
          {"brushSize", &S::brushSize, Range::Clamp, 1, S::MAX_BRUSH_SIZE},
          {"brushOpacity", &S::brushOpacity, Range::Clamp, 1, 100},
          {"brushTabletEnabled", &S::brushTabletEnabled},
          {"eraserSize", &S::eraserSize, Range::Clamp, 1, S::MAX_ERASER_SIZE},
          {"textFontFamily", &S::textFontFamily},
          {"textSize", &S::textSize, Range::Clamp, 1, S::MAX_TEXT_SIZE},
          {"textOpacity", &S::textOpacity, Range::Clamp, 1, 100},
          {"lineSize", &S::lineSize, Range::Clamp, 1, S::MAX_LINE_SIZE},
          {"lineOpacity", &S::lineOpacity, Range::Clamp, 1, 100},
          {"arrowSize", &S::arrowSize, Range::Clamp, 1, S::MAX_ARROW_SIZE},
          {"arrowOpacity", &S::arrowOpacity, Range::Clamp, 1, 100},
          {"ellipseSize", &S::ellipseSize, Range::Clamp, 1, S::MAX_ELLIPSE_SIZE},
          {"ellipseOpacity", &S::ellipseOpacity, Range::Clamp, 1, 100},
          {"rectangleSize", &S::rectangleSize, Range::Clamp, 1, S::MAX_RECTANGLE_SIZE},
          {"rectangleOpacity", &S::rectangleOpacity, Range::Clamp, 1, 100},
          {"ghostPrev", &S::ghostPrev},
          {"ghostNext", &S::ghostNext},
          {"ghostPrevCount", &S::ghostPrevCount, Range::Reset, S::MIN_GHOSTED_FRAMES,
           S::MAX_GHOSTED_FRAMES, ghostReset},
          {"ghostNextCount", &S::ghostNextCount, Range::Reset, S::MIN_GHOSTED_FRAMES,
           S::MAX_GHOSTED_FRAMES, ghostReset},
          {"ghostColorOverride", &S::ghostColorOverride},
          {"ghostColorOverridePrev", &S::ghostColorOverridePrev},
          {"ghostColorOverrideNext", &S::ghostColorOverrideNext},
          {"retimeMoveToNextFrame", &S::retimeMoveToNextFrame}}},
        {"preferences",
         {{"drawToolContextMenu", &S::drawToolContextMenu},
          {"transformToolContextMenu", &S::transformToolContextMenu},
          {"timelineContextMenu", &S::timelineContextMenu},
          {"toolboxDrawToolContextMenu", &S::toolboxDrawToolContextMenu},
          {"toolboxGhostingContextMenu", &S::toolboxGhostingContextMenu},
          {"showMainMenuInAnimationSet", &S::showMainMenuInAnimationSet},
          {"disableGhostingDuringPlayback", &S::disableGhostingDuringPlayback},
          {"timeControlRangeMoveEnabled", &S::timeControlRangeMoveEnabled},
          {"ignore2dPanZoom", &S::ignore2dPanZoom},
          {"defaultLayerState", &S::defaultLayerState, Range::Keep, 0, 2},
          {"automaticallyAddFirstLayer", &S::automaticallyAddFirstLayer},
          {"alwaysDisplayNewLayerDialog", &S::alwaysDisplayNewLayerDialog},
          {"insertDefaultStaticFrame", &S::insertDefaultStaticFrame},
          {"defaultStaticFrameTime", &S::defaultStaticFrameTime},
          {"timelineFrameDisplay", &S::timelineFrameDisplay, Range::Keep, 0, 2},
          {"timelineFrameColor", &S::timelineFrameColor}}},
    };
    return groups;
}

void ReadInt(const QVariant& stored, const Key& key, int& member)
{
    bool ok = false;
    const int value = stored.toInt(&ok);
    if (!ok)
        return;
    if (key.range == Range::Any || (value >= key.min && value <= key.max))
        member = value;
    else if (key.range == Range::Clamp)
        member = qBound(key.min, value, key.max);
    else if (key.range == Range::Reset)
        member = key.fallback;
}

// Only the spellings the settings file itself produces count as booleans;
// anything else would read as "true" through QVariant and is ignored.
void ReadBool(const QVariant& stored, bool& member)
{
    if (stored.type() == QVariant::Bool) {
        member = stored.toBool();
        return;
    }
    const QString text = stored.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        member = true;
    else if (text == QLatin1String("false") || text == QLatin1String("0"))
        member = false;
}

// A damaged colour entry can decode to a colour of an unknown colour model, which no
// QColor function may even copy; its serialised form shows the model safely.
bool HasKnownColorModel(const QVariant& stored)
{
    if (stored.userType() != QMetaType::QColor)
        return true;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    QMetaType::save(out, QMetaType::QColor, stored.constData());
    const int model = bytes.isEmpty() ? -1 : static_cast<qint8>(bytes.at(0));
    return model > QColor::Invalid && model <= QColor::ExtendedRgb;
}

// A stored value that is not a valid colour keeps the current colour, so a
// damaged file cannot leave the plug-in drawing with no colour at all. Only
// a colour or a colour's name is taken: other types that convert to a
// colour (a brush) carry one that was never checked.
void ReadColor(const QVariant& stored, QColor& member)
{
    if (stored.userType() != QMetaType::QColor && stored.userType() != QMetaType::QString)
        return;
    const QColor color = stored.value<QColor>();
    if (color.isValid())
        member = color;
}

void ReadKey(const QSettings& file, const Key& key)
{
    // A colour of an unknown model stored under any key (a string's key too,
    // whose conversion would copy it) is passed over.
    const QVariant stored = file.value(QLatin1String(key.name));
    if (!stored.isValid() || !HasKnownColorModel(stored))
        return;
    if (auto text = std::get_if<QString*>(&key.member))
        **text = stored.toString();
    else if (auto bytes = std::get_if<QByteArray*>(&key.member))
        **bytes = stored.toByteArray();
    else if (auto number = std::get_if<int*>(&key.member))
        ReadInt(stored, key, **number);
    else if (auto flag = std::get_if<bool*>(&key.member))
        ReadBool(stored, **flag);
    else if (auto color = std::get_if<QColor*>(&key.member))
        ReadColor(stored, **color);
}

// Qt keeps written settings in a process-wide cache that outlives the
// plug-in's module. A string built from a literal points into the module's
// image, so strings are copied before they are handed over.
QVariant StoredValue(const Member& member)
{
    if (auto text = std::get_if<QString*>(&member))
        return QVariant(QString((*text)->constData(), (*text)->size()));
    return std::visit([](auto* value) { return QVariant::fromValue(*value); }, member);
}

// Whether the "@Variant(" at `at` starts a colour exactly as the file writes
// one: type 67 in four big-endian bytes, the last not run on by more hex
// digits (the settings library reads a hex escape for as long as it goes).
bool IsStoredColor(const QByteArray& text, int at)
{
    static const QByteArray color("@Variant(\\0\\0\\0\\x43");
    if (text.mid(at, color.size()) != color)
        return false;
    const int next = at + color.size();
    return next >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[next]));
}

// Stored values of a type other than a colour. The settings library decodes
// a group's values all at once, and a damaged value of a container type can
// ask it for more memory than exists, so such a value's group is not read at
// all. The file writes colours and nothing else that way. Where the file's
// lines may be split into groups otherwise than read here (control
// characters, continued lines, a '[' inside a line, odd group headers) or
// such a value is not where a value starts, no group can be trusted and the
// whole file is passed over.
struct UnreadableValues
{
    bool wholeFile = false;
    QSet<QString> groups;
};

UnreadableValues FindUnreadableValues(const QString& path)
{
    UnreadableValues found;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    const QByteArray text = file.readAll();
    bool plainLines = std::none_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t';
    });
    QString group;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.endsWith('\\') || line.indexOf('[', 1) > 0)
            plainLines = false;
        if (line.startsWith('[')) {
            const QByteArray name = line.mid(1, line.size() - 2);
            if (!line.endsWith(']') || name.contains('[') || name.contains(']'))
                plainLines = false;
            group = QString::fromUtf8(name).trimmed();
        }
        const int equals = line.indexOf('=');
        int valueStart = equals < 0 ? -1 : equals + 1;
        while (valueStart > 0 && valueStart < line.size()
               && std::isspace(static_cast<unsigned char>(line[valueStart])))
            ++valueStart;
        for (int at = line.indexOf("@Variant("); at >= 0; at = line.indexOf("@Variant(", at + 1)) {
            if (IsStoredColor(line, at))
                continue;
            if (at == valueStart && !line.startsWith('['))
                found.groups.insert(group);
            else
                found.wholeFile = true;
        }
    }
    if (!found.groups.isEmpty() && !plainLines)
        found.wholeFile = true;
    return found;
}

void LogUnknownTool(ToolType tool)
{
    Logger::Error(QStringLiteral("Unknown tool type: %1").arg(static_cast<int>(tool)));
}

} // namespace

QString Settings::GetUserConfigPath()
{
    const QString directory = MayaUtil::GetMayaPrefsDirectory();
    if (directory.isEmpty() || !QDir().mkpath(directory)) {
        Logger::Error("Failed to retrieve Maya prefs directory");
        return QString();
    }
    return QFileInfo(QDir::cleanPath(directory + QLatin1Char('/') + CONFIG_FILE_NAME))
        .absoluteFilePath();
}

void Settings::ReadUserConfig()
{
    const QString path = GetUserConfigPath();
    if (!path.isEmpty())
        ReadUserConfig(path);
}

void Settings::WriteUserConfig()
{
    const QString path = GetUserConfigPath();
    if (!path.isEmpty() && !WriteUserConfig(path))
        Logger::Error(QStringLiteral("Failed to write settings file: %1").arg(path));
}

void Settings::ReadUserConfig(const QString& path)
{
    FillDefaultFontFamily();
    const UnreadableValues unreadable = FindUnreadableValues(path);
    if (unreadable.wholeFile) {
        Logger::Error(QStringLiteral("Settings file %1 holds a value that cannot be read; "
                                     "no settings are read from it").arg(path));
        return;
    }
    QSettings file(path, QSettings::IniFormat);
    for (const Group& group : PersistedGroups()) {
        if (unreadable.groups.contains(QLatin1String(group.name))) {
            Logger::Error(QStringLiteral("Settings file %1: the group [%2] holds a value that cannot be read; "
                                         "its settings are left as they are")
                              .arg(path, QLatin1String(group.name)));
            continue;
        }
        file.beginGroup(QLatin1String(group.name));
        for (const Key& key : group.keys)
            ReadKey(file, key);
        file.endGroup();
    }
}

bool Settings::WriteUserConfig(const QString& path)
{
    FillDefaultFontFamily();
    QSettings file(path, QSettings::IniFormat);
    for (const Group& group : PersistedGroups()) {
        file.beginGroup(QLatin1String(group.name));
        if (&group == &PersistedGroups().front())
            file.setValue(QLatin1String("version"), CONFIG_FILE_VERSION);
        for (const Key& key : group.keys)
            file.setValue(QLatin1String(key.name), StoredValue(key.member));
        file.endGroup();
    }
    file.sync();
    return file.status() == QSettings::NoError;
}

// The application's font is known only once a GUI application exists, which
// is never the case during static initialisation.
void Settings::FillDefaultFontFamily()
{
    if (!textFontFamily.isEmpty())
        return;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        textFontFamily = QGuiApplication::font().family();
    if (textFontFamily.isEmpty())
        textFontFamily = QStringLiteral("Sans Serif");
}

int* Settings::ToolSizeMember(ToolType tool, int& maxSize)
{
    switch (tool) {
    case TOOL_PENCIL: maxSize = MAX_PENCIL_SIZE; return &pencilSize;
    case TOOL_BRUSH: maxSize = MAX_BRUSH_SIZE; return &brushSize;
    case TOOL_ERASER: maxSize = MAX_ERASER_SIZE; return &eraserSize;
    case TOOL_TEXT: maxSize = MAX_TEXT_SIZE; return &textSize;
    case TOOL_LINE: maxSize = MAX_LINE_SIZE; return &lineSize;
    case TOOL_ARROW: maxSize = MAX_ARROW_SIZE; return &arrowSize;
    case TOOL_ELLIPSE: maxSize = MAX_ELLIPSE_SIZE; return &ellipseSize;
    case TOOL_RECTANGLE: maxSize = MAX_RECTANGLE_SIZE; return &rectangleSize;
    default: return nullptr;
    }
}

int* Settings::ToolOpacityMember(ToolType tool)
{
    switch (tool) {
    case TOOL_PENCIL: return &pencilOpacity;
    case TOOL_BRUSH: return &brushOpacity;
    case TOOL_ERASER: return &eraserOpacity;
    case TOOL_TEXT: return &textOpacity;
    case TOOL_LINE: return &lineOpacity;
    case TOOL_ARROW: return &arrowOpacity;
    case TOOL_ELLIPSE: return &ellipseOpacity;
    case TOOL_RECTANGLE: return &rectangleOpacity;
    default: return nullptr;
    }
}

void Settings::SetToolSize(ToolType tool, int size)
{
    int maxSize = 0;
    if (int* member = ToolSizeMember(tool, maxSize))
        *member = qBound(1, size, maxSize);
    else
        LogUnknownTool(tool);
}

int Settings::GetToolSize(ToolType tool)
{
    int maxSize = 0;
    if (const int* member = ToolSizeMember(tool, maxSize))
        return *member;
    LogUnknownTool(tool);
    return pencilSize;
}

void Settings::SetToolOpacity(ToolType tool, int opacity)
{
    if (int* member = ToolOpacityMember(tool))
        *member = qBound(1, opacity, 100);
    else
        LogUnknownTool(tool);
}

int Settings::GetToolOpacity(ToolType tool)
{
    if (const int* member = ToolOpacityMember(tool))
        return *member;
    LogUnknownTool(tool);
    return pencilOpacity;
}

void Settings::SetToolHardness(ToolType tool, int hardness)
{
    if (tool == TOOL_BRUSH)
        brushHardness = hardness > 100 ? 100 : (hardness < 0 ? 10 : hardness);
    else if (tool == TOOL_ERASER)
        eraserHardness = hardness > 100 ? 100 : (hardness < 0 ? 0 : hardness);
}

int Settings::GetToolHardness(ToolType tool)
{
    if (tool == TOOL_BRUSH)
        return brushHardness;
    if (tool == TOOL_ERASER)
        return eraserHardness;
    return 100;
}

bool Settings::IsTabletPressureEnabled(ToolType tool)
{
    switch (tool) {
    case TOOL_PENCIL: return pencilTabletEnabled;
    case TOOL_BRUSH: return brushTabletEnabled;
    case TOOL_ERASER: return eraserTabletEnabled;
    default: return false;
    }
}
