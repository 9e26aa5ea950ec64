#include "base/MayaUtil.h"

// The plug-in's main menu, built by its embedded script.

#include "base/Settings.h"

#include <QFile>

namespace {

const QString SCRIPT_RESOURCE = QStringLiteral(":/scripts/Nibline.mel");

} // namespace

// --- Menu script ------------------------------------------------------------

bool MayaUtil::SourceScripts()
{
    QFile resource(SCRIPT_RESOURCE);
    if (!resource.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = resource.readAll();
    const int end = bytes.indexOf('\0');
    const QString text = QString::fromLatin1(end < 0 ? bytes : bytes.left(end));
    return ExecuteMel(ParseScript(text));
}

// The menu name comes from the user's settings file: it is escaped so that,
// inside the script's string literals, it cannot end the string early.
QString MayaUtil::ParseScript(const QString& text)
{
    const QString menuName = EscapeString(Settings::mainMenuName);
    const std::pair<const char*, QString> nameTokens[] = {
        {"{MAIN_MENU_NAME}", menuName},
        {"{NODE_CMD}", Settings::NODE_COMMAND_NAME},
        {"{LAYER_CMD}", Settings::LAYER_COMMAND_NAME},
        {"{FRAME_CMD}", Settings::FRAME_COMMAND_NAME},
        {"{UTIL_CMD}", Settings::UTIL_COMMAND_NAME},
        {"{FUNC_CREATE_MAIN_MENU}", Settings::CREATE_MAIN_MENU_FUNC_NAME},
        {"{FUNC_DELETE_MAIN_MENU}", Settings::DELETE_MAIN_MENU_FUNC_NAME},
        {"{FUNC_UPDATE_MAIN_MENU}", Settings::UPDATE_MAIN_MENU_FUNC_NAME},
        {"{FUNC_CREATE_FLOATING_VIEWPORT}", Settings::CREATE_FLOATING_VIEWPORT_FUNC_NAME},
        {"{FUNC_VIEWPORT_LOOK_THROUGH}", Settings::VIEWPORT_LOOK_THROUGH_FUNC_NAME},
        {"{FUNC_VIEWPORT_CREATE_CAMERA}", Settings::VIEWPORT_CREATE_CAMERA_FUNC},
        {"{FUNC_DELETE_ACTIVE_LAYER}", Settings::DELETE_ACTIVE_LAYER_FUNC},
        {"{FUNC_DELETE_ACTIVE_CAMERA_LAYERS}", Settings::DELETE_ACTIVE_CAMERA_LAYERS_FUNC},
        {"{FUNC_DELETE_ALL_NODES}", Settings::DELETE_ALL_NODES_FUNC},
        {"{NODE_TYPE_NAME}", Settings::NODE_TYPE_NAME},
    };
    QString script = text;
    for (const auto& [token, name] : nameTokens)
        script.replace(QLatin1String(token), name, Qt::CaseSensitive);
    return script;
}

bool MayaUtil::CreateMainMenu()
{
    return ExecuteMel(QStringLiteral("%1(%2)")
                          .arg(Settings::CREATE_MAIN_MENU_FUNC_NAME,
                               Bit(Settings::showMainMenuInAnimationSet)));
}

bool MayaUtil::DeleteMainMenu()
{
    return ExecuteMel(Settings::DELETE_MAIN_MENU_FUNC_NAME);
}

bool MayaUtil::UpdateMainMenu()
{
    return ExecuteMel(QStringLiteral("%1(%2, %3, %4, %5)")
                          .arg(Settings::UPDATE_MAIN_MENU_FUNC_NAME, Num(Settings::activeTool),
                               Bit(Settings::ghostPrev), Bit(Settings::ghostNext),
                               Num(Settings::timelineFrameDisplay)));
}

bool MayaUtil::CreateFloatingViewport(const QString& camera)
{
    return ExecuteMel(QStringLiteral("%1(%2)").arg(Settings::CREATE_FLOATING_VIEWPORT_FUNC_NAME,
                                                   QuoteString(camera)),
                      false, true);
}
