#include "files/SceneFiles.h"

#include "core/CommandRunner.h"
#include "core/Host.h"
#include "core/Output.h"
#include "events/EventBus.h"
#include "files/AsciiSceneReader.h"
#include "files/AsciiSceneWriter.h"
#include "files/BinarySceneReader.h"
#include "files/BinarySceneWriter.h"
#include "files/FileBytes.h"
#include "files/SceneBackup.h"
#include "files/SceneBuilder.h"
#include "files/SceneCollector.h"
#include "scene/Scene.h"
#include "time/TimeState.h"
#include "undo/UndoQueue.h"

#include <filesystem>

namespace nbhost {

namespace {

MStatus failure(const std::string& text)
{
    Output::write(Output::Kind::Error, text);
    return MStatus::kFailure;
}

std::string absolute(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::absolute(path, ignored).lexically_normal().string();
}

// Sets a flag for the length of a scope.
class FlagScope
{
public:
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

SceneFiles& SceneFiles::instance()
{
    static SceneFiles files;
    return files;
}

void SceneFiles::setCurrentFile(const std::string& path)
{
    m_currentFile = path.empty() ? std::string() : absolute(path);
}

void SceneFiles::startUntitled(Host& host)
{
    m_currentFile.clear();
    markUnmodified(host);
}

bool SceneFiles::isModified() const
{
    Host* host = Host::current();
    return m_changedOutsideCommands || (host && host->runner().changeCount() != m_savedChangeCount);
}

void SceneFiles::markUnmodified(Host& host)
{
    m_changedOutsideCommands = false;
    m_savedChangeCount = host.runner().changeCount();
}

SceneFormat::Kind SceneFiles::currentType() const { return SceneFormat::fromPath(m_currentFile); }

bool SceneFiles::isFree(const std::string& action) const
{
    if (!FileReadState::isReadingFile() && !m_writing && !m_newing)
        return true;
    failure("Cannot " + action + " while a scene file is being read or written.");
    return false;
}

void SceneFiles::resetUnits(Host& host)
{
    host.sceneUnits() = SceneUnits();
    host.time().setUIUnit(MTime::kFilm);
}

MStatus SceneFiles::newScene()
{
    Host* host = Host::current();
    if (!host || !isFree("start a new scene"))
        return MStatus::kFailure;
    FlagScope newing(m_newing);
    host->undoQueue().flush();
    Scene::instance().reset();
    resetUnits(*host);
    startUntitled(*host);
    return MStatus::kSuccess;
}

MStatus SceneFiles::open(const std::string& path)
{
    Host* host = Host::current();
    if (!host || !isFree("open \"" + path + "\""))
        return MStatus::kFailure;
    std::string bytes, why;
    if (!FileBytes::read(path, bytes, &why))
        return failure("Cannot open \"" + path + "\": " + why + ".");
    SceneBackup backup(*host);
    Scene::instance().reset();
    resetUnits(*host);
    const unsigned long errors = Output::errorCount();
    bool ok = false;
    {
        FileReadState::Scope opening(FileReadState::Mode::Opening);
        SceneBuilder builder(FileReadState::Mode::Opening);
        ok = readInto(bytes, path, builder, &why);
    }
    if (!ok) {
        backup.restore();
        return failure("Cannot open \"" + path + "\": " + why + ". The previous scene is kept.");
    }
    warnOfErrors(errors, path);
    host->undoQueue().flush();
    backup.commit();
    m_currentFile = absolute(path);
    markUnmodified(*host);
    host->events().fire("SceneOpened");
    return MStatus::kSuccess;
}

MStatus SceneFiles::importFile(const std::string& path)
{
    return add(path, FileReadState::Mode::Importing, "import");
}

MStatus SceneFiles::reference(const std::string& path)
{
    return add(path, FileReadState::Mode::Referencing, "reference");
}

MStatus SceneFiles::add(const std::string& path, FileReadState::Mode mode, const char* verb)
{
    if (!isFree(std::string(verb) + " \"" + path + "\""))
        return MStatus::kFailure;
    std::string bytes, why;
    if (!FileBytes::read(path, bytes, &why))
        return failure(std::string("Cannot ") + verb + " \"" + path + "\": " + why + ".");
    SceneBuilder builder(mode);
    const unsigned long errors = Output::errorCount();
    bool ok = false;
    {
        FileReadState::Scope reading(mode);
        ok = readInto(bytes, path, builder, &why);
    }
    if (!ok) {
        builder.discardCreated();
        return failure(std::string("Cannot ") + verb + " \"" + path + "\": " + why
                       + ". Nothing of it was added to the scene.");
    }
    warnOfErrors(errors, path);
    noteChange();
    return MStatus::kSuccess;
}

bool SceneFiles::readInto(const std::string& bytes, const std::string& path, SceneBuilder& builder,
                          std::string* error)
{
    if (SceneFormat::detect(bytes) == SceneFormat::Binary)
        return BinarySceneReader::read(bytes, path, builder, error);
    return AsciiSceneReader::read(bytes, path, builder, error);
}

// Readers go on past damage and show each error as they meet it; one
// warning at the end says that the scene may be incomplete.
void SceneFiles::warnOfErrors(unsigned long errorsBefore, const std::string& path)
{
    if (Output::errorCount() != errorsBefore)
        Output::write(Output::Kind::Warning,
                      "Errors occurred while reading \"" + path + "\": data may have been lost.");
}

MStatus SceneFiles::save(std::optional<SceneFormat::Kind> type)
{
    Host* host = Host::current();
    if (!host || !isFree("save the scene"))
        return MStatus::kFailure;
    if (m_currentFile.empty())
        return failure("The scene has no name yet: name it with file -rename <path>, then save.");
    const SceneFormat::Kind kind = type ? *type : currentType();
    std::string bytes, why;
    bool ok = true;
    {
        FlagScope writing(m_writing);
        const SceneContents contents = SceneCollector::collect(*host);
        if (kind == SceneFormat::Binary)
            ok = BinarySceneWriter::write(contents, bytes, &why);
        else
            bytes = AsciiSceneWriter::write(contents, m_currentFile);
    }
    if (!ok || !FileBytes::write(m_currentFile, bytes, &why))
        return failure("Cannot save \"" + m_currentFile + "\": " + why + ".");
    markUnmodified(*host);
    return MStatus::kSuccess;
}

} // namespace nbhost
