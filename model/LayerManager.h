#pragma once

#include "model/CameraComposer.h"
#include "model/Composition.h"
#include "model/FramePrefetcher.h"
#include "model/LayerState.h"
#include "model/TileMask.h"
#include "model/TileStoreCache.h"

#include <maya/MTime.h>

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class Frame;
class Layer;
class PngBuffer;
struct Stroke;

// The drawing document of one scene node: per camera a stack of layers
// (index 0 at the bottom), one active layer per camera, the user's active
// camera, the single stroke being drawn, and each camera's composed image
// with onion-skin ghosts of the active layer's neighbouring frames.
//
// The manager owns its layers, their composed images and the active stroke.
// Layers handed out by RemoveLayer and RemoveAllLayers belong to the caller.
class LayerManager : public QObject
{
    Q_OBJECT

public:
    LayerManager();
    ~LayerManager() override;

    // Cameras and master.
    void SetActiveCamera(const QString& camera);
    QString GetActiveCamera() const;
    QString GetPreviousActiveCamera() const;
    QStringList GetCameras() const;
    bool IsMaster() const;
    void MakeMaster();
    void UpdateLayerManagerDialog();

    // Layers.
    int InsertLayer(const QString& camera, int index, const QString& name);
    int InsertLayer(const QString& camera, int index, Layer* layer);
    QString GetUniqueLayerName(const QString& name) const;
    bool LayerNameExists(const QString& name) const;
    Layer* RemoveLayer(const QString& camera, int index);
    void RemoveAllLayers(const QString& camera, QList<Layer*>& removed);
    void DeleteAllLayers(bool updateDialog);
    int MoveLayer(const QString& camera, int from, int to);
    int MoveLayer(const QString& camera, int from, const QString& toCamera, int to);
    // Takes out the entry of a camera without layers, as if it never had
    // any: undo of a change that gave a camera its first layer. False when
    // the camera has layers or no entry.
    bool RemoveEmptyCamera(const QString& camera);
    bool SetActiveLayer(const QString& camera, int index, bool makeCameraActive);
    void OnFirstLayerAdded(const QString& camera);
    void OnLastLayerRemoved(const QString& camera);
    int TotalLayerCount() const;
    int LayerCount(const QString& camera) const;
    bool LayerExists(const QString& camera, int index) const;
    Layer* GetLayer(const QString& camera, int index) const;
    QList<Layer*> GetLayers(const QString& camera);
    int GetActiveLayerIndex(const QString& camera) const;
    Layer* GetActiveLayer(const QString& camera) const;

    // Layer attributes; nothing, or the neutral value, for a missing layer.
    void SetLayerName(const QString& camera, int index, const QString& name);
    QString GetLayerName(const QString& camera, int index) const;
    void SetLayerVisible(const QString& camera, int index, bool visible);
    bool IsLayerVisible(const QString& camera, int index) const;
    void SetLayerOpacity(const QString& camera, int index, float opacity);
    float GetLayerOpacity(const QString& camera, int index) const;
    void SetLayerState(const QString& camera, int index, LayerState state);
    LayerState GetLayerState(const QString& camera, int index) const;
    void ForceCacheUpdate(const QString& camera, int index);

    // Frames of the camera's active layer; the neutral value without one. A
    // frame offered to InsertFrame without an active layer stays the caller's.
    int AddFrame(const QString& camera);
    int AddFrame(const QString& camera, const MTime& time);
    int InsertFrame(const QString& camera, Frame* frame);
    Frame* RemoveFrame(const QString& camera);
    Frame* RemoveFrame(const QString& camera, const MTime& time);
    Frame* GetPreviousFrame(const QString& camera, bool wrap) const;
    Frame* GetNextFrame(const QString& camera, bool wrap) const;
    Frame* GetFrameCopy(const QString& camera, const MTime& time) const;
    bool FrameExists(const QString& camera) const;
    bool FrameExists(const QString& camera, const MTime& time) const;
    void GetFrameTimes(const QString& camera, QList<int>& times) const;
    void SetFrameTimes(const QString& camera, const QList<int>& times);

    // The active stroke. It belongs to the camera it was created for, and
    // only that camera's composed image shows it.
    Stroke* GetActiveStroke(const QString& camera, bool transform);
    bool HasActiveStroke() const;
    // Merges the stroke into the current frame of the camera's active layer;
    // `undo` receives the frame's previous image as PNG. The PngBuffer form
    // encodes on a worker thread and returns at once.
    bool CommitActiveStroke(const QString& camera, QByteArray& undo);
    bool CommitActiveStroke(const QString& camera, PngBuffer& undo);
    void CancelActiveStroke();
    // Swaps the current frame's image with the PNG in `data`: twice restores.
    bool UndoStroke(const QString& camera, QByteArray& data);
    bool UndoStroke(const QString& camera, PngBuffer& data);
    bool CanDraw(const QString& camera) const;
    bool CanDraw(Layer* layer) const;
    // What the active stroke draws into, the lifted transform region and the
    // transform paste buffer (read only).
    const QImage& GetStrokeImage() const { return strokeImage; }
    const QImage& GetTransformImage() const { return transformImage; }
    const QImage& GetPasteImage() const { return pasteImage; }
    bool PasteTransformImageAvailable() const;

    // Composition.
    QImage* GetFlattenedImage(const QString& camera);
    bool CacheUpdateRequired(const QString& camera);
    void QueueMasterCacheUpdate(const QString& camera);
    bool MasterCacheUpdateRequired(const QString& camera) const;
    void MasterCacheUpdateCompleted(const QString& camera);
    void OnPlaybackTimeChanged(int time, bool moveActive);
    // Starts decoding, on the workers, what the shown cameras need next.
    void PrefetchAhead(int time, bool playing);
    // Tiles composed by the last GetFlattenedImage that did any work.
    int LastComposedTileCount() const { return lastComposedTiles; }

public slots:
    void RefreshActiveCamera();

private:
    QList<Layer*>& CameraList(const QString& camera);
    const QList<Layer*>* FindCameraList(const QString& camera) const;
    void ChangeActiveCamera(const QString& camera);
    // The current frame's own image, whether the layer is shown or not; null
    // without a current frame.
    static QImage* CurrentFrameImage(Layer* layer);
    // Merges the active stroke into `image`, giving the stroke's result.
    QImage MergeActiveStroke(const QImage& frameImage);
    void DestroyActiveStroke();
    // What the camera's image is made of now; also brings the stroke image
    // up to date and collects the tiles it changed.
    Composition BuildComposition(const QString& camera, bool& strokeShown);
    void AddGhosts(Composition& composition, Layer* active);
    Composition::Layer StrokeLayer(Layer* layer, QImage& frameImage);
    void CaptureTransformRegion(const QImage& frameImage);
    // Draws the moved region into transformRender, clearing only what the
    // last one drew; transformTiles bounds what it drew.
    void RenderTransform(const Stroke& stroke);
    // The layer reads a frame image, through its tile store.
    void SetLayerImage(Composition::Layer& entry, const QImage& image);

    QMap<QString, QList<Layer*>> cameraLayers;
    QMap<QString, QImage*> flattenedImages;
    QStringList masterCacheUpdateQueue;
    QString activeCamera;
    QString previousActiveCamera;
    Stroke* activeStroke;
    int lastDrawnIndex;
    QImage strokeImage;
    QImage transformImage;
    QImage pasteImage;
    bool fullCacheUpdate;
    bool isMaster;
    bool wasPlaying;

    // Composition bookkeeping: per camera the composer that keeps its image,
    // the tile stores of frame images, and for the active stroke its camera,
    // the tiles its image may cover and those changed since last composed.
    QMap<QString, CameraComposer*> composers;
    TileStoreCache storeCache;
    QString strokeCamera;
    TileMask strokeTiles;
    TileMask strokeDirty;
    QImage transformRender;
    TileMask transformTiles;
    // The transform stroke's layer must be composed whole: the region was
    // just lifted, or nothing of the layer shows.
    bool transformFullUpdate;
    int lastComposedTiles;
    // Decodes the frames of the coming times while the time moves.
    FramePrefetcher prefetcher;
};
