#pragma once
// Scene files: the current file, opening, importing, referencing and
// saving, and whether a read or write is in progress.

#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

class OPENMAYA_EXPORT MFileIO
{
public:
    // The scene's file name with its path; empty for an untitled scene.
    static MString currentFile();
    static MStatus setCurrentFile(const MString& fileName);
    // "nbAscii" or "nbBinary": the type the next save writes.
    static MString fileType();

    static MStatus newFile(bool force = false);
    // type: "nbAscii", "nbBinary" or null to tell from the file.
    static MStatus open(const MString& fileName, const char* type = nullptr,
                        bool ignoreVersion = false);
    static MStatus save(bool force = false);
    static MStatus saveAs(const MString& fileName, const char* type = nullptr, bool force = false);
    static MStatus importFile(const MString& fileName, const char* type = nullptr,
                              bool preserveReferences = false, const char* nameSpace = nullptr,
                              bool ignoreVersion = false);
    static MStatus reference(const MString& fileName, bool deferReference = false,
                             bool lockReference = false, const MString& nameSpace = MString());

    // True exactly while a read of that kind runs; reads nest, so a file
    // referenced during an open is both opening and referencing.
    static bool isReadingFile();
    static bool isWritingFile();
    static bool isOpeningFile();
    static bool isNewingFile();
    static bool isImportingFile();
    static bool isReferencingFile();
};
