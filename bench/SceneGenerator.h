#pragma once
// Long-shot scenes for the benchmarks, the scene generator (nb_scenegen) and
// a test at small size: one drawing node whose document holds L layers of F
// frames each (times 1..F) on one camera, 1024 x 1024 drawings with a few
// scribbles each, saved through the host in either scene form. The drawings
// are a few dozen distinct ones, encoded once, so that writing a large
// scene does not take as long as drawing it would.

#include "model/Frame.h"
#include "model/Layer.h"
#include "model/LayerManager.h"
#include "model/PngCodec.h"
#include "node/BaseNode.h"
#include "node/BaseNodeLayerData.h"

#include "scene/DataTypeRegistry.h"
#include "scene/NodeTypeRegistry.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>

#include <QPainter>
#include <QRandomGenerator>
#include <QVector>

#include <string>

namespace longshot {

struct Shape
{
    int layers = 5;
    int frames = 100;
    int distinct = 24;  // distinct drawings, reused in turn
};

// A few freehand-looking scribbles in one colour.
inline QImage Drawing(quint32 seed, int scribbles = 4)
{
    QImage image = Frame::BlankImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(seed);
    const QColor color = QColor::fromHsv(random.bounded(360), 200, 230);
    for (int s = 0; s < scribbles; ++s) {
        painter.setPen(QPen(color, random.bounded(3, 10), Qt::SolidLine, Qt::RoundCap));
        QPoint point(random.bounded(1024), random.bounded(1024));
        for (int i = 0; i < 25; ++i) {
            const QPoint next = point + QPoint(random.bounded(-25, 26), random.bounded(-25, 26));
            painter.drawLine(point, next);
            point = next;
        }
    }
    return image;
}

// Fills a document on `camera`; its frames hold PNG bytes, not pixels.
inline void Fill(LayerManager& manager, const QString& camera, const Shape& shape)
{
    QVector<QByteArray> drawings;
    for (int i = 0; i < std::max(1, shape.distinct); ++i) {
        QByteArray bytes;
        PngCodec::Pack(Drawing(static_cast<quint32>(i + 1)), bytes);
        drawings << bytes;
    }
    for (int l = 0; l < shape.layers; ++l) {
        auto* layer = new Layer();
        layer->SetName(QStringLiteral("Layer %1").arg(l + 1));
        for (int time = 1; time <= shape.frames; ++time) {
            auto* frame = new Frame(MTime());
            frame->SetTimeValue(time);
            frame->SetPackedImage(drawings[(l * 7 + time) % drawings.size()]);
            layer->InsertFrame(frame);
        }
        manager.InsertLayer(camera, -1, layer);
    }
    manager.SetActiveLayer(camera, shape.layers / 2, true);
}

// The node and data types as the plug-in registers them, for a host in the
// caller's process that does not load the plug-in module.
inline void RegisterTypes()
{
    nbhost::DataTypeRegistry::instance().registerType(
        BaseNodeLayerData::GetTypeName().asChar(), BaseNodeLayerData::GetTypeID(),
        &BaseNodeLayerData::Creator, MPxData::kData);
    nbhost::NodeTypeRegistry::instance().registerPluginType(
        BaseNode::GetTypeName().asChar(), BaseNode::GetTypeID(), &BaseNode::Creator,
        &BaseNode::Initialize, MPxNode::kLocatorNode, BaseNode::GetDrawDbClassification().asChar());
}

inline BaseNode* NodeNamed(const char* name)
{
    MSelectionList list;
    MObject object;
    if (!list.add(name) || !list.getDependNode(0, object))
        return nullptr;
    return dynamic_cast<BaseNode*>(MFnDependencyNode(object).userNode());
}

// In a running host with the types registered: a new scene with one drawing
// node holding such a document, saved at `path` (.nba text, .nbb binary).
inline bool Write(const std::string& path, const Shape& shape)
{
    if (!MGlobal::executeCommand("file -new -f; createNode -n shot transform; "
                                 "createNode -n shotShape -p shot vxNibline;"))
        return false;
    BaseNode* node = NodeNamed("shotShape");
    if (!node)
        return false;
    node->InitializeLayerManager();
    Fill(*node->GetLayerManager(), QStringLiteral("persp"), shape);
    node->GetLayerManager()->MakeMaster();
    const std::string type = path.size() > 4 && path.substr(path.size() - 4) == ".nba"
                                 ? "nbAscii"
                                 : "nbBinary";
    return MGlobal::executeCommand(MString(("file -rename \"" + path + "\"; file -save -type \"" + type
                                            + "\";")
                                               .c_str()));
}

} // namespace longshot
