#pragma once

#include "files/SceneFormat.h"
#include "scene/FileReadState.h"

#include <maya/MStatus.h>

#include <optional>
#include <string>

namespace nbhost {

class Host;
class SceneBuilder;

// The scene's file: its name, and new, open, import, reference and save.
// Reads go by the file's contents (binary magic, else ASCII script).
//
// A file that is not a scene changes nothing: an open reads into a fresh
// scene while the previous one is kept aside and put back when the file is
// refused; an import takes out the nodes it made. A damaged scene loads
// what can be read, with an error for each piece that cannot and one
// warning at the end. Opening and starting a new scene empty the undo
// queue; "SceneOpened" fires after an open. Failures are shown through the
// host's output.
//
// Unsaved changes are counted, not compared: any change after a save makes
// the scene modified, even one undone later.
class SceneFiles
{
public:
    static SceneFiles& instance();

    // Absolute path; empty for an untitled scene.
    const std::string& currentFile() const { return m_currentFile; }
    void setCurrentFile(const std::string& path);
    // The type a save without -type writes.
    SceneFormat::Kind currentType() const;
    // An untitled, unmodified scene; the host calls this when it starts.
    void startUntitled(Host& host);

    // Whether the scene changed since it was opened, saved or started: a
    // command changed something (one that answers isUndoable), an undo or
    // redo ran, or a file was imported or referenced.
    bool isModified() const;
    void noteChange() { m_changedOutsideCommands = true; }

    bool isWriting() const { return m_writing; }
    bool isNewing() const { return m_newing; }

    MStatus newScene();
    MStatus open(const std::string& path);
    MStatus importFile(const std::string& path);
    MStatus reference(const std::string& path);
    // To the current file; the type from its name unless given.
    MStatus save(std::optional<SceneFormat::Kind> type = std::nullopt);

private:
    SceneFiles() = default;
    // False, with an error shown, while another file operation runs (a
    // plug-in reacting to a read cannot start another one).
    bool isFree(const std::string& action) const;
    MStatus add(const std::string& path, FileReadState::Mode mode, const char* verb);
    static bool readInto(const std::string& bytes, const std::string& path, SceneBuilder& builder,
                         std::string* error);
    static void warnOfErrors(unsigned long errorsBefore, const std::string& path);
    static void resetUnits(Host& host);
    void markUnmodified(Host& host);

    std::string m_currentFile;
    bool m_writing = false;
    bool m_newing = false;
    unsigned long m_savedChangeCount = 0;
    bool m_changedOutsideCommands = false;
};

} // namespace nbhost
