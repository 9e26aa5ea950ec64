#pragma once

#include "base/ToolType.h"
#include "tools/DrawContextInputHandler.h"

#include <maya/MEvent.h>
#include <maya/MPxContext.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <QString>

class BaseNode;
class QKeyEvent;
struct Stroke;
namespace MHWRender {
class MFrameContext;
class MUIDrawManager;
}

// The draw tool. A left press in a camera view starts a stroke with the
// active drawing tool, the input thread fills it while the button is held
// and the release commits it as one undoable stroke command. With B or M
// held the drag changes the tool's size or opacity instead; after a text
// stroke the typed keys edit the text until it is finished; a middle click
// makes the view's camera the active one.
class DrawContext : public MPxContext
{
public:
    DrawContext();
    ~DrawContext() override;

    void toolOnSetup(MEvent& event) override;
    void toolOffCleanup() override;
    MStatus doPress(MEvent& event) override;
    MStatus doDrag(MEvent& event) override;
    MStatus doRelease(MEvent& event) override;
    MStatus doPress(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                    const MHWRender::MFrameContext& context) override;
    MStatus doDrag(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                   const MHWRender::MFrameContext& context) override;
    MStatus doRelease(MEvent& event, MHWRender::MUIDrawManager& drawMgr,
                      const MHWRender::MFrameContext& context) override;
    MStatus doEnterRegion(MEvent& event) override;
    // The host turns Backspace, Return/Enter and Escape in a view into these;
    // while a text waits they edit or finish it.
    void deleteAction() override;
    void completeAction() override;
    void abortAction() override;
    void getClassName(MString& name) const override;

    // Text entry: true when the key was used for a waiting text.
    bool ProcessKeyDownEvent(QKeyEvent* event);
    bool ProcessTextKey(int key, const QString& text);
    // Commits a waiting text; nothing when none waits.
    void EndTextDraw();
    bool IsTextWaiting() const;
    bool IsDrawing() const { return node && !IsTextWaiting() && !IsAdjusting(); }
    bool IsAdjusting() const { return adjustSize || adjustOpacity; }

    // The size and opacity adjustment's circle, drawn and erased in turn.
    void ToggleDiameterDisplay(float radius);
    float ToolDisplayRadius() const;

    DrawContextInputHandler& InputHandler() { return inputHandler; }

    static const char* const TITLE;
    static const char* const HELP;
    static const char* const IMAGE;

private:
    // The Viewport 2.0 forms keep the draw manager for the plain form.
    template <typename Handler>
    MStatus WithDrawManager(MHWRender::MUIDrawManager& drawMgr, Handler handler);

    bool PressAdjust(MEvent& event);
    void PressMiddle();
    void PressLeft();
    void DragAdjust(MEvent& event);
    void ReleaseStroke();
    void FinishStroke();
    void DrawCircleXor(float radius) const;
    void DrawCircleVp2(float radius) const;
    void TextChanged();
    ToolType DisplayedTool() const;

    BaseNode* node = nullptr;
    Stroke* stroke = nullptr;
    DrawContextInputHandler inputHandler;
    MHWRender::MUIDrawManager* drawManager = nullptr;
    QString camera;
    int newLayerIndex = -1;
    bool frameAdded = false;
    bool adjustSize = false;
    bool adjustOpacity = false;
    ToolType adjustTool = TOOL_PENCIL;
    int adjustStartValue = 0;
    int pressX = 0;
    int pressY = 0;
    bool circleShown = false;
    float circleRadius = 0.0f;
};
