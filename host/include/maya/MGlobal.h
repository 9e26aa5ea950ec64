#pragma once
// Static access to the host application: messages, script evaluation,
// selection and state.

#include <maya/MTypes.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

class MCommandResult;
class MDoubleArray;
class MIntArray;
class MObject;
class MSelectionList;
class MStringArray;

class OPENMAYA_EXPORT MGlobal
{
public:
    enum MMayaState
    {
        kBaseUIMode,
        kInteractive,
        kBatch,
        kLibraryApp
    };

    enum ListAdjustment
    {
        kReplaceList,
        kXORWithList,
        kAddToList,
        kRemoveFromList,
        kAddToHeadOfList
    };

    static MMayaState mayaState(MStatus* ReturnStatus = nullptr);
    static MString mayaVersion();
    static int apiVersion();

    static void displayInfo(const MString& theMessage);
    static void displayWarning(const MString& theWarning);
    static void displayError(const MString& theError);

    static MStatus executeCommand(const MString& command, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MCommandResult& result,
                                  bool displayEnabled = false, bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, int& result,
                                  bool displayEnabled = false, bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MIntArray& result,
                                  bool displayEnabled = false, bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, double& result,
                                  bool displayEnabled = false, bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MDoubleArray& result,
                                  bool displayEnabled = false, bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MString& result,
                                  bool displayEnabled = false, bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MStringArray& result,
                                  bool displayEnabled = false, bool undoEnabled = false);
    static MString executeCommandStringResult(const MString& command, bool displayEnabled = false,
                                              bool undoEnabled = false,
                                              MStatus* ReturnStatus = nullptr);
    static MStatus executeCommandOnIdle(const MString& command, bool displayEnabled = false);
    static MStatus sourceFile(const MString& fileName);

    static MStatus getActiveSelectionList(MSelectionList& dest,
                                          bool orderedSelectionIfAvailable = false);
    static MStatus setActiveSelectionList(const MSelectionList& src,
                                          ListAdjustment listAdjustment = kReplaceList);
    static MStatus clearSelectionList();
    static MStatus selectByName(const MString& name, ListAdjustment listAdjustment = kAddToList);
    static MStatus getSelectionListByName(const MString& name, MSelectionList& list);
    static MStatus select(const MObject& object, ListAdjustment listAdjustment = kAddToList);
    static bool isSelected(const MObject& object, MStatus* ReturnStatus = nullptr);
};
