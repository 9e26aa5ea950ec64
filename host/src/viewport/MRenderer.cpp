#include <maya/MViewport2Renderer.h>

#include <maya/MTextureManager.h>

#include "viewport/DrawOverrideRegistry.h"

namespace MHWRender {

MRenderer::MRenderer() = default;
MRenderer::~MRenderer() = default;

MRenderer* MRenderer::theRenderer(bool)
{
    // One renderer for the process; its textures live in memory, so it
    // serves batch mode too.
    static MRenderer renderer;
    return &renderer;
}

MTextureManager* MRenderer::getTextureManager() const
{
    static MTextureManager manager;
    return &manager;
}

DrawAPI MRenderer::drawAPI() const { return kOpenGL; }
bool MRenderer::drawAPIIsOpenGL() const { return true; }

void MRenderer::setGeometryDrawDirty(MObject obj, bool) { nbhost::DrawOverrideRegistry::instance().markDirty(obj); }

} // namespace MHWRender
