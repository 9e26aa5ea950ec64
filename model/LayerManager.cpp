#include "model/LayerManager.h"

#include "base/Logger.h"
#include "base/MayaUtil.h"
#include "base/Settings.h"
#include "model/Frame.h"
#include "model/FrameCache.h"
#include "model/Layer.h"
#include "model/LayerListNotifier.h"
#include "model/PixelSpan.h"
#include "model/PngBuffer.h"
#include "model/PngCodec.h"
#include "raster/DrawUtil.h"
#include "raster/Stroke.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int ImageWidth()
{
    return Settings::FINAL_IMAGE_WIDTH;
}

TileMask EmptyMask()
{
    return TileMask(ImageWidth(), ImageWidth());
}

// Where DrawUtil::DrawTransform may draw an image of `size` for the stroke,
// with a pixel of margin for smoothing; the whole frame when unsure.
QRect TransformBounds(const Stroke& stroke, const QSize& size)
{
    const QRect& region = stroke.region;
    if (stroke.paste)
        return QRect(region.topLeft() + stroke.offset, size).adjusted(-1, -1, 1, 1);
    QTransform matrix;
    matrix.rotate(stroke.rotation);
    matrix.scale(stroke.scaleX, stroke.scaleY);
    const QRectF bounds = matrix.mapRect(QRectF(QPointF(0.0, 0.0), QSizeF(size)));
    const QRect whole(0, 0, ImageWidth(), ImageWidth());
    if (!std::isfinite(bounds.width()) || !std::isfinite(bounds.height())
        || bounds.width() > 4.0 * ImageWidth() || bounds.height() > 4.0 * ImageWidth())
        return whole;
    const QPointF centre(region.left() + region.width() / 2 + stroke.offset.x(),
                         region.top() + region.height() / 2 + stroke.offset.y());
    const QRectF placed(centre.x() - bounds.width() / 2.0, centre.y() - bounds.height() / 2.0, bounds.width(),
                        bounds.height());
    return placed.toAlignedRect().adjusted(-2, -2, 2, 2);
}

void PreparePainter(QPainter& painter)
{
    // Antialiasing is the whole of Qt 5.15's high-quality hint.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

bool IsShapeTool(int tool)
{
    return tool >= TOOL_TEXT && tool <= TOOL_RECTANGLE;
}

} // namespace

LayerManager::LayerManager()
    : activeStroke(nullptr),
      lastDrawnIndex(0),
      fullCacheUpdate(false),
      isMaster(false),
      wasPlaying(false),
      strokeTiles(EmptyMask()),
      strokeDirty(EmptyMask()),
      transformTiles(EmptyMask()),
      transformFullUpdate(false),
      lastComposedTiles(0)
{
    UpdateLayerManagerDialog();
}

LayerManager::~LayerManager()
{
    DestroyActiveStroke();
    DeleteAllLayers(false);
}

// --- Cameras and master --------------------------------------------------

void LayerManager::SetActiveCamera(const QString& camera)
{
    if (camera == activeCamera)
        return;
    ChangeActiveCamera(camera);
    UpdateLayerManagerDialog();
}

void LayerManager::RefreshActiveCamera()
{
    // Without a camera view (batch mode) there is no name: keep the camera.
    const QString camera = MayaUtil::GetActive3dViewCameraName();
    if (!camera.isEmpty())
        SetActiveCamera(camera);
}

QString LayerManager::GetActiveCamera() const { return activeCamera; }
QString LayerManager::GetPreviousActiveCamera() const { return previousActiveCamera; }
QStringList LayerManager::GetCameras() const { return cameraLayers.keys(); }
bool LayerManager::IsMaster() const { return isMaster; }
void LayerManager::MakeMaster() { isMaster = true; }

void LayerManager::UpdateLayerManagerDialog()
{
    if (!isMaster)
        return;
    emit LayerListNotifier::Instance()->LayersChanged(this);
}

void LayerManager::ChangeActiveCamera(const QString& camera)
{
    previousActiveCamera = activeCamera;
    activeCamera = camera;
}

// --- Layers ---------------------------------------------------------------

int LayerManager::InsertLayer(const QString& camera, int index, const QString& name)
{
    Layer* layer = new Layer();
    layer->SetName(GetUniqueLayerName(name));
    layer->SetState(static_cast<LayerState>(Settings::defaultLayerState));
    const int result = InsertLayer(camera, index, layer);
    if (result < 0)
        delete layer;
    return result;
}

int LayerManager::InsertLayer(const QString& camera, int index, Layer* layer)
{
    if (!layer)
        return -1;
    // A layer already in the document would be owned twice.
    for (const QList<Layer*>& layers : cameraLayers)
        if (layers.contains(layer))
            return -1;
    QList<Layer*>& layers = CameraList(camera);
    if (index < 0 || index >= layers.size())
        index = layers.size();
    layers.insert(index, layer);
    if (layers.size() == 1)
        OnFirstLayerAdded(camera);
    QueueMasterCacheUpdate(camera);
    UpdateLayerManagerDialog();
    return index;
}

QString LayerManager::GetUniqueLayerName(const QString& name) const
{
    QString candidate = name.isEmpty() ? Settings::DEFAULT_LAYER_NAME : name;
    for (int n = 1; LayerNameExists(candidate); ++n)
        candidate = QStringLiteral("%1 %2").arg(Settings::DEFAULT_LAYER_NAME).arg(n);
    return candidate;
}

bool LayerManager::LayerNameExists(const QString& name) const
{
    for (const QList<Layer*>& layers : cameraLayers)
        for (const Layer* layer : layers)
            if (layer->GetName() == name)
                return true;
    return false;
}

Layer* LayerManager::RemoveLayer(const QString& camera, int index)
{
    if (!LayerExists(camera, index))
        return nullptr;
    const int activeIndex = GetActiveLayerIndex(camera);
    QList<Layer*>& layers = CameraList(camera);
    Layer* layer = layers.takeAt(index);
    if (!layers.isEmpty()) {
        if (activeIndex == index)
            SetActiveLayer(camera, std::max(index - 1, 0), false);
    } else {
        OnLastLayerRemoved(camera);
    }
    QueueMasterCacheUpdate(camera);
    UpdateLayerManagerDialog();
    return layer;
}

void LayerManager::RemoveAllLayers(const QString& camera, QList<Layer*>& removed)
{
    removed.clear();
    if (LayerCount(camera) == 0)
        return;
    QList<Layer*>& layers = CameraList(camera);
    removed = layers;
    layers.clear();
    OnLastLayerRemoved(camera);
    QueueMasterCacheUpdate(camera);
    UpdateLayerManagerDialog();
}

void LayerManager::DeleteAllLayers(bool updateDialog)
{
    for (const QList<Layer*>& layers : cameraLayers)
        qDeleteAll(layers);
    cameraLayers.clear();
    qDeleteAll(flattenedImages);
    flattenedImages.clear();
    qDeleteAll(composers);
    composers.clear();
    if (updateDialog)
        UpdateLayerManagerDialog();
}

int LayerManager::MoveLayer(const QString& camera, int from, int to)
{
    if (!LayerExists(camera, from)) {
        Logger::Error(QStringLiteral("Invalid layer: %1 (%2)").arg(camera).arg(from));
        return -1;
    }
    QList<Layer*>& layers = CameraList(camera);
    to = std::clamp(to, 0, layers.size() - 1);
    layers.move(from, to);
    QueueMasterCacheUpdate(camera);
    UpdateLayerManagerDialog();
    return to;
}

int LayerManager::MoveLayer(const QString& camera, int from, const QString& toCamera, int to)
{
    if (!MayaUtil::CameraExists(toCamera)) {
        Logger::Error(QStringLiteral("Camera does not exist: %1").arg(toCamera));
        return -1;
    }
    Layer* layer = RemoveLayer(camera, from);
    if (!layer) {
        Logger::Error(QStringLiteral("Invalid layer: %1 (%2)").arg(camera).arg(from));
        return -1;
    }
    layer->SetActive(false);
    return InsertLayer(toCamera, to, layer);
}

bool LayerManager::RemoveEmptyCamera(const QString& camera)
{
    const QList<Layer*>* layers = FindCameraList(camera);
    if (!layers || !layers->isEmpty())
        return false;
    cameraLayers.remove(camera);
    delete flattenedImages.take(camera);
    delete composers.take(camera);
    masterCacheUpdateQueue.removeAll(camera);
    return true;
}

bool LayerManager::SetActiveLayer(const QString& camera, int index, bool makeCameraActive)
{
    QList<Layer*>& layers = CameraList(camera);
    if (!((index >= 0 || layers.isEmpty()) && index < layers.size())) {
        Logger::Error(QStringLiteral("Invalid layer index: %1").arg(index));
        return false;
    }
    // Another active layer shows other ghosts.
    if (GetActiveLayerIndex(camera) != index)
        QueueMasterCacheUpdate(camera);
    for (int i = 0; i < layers.size(); ++i)
        layers[i]->SetActive(i == index);
    if (makeCameraActive && camera != activeCamera)
        ChangeActiveCamera(camera);
    UpdateLayerManagerDialog();
    return true;
}

void LayerManager::OnFirstLayerAdded(const QString& camera)
{
    // The composed image is made when it is first asked for: documents read
    // or built without being shown never pay for it.
    delete flattenedImages.take(camera);
    delete composers.take(camera);
    if (TotalLayerCount() == 1)
        SetActiveLayer(camera, 0, true);
    else
        CameraList(camera).first()->SetActive(true);
}

void LayerManager::OnLastLayerRemoved(const QString& camera)
{
    delete flattenedImages.take(camera);
    delete composers.take(camera);
    if (camera == activeCamera)
        SetActiveLayer(camera, -1, false);
}

int LayerManager::TotalLayerCount() const
{
    int count = 0;
    for (const QList<Layer*>& layers : cameraLayers)
        count += layers.size();
    return count;
}

int LayerManager::LayerCount(const QString& camera) const
{
    const QList<Layer*>* layers = FindCameraList(camera);
    return layers ? layers->size() : 0;
}

bool LayerManager::LayerExists(const QString& camera, int index) const
{
    return index >= 0 && index < LayerCount(camera);
}

Layer* LayerManager::GetLayer(const QString& camera, int index) const
{
    return LayerExists(camera, index) ? FindCameraList(camera)->at(index) : nullptr;
}

QList<Layer*> LayerManager::GetLayers(const QString& camera)
{
    // Asking about a camera must not list it in the document.
    const QList<Layer*>* layers = FindCameraList(camera);
    return layers ? *layers : QList<Layer*>();
}

int LayerManager::GetActiveLayerIndex(const QString& camera) const
{
    const QList<Layer*>* layers = FindCameraList(camera);
    if (!layers)
        return -1;
    for (int i = 0; i < layers->size(); ++i)
        if (layers->at(i)->IsActive())
            return i;
    return -1;
}

Layer* LayerManager::GetActiveLayer(const QString& camera) const
{
    return GetLayer(camera, GetActiveLayerIndex(camera));
}

QList<Layer*>& LayerManager::CameraList(const QString& camera)
{
    return cameraLayers[camera];
}

const QList<Layer*>* LayerManager::FindCameraList(const QString& camera) const
{
    auto found = cameraLayers.constFind(camera);
    return found == cameraLayers.constEnd() ? nullptr : &found.value();
}

// --- Layer attributes -----------------------------------------------------

void LayerManager::SetLayerName(const QString& camera, int index, const QString& name)
{
    Layer* layer = GetLayer(camera, index);
    if (!layer || layer->GetName() == name)
        return;
    layer->SetName(GetUniqueLayerName(name));
    UpdateLayerManagerDialog();
}

QString LayerManager::GetLayerName(const QString& camera, int index) const
{
    const Layer* layer = GetLayer(camera, index);
    return layer ? layer->GetName() : QString();
}

void LayerManager::SetLayerVisible(const QString& camera, int index, bool visible)
{
    Layer* layer = GetLayer(camera, index);
    if (!layer)
        return;
    layer->SetVisible(visible);
    UpdateLayerManagerDialog();
}

bool LayerManager::IsLayerVisible(const QString& camera, int index) const
{
    const Layer* layer = GetLayer(camera, index);
    return layer && layer->IsVisible();
}

void LayerManager::SetLayerOpacity(const QString& camera, int index, float opacity)
{
    Layer* layer = GetLayer(camera, index);
    if (!layer)
        return;
    layer->SetOpacity(opacity);
    // Once the panel exists: when this is the active layer of the active
    // camera, the panel's SetActiveOpacity(layer->GetOpacity()); no refill.
}

float LayerManager::GetLayerOpacity(const QString& camera, int index) const
{
    const Layer* layer = GetLayer(camera, index);
    return layer ? layer->GetOpacity() : 0.0f;
}

void LayerManager::SetLayerState(const QString& camera, int index, LayerState state)
{
    Layer* layer = GetLayer(camera, index);
    if (!layer)
        return;
    layer->SetState(state);
    UpdateLayerManagerDialog();
}

LayerState LayerManager::GetLayerState(const QString& camera, int index) const
{
    const Layer* layer = GetLayer(camera, index);
    return layer ? layer->GetState() : LAYER_STATE_ANIM;
}

void LayerManager::ForceCacheUpdate(const QString& camera, int index)
{
    if (Layer* layer = GetLayer(camera, index))
        layer->ForceCacheUpdate();
}

// --- Frames of the active layer -------------------------------------------

int LayerManager::AddFrame(const QString& camera)
{
    Layer* layer = GetActiveLayer(camera);
    return layer ? layer->AddFrame() : -1;
}

int LayerManager::AddFrame(const QString& camera, const MTime& time)
{
    Layer* layer = GetActiveLayer(camera);
    return layer ? layer->AddFrame(time) : -1;
}

int LayerManager::InsertFrame(const QString& camera, Frame* frame)
{
    Layer* layer = GetActiveLayer(camera);
    return layer ? layer->InsertFrame(frame) : -1;
}

Frame* LayerManager::RemoveFrame(const QString& camera)
{
    Layer* layer = GetActiveLayer(camera);
    return layer ? layer->RemoveFrame() : nullptr;
}

Frame* LayerManager::RemoveFrame(const QString& camera, const MTime& time)
{
    Layer* layer = GetActiveLayer(camera);
    return layer ? layer->RemoveFrame(time) : nullptr;
}

Frame* LayerManager::GetPreviousFrame(const QString& camera, bool wrap) const
{
    const Layer* layer = GetActiveLayer(camera);
    return layer ? layer->GetPreviousFrame(wrap) : nullptr;
}

Frame* LayerManager::GetNextFrame(const QString& camera, bool wrap) const
{
    const Layer* layer = GetActiveLayer(camera);
    return layer ? layer->GetNextFrame(wrap) : nullptr;
}

Frame* LayerManager::GetFrameCopy(const QString& camera, const MTime& time) const
{
    const Layer* layer = GetActiveLayer(camera);
    return layer ? layer->GetFrameCopy(time) : nullptr;
}

bool LayerManager::FrameExists(const QString& camera) const
{
    const Layer* layer = GetActiveLayer(camera);
    return layer && layer->FrameExists();
}

bool LayerManager::FrameExists(const QString& camera, const MTime& time) const
{
    const Layer* layer = GetActiveLayer(camera);
    return layer && layer->FrameExists(time);
}

void LayerManager::GetFrameTimes(const QString& camera, QList<int>& times) const
{
    if (const Layer* layer = GetActiveLayer(camera))
        layer->GetFrameTimes(times);
}

void LayerManager::SetFrameTimes(const QString& camera, const QList<int>& times)
{
    if (Layer* layer = GetActiveLayer(camera))
        layer->SetFrameTimes(times);
}

// --- The active stroke ----------------------------------------------------

Stroke* LayerManager::GetActiveStroke(const QString& camera, bool transform)
{
    Layer* layer = GetActiveLayer(camera);
    if (!layer)
        return activeStroke;
    if (!transform && !layer->FrameExists())
        return activeStroke;
    if (activeStroke)
        return activeStroke;

    activeStroke = new Stroke();
    strokeCamera = camera;
    const bool eraser = Settings::activeTool == TOOL_ERASER || Settings::tabletEraserEnabled;
    if (eraser && !transform) {
        // The eraser clears alpha in a copy of the frame. The frame's own
        // image, even on a hidden layer: committing must not lose the drawing.
        const QImage* frameImage = CurrentFrameImage(layer);
        strokeImage = frameImage ? *frameImage : Frame::BlankImage();
        strokeTiles = TileMask::Of(strokeImage);
    } else {
        strokeImage = QImage(ImageWidth(), ImageWidth(), QImage::Format_RGBA8888);
        QColor fill = transform ? QColor(Qt::transparent) : Settings::activeColor;
        fill.setAlpha(0);
        strokeImage.fill(fill);
        strokeTiles = EmptyMask();
    }
    strokeDirty = EmptyMask();
    lastDrawnIndex = 0;
    return activeStroke;
}

bool LayerManager::HasActiveStroke() const
{
    return activeStroke != nullptr;
}

bool LayerManager::CommitActiveStroke(const QString& camera, QByteArray& undo)
{
    PngBuffer buffer;
    if (!CommitActiveStroke(camera, buffer))
        return false;
    undo = buffer.Bytes();
    return true;
}

bool LayerManager::CommitActiveStroke(const QString& camera, PngBuffer& undo)
{
    Layer* layer = GetActiveLayer(camera);
    if (!layer || !activeStroke)
        return false;
    QImage* frameImage = CurrentFrameImage(layer);
    if (!frameImage) {
        // Nothing to merge into: the stroke is dropped rather than left to
        // be continued by the next one.
        CancelActiveStroke();
        return false;
    }
    const QImage previous = *frameImage;
    undo.Encode(previous);
    layer->SetImage(MergeActiveStroke(previous));
    DestroyActiveStroke();
    return true;
}

QImage LayerManager::MergeActiveStroke(const QImage& frameImage)
{
    Stroke& stroke = *activeStroke;
    if (stroke.tool == TOOL_TRANSFORM) {
        // Without a redraw since the region was chosen (batch mode, or an
        // apply faster than the view) the region must still be lifted.
        if (stroke.captureRegion)
            CaptureTransformRegion(frameImage);
        QImage result = strokeImage.isNull() ? frameImage : strokeImage.copy();
        if (!transformImage.isNull()) {
            QPainter painter(&result);
            PreparePainter(painter);
            DrawUtil::DrawTransform(painter, stroke, transformImage);
        }
        return result;
    }
    // Segments or shape changes that arrived after the last redraw belong to
    // the stroke too.
    if (IsShapeTool(stroke.tool)) {
        DrawUtil::DrawStroke(strokeImage, stroke, false);
        strokeTiles = TileMask::Of(strokeImage);
    } else {
        const QRect changed = DrawUtil::DrawFreehand(strokeImage, stroke.points, lastDrawnIndex,
                                                     stroke.tool);
        strokeTiles.AddRect(changed);
    }
    if (stroke.tool == TOOL_ERASER)
        return strokeImage;

    // Only the pixels the stroke covers change; the rest of the frame keeps
    // its exact bytes.
    QImage result = frameImage;
    for (int tile = 0; tile < strokeTiles.Count(); ++tile) {
        if (!strokeTiles.Test(tile))
            continue;
        const QRect rect = strokeTiles.TileRect(tile).intersected(result.rect());
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            PixelSpan::OverStraight(result.scanLine(y) + rect.left() * 4,
                                    strokeImage.constScanLine(y) + rect.left() * 4, rect.width());
    }
    return result;
}

void LayerManager::CancelActiveStroke()
{
    if (!activeStroke)
        return;
    // The camera that showed the stroke must drop it, whichever camera
    // composes first.
    QueueMasterCacheUpdate(strokeCamera);
    DestroyActiveStroke();
    fullCacheUpdate = true;
}

void LayerManager::DestroyActiveStroke()
{
    delete activeStroke;
    activeStroke = nullptr;
    strokeCamera.clear();
    strokeImage = QImage();
    strokeTiles = EmptyMask();
    strokeDirty = EmptyMask();
    transformRender = QImage();
    transformTiles = EmptyMask();
}

bool LayerManager::UndoStroke(const QString& camera, QByteArray& data)
{
    PngBuffer buffer;
    buffer.Bytes() = data;
    if (!UndoStroke(camera, buffer))
        return false;
    data = buffer.Bytes();
    return true;
}

bool LayerManager::UndoStroke(const QString& camera, PngBuffer& data)
{
    Layer* layer = GetActiveLayer(camera);
    // Without a current frame there is nothing to swap with; the bytes stay.
    QImage* current = layer ? CurrentFrameImage(layer) : nullptr;
    if (!current)
        return false;
    QImage decoded;
    PngCodec::Unpack(data.Bytes(), decoded);
    data.Encode(*current);
    layer->SetImage(decoded);
    return true;
}

bool LayerManager::CanDraw(const QString& camera) const
{
    return CanDraw(GetActiveLayer(camera));
}

bool LayerManager::CanDraw(Layer* layer) const
{
    return layer && layer->FrameExists();
}

bool LayerManager::PasteTransformImageAvailable() const
{
    return !pasteImage.isNull();
}

QImage* LayerManager::CurrentFrameImage(Layer* layer)
{
    Frame* frame = layer->GetFrame(layer->GetCurrentFrameIndex());
    return frame ? &frame->GetImage() : nullptr;
}

// --- Composition -----------------------------------------------------------

bool LayerManager::CacheUpdateRequired(const QString& camera)
{
    if (activeStroke && activeStroke->updated)
        return true;
    if (fullCacheUpdate || MasterCacheUpdateRequired(camera))
        return true;
    for (const Layer* layer : GetLayers(camera))
        if (layer->CacheUpdateRequired())
            return true;
    return false;
}

QImage* LayerManager::GetFlattenedImage(const QString& camera)
{
    QImage* image = flattenedImages.value(camera, nullptr);
    const bool fresh = !image;
    if (fresh) {
        const QList<Layer*>* layers = FindCameraList(camera);
        if (!layers || layers->isEmpty())
            return nullptr;
        image = new QImage(ImageWidth(), ImageWidth(), QImage::Format_RGBA8888);
        image->fill(Qt::transparent);
        flattenedImages.insert(camera, image);
    }
    if (!fresh && !CacheUpdateRequired(camera))
        return image;

    // When only the live stroke changed, only the tiles it touched are redone.
    bool onlyStroke = !fresh && !fullCacheUpdate && !MasterCacheUpdateRequired(camera);
    for (const Layer* layer : CameraList(camera))
        onlyStroke = onlyStroke && !layer->CacheUpdateRequired();

    bool strokeShown = false;
    const Composition composition = BuildComposition(camera, strokeShown);
    const TileMask none = EmptyMask();
    const TileMask* dirty = nullptr;
    if (onlyStroke)
        dirty = strokeShown ? &strokeDirty : &none;
    // A moving region changes only the tiles it leaves and those it reaches.
    if (strokeShown && activeStroke->tool == TOOL_TRANSFORM && transformFullUpdate)
        dirty = nullptr;
    transformFullUpdate = false;

    CameraComposer*& composer = composers[camera];
    if (!composer)
        composer = new CameraComposer();
    lastComposedTiles = composer->Compose(*image, composition, dirty);
    // What is shown keeps its pixels; the layers' images were all read above.
    const Layer* active = GetActiveLayer(camera);
    FrameCache::Instance().SetInUse(
        composer, FramePrefetcher::Shown(CameraList(camera), active,
                                         Settings::ghostPrev ? Settings::ghostPrevCount : 0,
                                         Settings::ghostNext ? Settings::ghostNextCount : 0));
    // At rest too, the times that come next are decoded ahead, so that the
    // first step of playback or scrubbing does not wait for them.
    if (!onlyStroke)
        PrefetchAhead(MayaUtil::GetPlaybackTimeValue(), MayaUtil::IsPlaying());

    fullCacheUpdate = false;
    if (strokeShown) {
        activeStroke->updated = false;
        strokeDirty.Clear();
    }
    MasterCacheUpdateCompleted(camera);
    return image;
}

Composition LayerManager::BuildComposition(const QString& camera, bool& strokeShown)
{
    Composition composition;
    const QList<Layer*>& layers = CameraList(camera);
    const int activeIndex = GetActiveLayerIndex(camera);
    if (activeIndex >= 0)
        AddGhosts(composition, layers[activeIndex]);
    strokeShown = activeStroke && activeIndex >= 0 && strokeCamera == camera;
    for (int i = 0; i < layers.size(); ++i) {
        Layer* layer = layers[i];
        QImage& image = layer->GetImage(0);
        if (strokeShown && i == activeIndex) {
            composition.layers << StrokeLayer(layer, image);
            continue;
        }
        Composition::Layer entry;
        SetLayerImage(entry, image);
        entry.opacity = PixelSpan::ToOpacity(layer->GetOpacity());
        composition.layers << entry;
    }
    return composition;
}

void LayerManager::AddGhosts(Composition& composition, Layer* active)
{
    const bool playing = MayaUtil::IsPlaying();
    wasPlaying = playing;
    if (Settings::disableGhostingDuringPlayback && playing)
        return;
    if (!Settings::ghostPrev && !Settings::ghostNext)
        return;
    composition.ghostsShown = true;
    composition.recolor = Settings::ghostColorOverride;
    composition.previousColor = Settings::ghostColorOverridePrev;
    composition.nextColor = Settings::ghostColorOverrideNext;

    // The nearest ghost at 0.4, the farthest at 0.4 / count; farthest first
    // so that nearer ghosts lie over farther ones.
    auto add = [&](QVector<Composition::Ghost>& ghosts, int count, int direction) {
        if (count < 1)
            return;
        const float step = 0.4f / count;
        for (int n = std::min(count, active->FrameCount()); n >= 1; --n) {
            QImage& image = active->GetImage(direction * n);
            if (image.isNull())
                continue;
            Composition::Ghost ghost;
            ghost.image = &image;
            ghost.store = storeCache.Get(image);
            ghost.opacity = PixelSpan::ToOpacity(0.4f - n * step + step);
            ghosts << ghost;
        }
    };
    if (Settings::ghostPrev)
        add(composition.previous, Settings::ghostPrevCount, -1);
    if (Settings::ghostNext)
        add(composition.next, Settings::ghostNextCount, 1);
}

Composition::Layer LayerManager::StrokeLayer(Layer* layer, QImage& frameImage)
{
    Stroke& stroke = *activeStroke;
    Composition::Layer entry;
    entry.opacity = PixelSpan::ToOpacity(layer->GetOpacity());
    SetLayerImage(entry, frameImage);

    if (stroke.tool == TOOL_TRANSFORM) {
        entry.image = nullptr;
        entry.store = nullptr;
        if (!stroke.region.isValid()) {
            transformFullUpdate = true;
            return entry;  // nothing of the layer shows
        }
        if (stroke.captureRegion) {
            QImage* own = CurrentFrameImage(layer);
            CaptureTransformRegion(own ? *own : frameImage);
            strokeTiles = TileMask::Of(strokeImage);
            transformFullUpdate = true;
        }
        if (layer->IsVisible() && !strokeImage.isNull()) {
            entry.image = &strokeImage;
            entry.imageIsStroke = true;
            entry.imageMask = strokeTiles;
        }
        strokeDirty.Unite(transformTiles);
        RenderTransform(stroke);
        strokeDirty.Unite(transformTiles);
        entry.overlay = &transformRender;
        entry.overlayPremultiplied = true;
        entry.overlayMask = transformTiles;
        return entry;
    }

    if (IsShapeTool(stroke.tool)) {
        DrawUtil::DrawStroke(strokeImage, stroke, true);
        const TileMask drawn = TileMask::Of(strokeImage);
        strokeDirty.Unite(strokeTiles);
        strokeDirty.Unite(drawn);
        strokeTiles = drawn;
    } else {
        const QRect changed = DrawUtil::DrawFreehand(strokeImage, stroke.points, lastDrawnIndex,
                                                     stroke.tool);
        lastDrawnIndex = stroke.points.isEmpty() ? 0 : stroke.points.size() - 1;
        strokeDirty.AddRect(changed);
        strokeTiles.AddRect(changed);
    }

    if (stroke.tool == TOOL_ERASER) {
        // The erased copy stands in for the layer's own image.
        entry.image = layer->IsVisible() ? &strokeImage : nullptr;
        entry.store = nullptr;
        entry.imageIsStroke = true;
        entry.imageMask = strokeTiles;
        return entry;
    }
    entry.overlay = &strokeImage;
    entry.overlayMask = strokeTiles;
    return entry;
}

void LayerManager::SetLayerImage(Composition::Layer& entry, const QImage& image)
{
    entry.image = &image;
    entry.store = storeCache.Get(image);
    entry.imageMask = entry.store ? entry.store->Mask() : EmptyMask();
}

void LayerManager::RenderTransform(const Stroke& stroke)
{
    if (transformRender.isNull()) {
        transformRender = QImage(ImageWidth(), ImageWidth(), QImage::Format_RGBA8888_Premultiplied);
        transformRender.fill(Qt::transparent);
        transformTiles = EmptyMask();
    }
    for (int tile = 0; tile < transformTiles.Count(); ++tile) {
        if (!transformTiles.Test(tile))
            continue;
        const QRect rect = transformTiles.TileRect(tile).intersected(transformRender.rect());
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            std::memset(transformRender.scanLine(y) + rect.left() * 4, 0, rect.width() * 4);
    }
    transformTiles.Clear();
    if (transformImage.isNull())
        return;
    QPainter painter(&transformRender);
    PreparePainter(painter);
    DrawUtil::DrawTransform(painter, stroke, transformImage);
    // Only the tiles the moved pixels reach: most of a region is often
    // empty, and every tile it marks is composed again at the next move.
    transformTiles = TileMask::Of(transformRender, TransformBounds(stroke, transformImage.size()));
}

void LayerManager::CaptureTransformRegion(const QImage& frameImage)
{
    const Stroke& stroke = *activeStroke;
    const QRect region = stroke.region;
    strokeImage = frameImage;
    transformImage = stroke.cut ? QImage() : strokeImage.copy(region);
    if (stroke.copy)
        pasteImage = strokeImage.copy(region);
    if (stroke.paste) {
        transformImage = pasteImage;
    } else if (!(stroke.copy && !stroke.cut)) {
        const QRect lifted = region.intersected(strokeImage.rect());
        for (int y = lifted.top(); y <= lifted.bottom() && !lifted.isEmpty(); ++y)
            std::memset(strokeImage.scanLine(y) + lifted.left() * 4, 0, lifted.width() * 4);
    }
    // Kept premultiplied: the drag turns and scales it at every move, and a
    // premultiplied image is transformed about three times faster, with its
    // colours rounded once instead of at a straight intermediate.
    if (!transformImage.isNull())
        transformImage = transformImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void LayerManager::QueueMasterCacheUpdate(const QString& camera)
{
    if (!masterCacheUpdateQueue.contains(camera))
        masterCacheUpdateQueue.append(camera);
}

bool LayerManager::MasterCacheUpdateRequired(const QString& camera) const
{
    return masterCacheUpdateQueue.contains(camera);
}

void LayerManager::MasterCacheUpdateCompleted(const QString& camera)
{
    masterCacheUpdateQueue.removeAll(camera);
}

void LayerManager::OnPlaybackTimeChanged(int time, bool moveActive)
{
    const Layer* kept = moveActive ? GetActiveLayer(activeCamera) : nullptr;
    for (const QList<Layer*>& layers : cameraLayers)
        for (Layer* layer : layers)
            if (layer != kept)
                layer->UpdateCurrentFrameIndex(time);
    const bool playing = MayaUtil::IsPlaying();
    PrefetchAhead(time, playing);
    if (playing == wasPlaying)
        return;
    // Playback just started: rebuild once so that ghosts can be left out.
    if (playing)
        QueueMasterCacheUpdate(activeCamera);
    wasPlaying = playing;
}

void LayerManager::PrefetchAhead(int time, bool playing)
{
    // Only cameras that are shown compose, so only theirs are worth decoding.
    const int start = playing ? MayaUtil::GetPlaybackRangeStart().as(MTime::uiUnit()) : 0;
    const int end = playing ? MayaUtil::GetPlaybackRangeEnd().as(MTime::uiUnit()) : 0;
    for (auto it = composers.cbegin(); it != composers.cend(); ++it)
        prefetcher.Ahead(CameraList(it.key()), GetActiveLayer(it.key()), time, playing, start, end);
}
