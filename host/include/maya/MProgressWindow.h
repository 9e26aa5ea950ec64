#pragma once
// The host's progress display for long operations. nbhost shows it in the
// main window's help line, and only once an operation has run for about
// half a second; without a user interface (batch) it cannot be reserved.

#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

class OPENMAYAUI_EXPORT MProgressWindow
{
public:
    static bool reserve();
    static MStatus startProgress();
    static MStatus endProgress();

    static bool isCancelled(MStatus* ReturnStatus = nullptr);
    static bool isInterruptable(MStatus* ReturnStatus = nullptr);
    static MStatus setInterruptable(bool value);

    static int progress(MStatus* ReturnStatus = nullptr);
    static MStatus setProgress(int progress);
    static MStatus advanceProgress(int amount);

    static int progressMin(MStatus* ReturnStatus = nullptr);
    static int progressMax(MStatus* ReturnStatus = nullptr);
    static MStatus setProgressMin(int minValue);
    static MStatus setProgressMax(int maxValue);
    static MStatus setProgressRange(const int minValue, const int maxValue);

    static MString title(MStatus* ReturnStatus = nullptr);
    static MStatus setTitle(const MString& title);
    static MString progressStatus(MStatus* ReturnStatus = nullptr);
    static MStatus setProgressStatus(const MString& progressStatus);

    static const char* className();
};
