#pragma once

#include "base/ToolType.h"

#include <maya/MPxCommand.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MSyntax.h>

#include <QColor>
#include <QString>

#include <vector>

class MArgDatabase;
class MArgList;

// vxNiblineUtil: the hub through which the main menu, the panels and the
// tools change the interface state: the current tool context, the drawing
// tool and its options, the draw colour, ghosting and how drawing frames
// show on the time slider; it opens and refreshes the panels and the
// floating drawing view. It changes user settings and refreshes what shows
// them, never the document, and it never enters the undo queue. The first
// flag present, in the order of the syntax, decides what it does.
class UtilCommand : public MPxCommand
{
public:
    ~UtilCommand() override;
    MStatus doIt(const MArgList& args) override;
    bool isUndoable() const override;

    static void* Creator();
    static MSyntax CommandSyntax();
    static QString GetCommandName();

    // The context instances made by this command, for the plug-in's
    // lifetime; empty until first made.
    static MString drawContextName;
    static MString transformContextName;

    using Action = MStatus (UtilCommand::*)();
    struct Flag;

private:
    static const std::vector<Flag>& Flags();
    MStatus Run(const Flag& flag);

    // Tool contexts and tools.
    MStatus ActivateDrawContext();
    MStatus ActivateTransformContext();
    static bool ActivateContext(MString& name, const QString& contextCommand);
    MStatus SetActiveTool(ToolType tool);
    MStatus SetPencilTool();
    MStatus SetBrushTool();
    MStatus SetEraserTool();
    MStatus SetLineTool();
    MStatus SetArrowTool();
    MStatus SetEllipseTool();
    MStatus SetRectangleTool();
    MStatus SetTextTool();

    // Tool options.
    MStatus SetPencilOptions();
    MStatus SetBrushOptions();
    MStatus SetEraserOptions();
    MStatus SetTextOptions();
    MStatus SetLineOptions();
    MStatus SetArrowOptions();
    MStatus SetEllipseOptions();
    MStatus SetRectangleOptions();
    void SetSizeAndOpacity(ToolType tool);
    static void ToolOptionsChanged();

    // Colour, ghosting and the time slider's marks.
    MStatus DrawColor();
    MStatus GhostPrevious();
    MStatus GhostNext();
    MStatus Ghost(bool& setting);
    MStatus GhostPreviousCount();
    MStatus GhostNextCount();
    MStatus GhostCount(int& setting);
    MStatus GhostColorOverride();
    MStatus GhostColorPrevious();
    MStatus GhostColorNext();
    MStatus Color(QColor& setting, void (*changed)());
    static void GhostingChanged();
    static void DrawColorChanged();
    MStatus TimelineFrameDisplay();
    MStatus RefreshTimelineDisplay();

    // Views and panels.
    MStatus FloatingViewport();
    MStatus FloatingViewportMove();
    MStatus ShowLayerManager();
    MStatus RefreshLayerManager();
    MStatus ShowToolbox();
    MStatus ShowToolOptions();
    MStatus RefreshToolbox();
    MStatus ShowColorPalette();
    MStatus ShowRetimingTool();
    MStatus NewLayer();
    MStatus LayerProperties();
    MStatus GhostingSettings();
    MStatus FramedeckImport();
    MStatus ResetUI();
    MStatus Preferences();
    MStatus About();

    // Reads the flag's unsigned arguments into `values`; false after an
    // error when one is missing.
    bool ReadUnsigned(unsigned int count);
    // Three components below 256; false after the colour error.
    bool ReadColor(QColor& color);

    const MArgDatabase* db = nullptr;
    const Flag* flag = nullptr;
    bool editMode = false;
    bool queryMode = false;
    // The arguments of this invocation.
    unsigned int values[4] = {0, 0, 0, 0};
    int toggle = 0;
    QString cameraName;
    QString fontFamily;
};
