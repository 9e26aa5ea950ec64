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
        Unset, // no mode flag was given
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
    // The master node the run works on is missing.
    MStatus NodeMissing() const;
    bool CheckLayer(BaseNode& master, int layer) const;
    void TakeSnapshot(BaseNode& master, const QStringList& cameras);

    MStatus SetActive(BaseNode& master);
    MStatus Add(BaseNode& master);
    MStatus Insert(BaseNode& master);
    MStatus UndoInsert(BaseNode& master);
    MStatus Delete(BaseNode& master);
    MStatus UndoDelete(BaseNode& master);
    MStatus DeleteAll(BaseNode& master);
    MStatus UndoDeleteAll(BaseNode& master);
    MStatus Move(BaseNode& master);
    MStatus UndoMove(BaseNode& master);
    MStatus MoveAll(BaseNode& master);
    MStatus UndoMoveAll(BaseNode& master);
    // Moves the top `count` layers of the target camera back into the
    // source camera, above the layers it still has.
    void MoveBack(BaseNode& master, int count);
    template <typename Value, typename Get, typename Set>
    MStatus Swap(BaseNode& master, Value& stored, Get get, Set set);
    MStatus SwapName(BaseNode& master);
    MStatus SwapVisibility(BaseNode& master);
    MStatus SwapOpacity(BaseNode& master);
    MStatus SwapState(BaseNode& master);
    MStatus Query(BaseNode& master);

    Mode mode = Mode::Unset;
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
