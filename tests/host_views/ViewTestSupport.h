#pragma once
// A host with its interface shown at a fixed size, and the test types the
// view tests share: a locator type drawn by a draw override and by legacy
// GL, and a tool context that records what it receives.

#include "support/GuiTestEnvironment.h"

#include "scene/NodeTypeRegistry.h"
#include "tools/ContextRegistry.h"
#include "ui/ControlRegistry.h"
#include "viewport/ModelPanel.h"

#include <maya/MDrawRegistry.h>
#include <maya/MEvent.h>
#include <maya/MFrameContext.h>
#include <maya/MPxContext.h>
#include <maya/MPxContextCommand.h>
#include <maya/MPxDrawOverride.h>
#include <maya/MPxLocatorNode.h>
#include <maya/MTextureManager.h>
#include <maya/MUIDrawManager.h>
#include <maya/MViewport2Renderer.h>

#include <QImage>
#include <QOpenGLContext>
#include <QOpenGLFunctions_2_0>

#include <string>
#include <vector>

namespace viewtest {

// A locator whose legacy draw fills a square of 40 view pixels at the
// bottom left corner with pure green.
class OverlayLocator : public MPxLocatorNode
{
public:
    static constexpr const char* kName = "nbTestOverlay";
    static constexpr const char* kClassification = "drawdb/geometry/nbTestOverlay";
    static int draws;

    static void* creator() { return new OverlayLocator; }
    void draw(M3dView& view, const MDagPath&, M3dView::DisplayStyle, M3dView::DisplayStatus) override
    {
        ++draws;
        // The fixed pipeline through Qt's resolver, so the test needs no
        // OpenGL library of its own.
        QOpenGLContext* context = QOpenGLContext::currentContext();
        auto* gl = context ? context->versionFunctions<QOpenGLFunctions_2_0>() : nullptr;
        if (!gl || !view.beginGL())
            return;
        gl->glMatrixMode(GL_PROJECTION);
        gl->glLoadIdentity();
        gl->glOrtho(0.0, view.portWidth(), 0.0, view.portHeight(), -1.0, 1.0);
        gl->glMatrixMode(GL_MODELVIEW);
        gl->glLoadIdentity();
        gl->glDisable(GL_DEPTH_TEST);
        gl->glColor4f(0.0f, 1.0f, 0.0f, 1.0f);
        gl->glBegin(GL_QUADS);
        gl->glVertex2i(0, 0);
        gl->glVertex2i(40, 0);
        gl->glVertex2i(40, 40);
        gl->glVertex2i(0, 40);
        gl->glEnd();
        view.endGL();
    }

    // Registered once per program.
    static void registerType()
    {
        static const bool registered = [] {
            std::string error;
            const bool ok = nbhost::NodeTypeRegistry::instance().registerPluginType(
                kName, MTypeId(0x7F0B01), &creator, nullptr, MPxNode::kLocatorNode, kClassification, &error);
            EXPECT_TRUE(ok) << error;
            return ok;
        }();
        (void)registered;
    }
};

inline int OverlayLocator::draws = 0;

struct OverrideData : public MUserData
{
    OverrideData() : MUserData(false) {}
    int preparations = 0;
    int width = 0;
    int height = 0;
};

// Draws a 2 x 2 texture (top row red, bottom row blue) on a 100 x 100
// rectangle centred in the view, with the colour's alpha as opacity, and
// counts what the host does with it.
class OverlayOverride : public MHWRender::MPxDrawOverride
{
public:
    static int created;
    static int destroyed;
    static float opacity;
    static std::vector<const MUserData*> oldData;
    static std::vector<std::string> textureNames;

    explicit OverlayOverride(const MObject& obj) : MPxDrawOverride(obj, nullptr, true)
    {
        m_name = "nbTestTexture" + std::to_string(created++);
        textureNames.push_back(m_name);
    }
    ~OverlayOverride() override
    {
        ++destroyed;
        if (m_texture)
            MHWRender::MRenderer::theRenderer()->getTextureManager()->releaseTexture(m_texture);
    }
    static MHWRender::MPxDrawOverride* creator(const MObject& obj) { return new OverlayOverride(obj); }

    MHWRender::DrawAPI supportedDrawAPIs() const override { return MHWRender::kAllDevices; }
    bool hasUIDrawables() const override { return true; }
    MUserData* prepareForDraw(const MDagPath&, const MDagPath&, const MHWRender::MFrameContext& frame,
                              MUserData* old) override
    {
        oldData.push_back(old);
        auto* data = dynamic_cast<OverrideData*>(old);
        if (!data)
            data = new OverrideData;
        int x = 0, y = 0;
        frame.getViewportDimensions(x, y, data->width, data->height);
        ++data->preparations;
        return data;
    }
    void addUIDrawables(const MDagPath&, MHWRender::MUIDrawManager& draw, const MHWRender::MFrameContext&,
                        const MUserData* userData) override
    {
        const auto* data = dynamic_cast<const OverrideData*>(userData);
        if (!data)
            return;
        const unsigned char pixels[16] = {255, 0, 0, 255, 255, 0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 255};
        if (!m_texture) {
            MHWRender::MTextureDescription desc;
            desc.setToDefault2DTexture();
            desc.fWidth = 2;
            desc.fHeight = 2;
            desc.fFormat = MHWRender::kR8G8B8A8_UNORM;
            m_texture = MHWRender::MRenderer::theRenderer()->getTextureManager()->acquireTexture(
                MString(m_name.c_str()), desc, pixels, true);
        }
        m_texture->update(pixels, true, 0);
        draw.beginDrawable(MHWRender::MUIDrawManager::kAutomatic, 0);
        draw.setTexture(m_texture);
        draw.setTextureSampler(MHWRender::MSamplerState::kMinMagMipLinear, MHWRender::MSamplerState::kTexClamp);
        draw.setTextureMask(static_cast<MHWRender::MBlendState::ChannelMask>(15));
        draw.setColor(MColor(1.0f, 1.0f, 1.0f, opacity));
        draw.rect2d(MPoint(data->width * 0.5, data->height * 0.5), MVector(0.0, 1.0, 0.0), 50.0, 50.0, true);
        draw.endDrawable();
    }

private:
    std::string m_name;
    MHWRender::MTexture* m_texture = nullptr;
};

inline int OverlayOverride::created = 0;
inline int OverlayOverride::destroyed = 0;
inline float OverlayOverride::opacity = 1.0f;
inline std::vector<const MUserData*> OverlayOverride::oldData;
inline std::vector<std::string> OverlayOverride::textureNames;

// Records every call a tool context receives.
class RecordingContext : public MPxContext
{
public:
    struct Call
    {
        std::string what;
        short x = 0;
        short y = 0;
        int button = 0;
        bool shift = false;
        bool control = false;
        bool withDrawManager = false;
    };
    static std::vector<Call> calls;
    static bool vp2Forms; // answer the Viewport 2.0 forms
    static int edits;
    static int queries;

    RecordingContext()
    {
        setTitleString("Recording");
        setHelpString("Record the events");
        setCursor(MCursor::crossHairCursor);
    }
    void toolOnSetup(MEvent&) override { record("setup"); }
    void toolOffCleanup() override { record("cleanup"); }
    MStatus doPress(MEvent& e) override { return record("press", &e); }
    MStatus doDrag(MEvent& e) override { return record("drag", &e); }
    MStatus doRelease(MEvent& e) override { return record("release", &e); }
    MStatus doEnterRegion(MEvent&) override { return record("enter"); }
    MStatus doPress(MEvent& e, MHWRender::MUIDrawManager& m, const MHWRender::MFrameContext& c) override
    {
        return vp2Forms ? recordVp2("press", e, m) : MPxContext::doPress(e, m, c);
    }
    MStatus doDrag(MEvent& e, MHWRender::MUIDrawManager& m, const MHWRender::MFrameContext& c) override
    {
        return vp2Forms ? recordVp2("drag", e, m) : MPxContext::doDrag(e, m, c);
    }
    MStatus doRelease(MEvent& e, MHWRender::MUIDrawManager& m, const MHWRender::MFrameContext& c) override
    {
        return vp2Forms ? recordVp2("release", e, m) : MPxContext::doRelease(e, m, c);
    }
    void completeAction() override { record("complete"); }
    void deleteAction() override { record("delete"); }
    void abortAction() override { record("abort"); }

    static std::vector<std::string> names()
    {
        std::vector<std::string> result;
        for (const Call& call : calls)
            result.push_back(call.what);
        return result;
    }

private:
    MStatus record(const char* what, MEvent* e = nullptr)
    {
        Call call;
        call.what = what;
        if (e) {
            e->getPosition(call.x, call.y);
            call.button = e->mouseButton();
            call.shift = e->isModifierShift();
            call.control = e->isModifierControl();
        }
        calls.push_back(call);
        return MStatus::kSuccess;
    }
    MStatus recordVp2(const char* what, MEvent& e, MHWRender::MUIDrawManager& manager)
    {
        record(what, &e);
        calls.back().withDrawManager = true;
        short x = 0, y = 0;
        e.getPosition(x, y);
        manager.beginDrawable();
        manager.setColor(MColor(1.0f, 0.0f, 0.0f, 1.0f));
        manager.circle2d(MPoint(x, y), 10.0);
        manager.endDrawable();
        return MStatus::kSuccess;
    }
};

inline std::vector<RecordingContext::Call> RecordingContext::calls;
inline bool RecordingContext::vp2Forms = true;
inline int RecordingContext::edits = 0;
inline int RecordingContext::queries = 0;

class RecordingContextCommand : public MPxContextCommand
{
public:
    static void* creator() { return new RecordingContextCommand; }
    MPxContext* makeObj() override { return new RecordingContext; }
    MStatus doEditFlags() override
    {
        ++RecordingContext::edits;
        return MStatus::kSuccess;
    }
    MStatus doQueryFlags() override
    {
        ++RecordingContext::queries;
        setResult(42);
        return MStatus::kSuccess;
    }
};

// A GUI host whose main window is shown at 900 x 700, with the persp view.
class ViewTest : public nbtest::GuiTest
{
protected:
    void SetUp() override
    {
        nbtest::GuiTest::SetUp();
        mainWindow().resize(900, 700);
        session().show();
        nbtest::processEvents([this] { return persp().widget()->width() > 100; });
    }
    void TearDown() override
    {
        MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(OverlayLocator::kClassification, "nbTest");
        nbtest::GuiTest::TearDown();
    }

    static nbhost::ModelPanel& persp()
    {
        return *qobject_cast<nbhost::ModelPanel*>(nbhost::ControlRegistry::find(QStringLiteral("modelPanel4")));
    }
    std::string str(const std::string& script)
    {
        const nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << ": " << result.error << output().errors();
        return result.value.asString();
    }
    bool fails(const std::string& script) { return !eval(script).ok; }

    // A node of the test locator type with its override registered.
    void addOverlay(const char* name = "overlay")
    {
        OverlayLocator::registerType();
        MHWRender::MDrawRegistry::deregisterDrawOverrideCreator(OverlayLocator::kClassification, "nbTest");
        ASSERT_TRUE(MHWRender::MDrawRegistry::registerDrawOverrideCreator(OverlayLocator::kClassification, "nbTest",
                                                                         &OverlayOverride::creator));
        str(std::string("createNode ") + OverlayLocator::kName + " -n " + name);
    }
};

} // namespace viewtest
