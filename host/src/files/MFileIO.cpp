#include <maya/MFileIO.h>

#include "files/SceneFiles.h"
#include "scene/FileReadState.h"

using nbhost::FileReadState;
using nbhost::SceneFiles;

namespace {

// A type named by the caller, or none (the file's name decides).
bool typeOf(const char* type, std::optional<nbhost::SceneFormat::Kind>& out)
{
    if (!type || !*type)
        return true;
    nbhost::SceneFormat::Kind kind;
    if (!nbhost::SceneFormat::fromName(type, kind))
        return false;
    out = kind;
    return true;
}

} // namespace

MString MFileIO::currentFile() { return MString(SceneFiles::instance().currentFile().c_str()); }

MStatus MFileIO::setCurrentFile(const MString& fileName)
{
    SceneFiles::instance().setCurrentFile(fileName.asChar());
    return MStatus::kSuccess;
}

MString MFileIO::fileType() { return nbhost::SceneFormat::name(SceneFiles::instance().currentType()); }

MStatus MFileIO::newFile(bool) { return SceneFiles::instance().newScene(); }

MStatus MFileIO::open(const MString& fileName, const char* type, bool)
{
    std::optional<nbhost::SceneFormat::Kind> kind;
    if (!typeOf(type, kind))
        return MStatus::kInvalidParameter;
    return SceneFiles::instance().open(fileName.asChar());
}

MStatus MFileIO::save(bool) { return SceneFiles::instance().save(); }

MStatus MFileIO::saveAs(const MString& fileName, const char* type, bool)
{
    std::optional<nbhost::SceneFormat::Kind> kind;
    if (!typeOf(type, kind))
        return MStatus::kInvalidParameter;
    SceneFiles::instance().setCurrentFile(fileName.asChar());
    return SceneFiles::instance().save(kind);
}

MStatus MFileIO::importFile(const MString& fileName, const char* type, bool, const char*, bool)
{
    std::optional<nbhost::SceneFormat::Kind> kind;
    if (!typeOf(type, kind))
        return MStatus::kInvalidParameter;
    return SceneFiles::instance().importFile(fileName.asChar());
}

MStatus MFileIO::reference(const MString& fileName, bool, bool, const MString&)
{
    return SceneFiles::instance().reference(fileName.asChar());
}

bool MFileIO::isReadingFile() { return FileReadState::isReadingFile(); }
bool MFileIO::isWritingFile() { return SceneFiles::instance().isWriting(); }
bool MFileIO::isOpeningFile() { return FileReadState::isOpeningFile(); }
bool MFileIO::isNewingFile() { return SceneFiles::instance().isNewing(); }
bool MFileIO::isImportingFile() { return FileReadState::isImportingFile(); }
bool MFileIO::isReferencingFile() { return FileReadState::isReferencingFile(); }
