#pragma once

#include "commands/ActiveLayerSnapshot.h"
#include "commands/DocumentCommand.h"

#include <maya/MStatus.h>
#include <maya/MSyntax.h>

#include <QList>
#include <QString>

#include <cstdint>

class BaseNode;
class Layer;
class MArgDatabase;

// vxNiblineLayer: every layer-level change of the drawing document (add,
// insert, delete, reorder, move between cameras, the active layer, name,
// visibility, opacity and state) as one undoable step, and the queries the
// panels need. Only the first mode flag given, in the order of Mode, runs.
//
// Layers that delete and delete all take out of the document belong to the
// command until undo gives them back; the command destroys those it still
// holds when the host drops it.
class LayerCommand : public DocumentCommand
{
public:
    ~LayerCommand() override;

    MStatus doIt(const MArgList& args) override;
    MStatus undoIt() override;
    MStatus redoIt() override;

    static void* Creator();
    static MSyntax CommandSyntax();
    static QString GetCommandName();

private:
    enum class Mode
    {
        None,
        Active,
        Count,
        Add,
        Insert,
        Delete,
        DeleteAll,
        Move,
        MoveAll,
        EditName,
        QueryName,
        EditVisibility,
        QueryVisibility,
        EditOpacity,
        QueryOpacity,
        EditState,
        QueryState,
        Import
    };

    MStatus ParseFlags(const MArgDatabase& db) override;
    bool ParseModeArguments(const MArgDatabase& db);
    bool CheckLayer(BaseNode* node, int layer) const;
    void TakeSnapshot(BaseNode* node, const QStringList& cameras);

    MStatus SetActive();
    MStatus Add();
    MStatus Insert();
    MStatus UndoInsert();
    MStatus Delete();
    MStatus UndoDelete();
    MStatus DeleteAll();
    MStatus UndoDeleteAll();
    MStatus Move();
    MStatus UndoMove();
    MStatus MoveAll();
    MStatus UndoMoveAll();
    // Moves the top `count` layers of the target camera back into the
    // source camera, above the layers it still has.
    void MoveBack(BaseNode* node, int count);
    template <typename Value, typename Get, typename Set>
    MStatus Swap(Value& stored, Get get, Set set);
    MStatus SwapName();
    MStatus SwapVisibility();
    MStatus SwapOpacity();
    MStatus SwapState();
    MStatus Query();

    Mode mode = Mode::None;
    QString name;
    QString newCamera;
    // Insert position, destination of a move.
    int targetIndex = -1;
    // Where add and insert put their layer.
    int insertedIndex = -1;
    uint32_t index = 0;
    // Swapped values: the one the next run writes.
    bool visible = false;
    float opacity = 0.0f;
    uint32_t state = 0;
    int layerState = -1;
    // Move: the layer's new index. Move all: the layers moved, which sit
    // in the target from targetIndex (its count before) upward.
    int movedIndex = -1;
    int movedCount = 0;
    QString importSource;
    ActiveLayerSnapshot snapshot;
    QList<Layer*> removedLayers;
};
