#include "ModelTest.h"

#include "base/MayaUtil.h"

#include <memory>

using LayerManagerTest = ModelTest;

namespace {

QStringList Names(LayerManager& manager, const QString& camera)
{
    QStringList names;
    for (Layer* layer : manager.GetLayers(camera))
        names << layer->GetName();
    return names;
}

} // namespace

TEST_F(LayerManagerTest, FirstLayersBecomeActive)
{
    LayerManager manager;
    EXPECT_EQ(manager.InsertLayer("top", 0, QString("A")), 0);
    EXPECT_EQ(manager.GetActiveCamera(), QStringLiteral("top"));
    EXPECT_EQ(manager.GetPreviousActiveCamera(), QString());
    EXPECT_EQ(manager.GetActiveLayerIndex("top"), 0);
    ASSERT_NE(manager.GetFlattenedImage("top"), nullptr);

    // The first layer of a second camera is active there; the camera is not.
    EXPECT_EQ(manager.InsertLayer("persp", 5, QString("B")), 0);
    EXPECT_EQ(manager.GetActiveLayerIndex("persp"), 0);
    EXPECT_EQ(manager.GetActiveCamera(), QStringLiteral("top"));
    EXPECT_EQ(manager.GetCameras(), QStringList({"persp", "top"}));
    EXPECT_EQ(manager.TotalLayerCount(), 2);

    manager.SetActiveCamera("persp");
    EXPECT_EQ(manager.GetPreviousActiveCamera(), QStringLiteral("top"));
    manager.SetActiveCamera("persp");
    EXPECT_EQ(manager.GetPreviousActiveCamera(), QStringLiteral("top"));
    EXPECT_EQ(manager.GetLayer("side", 0), nullptr);
    EXPECT_EQ(manager.InsertLayer("top", 0, static_cast<Layer*>(nullptr)), -1);
}

TEST_F(LayerManagerTest, InsertPositions)
{
    Settings::defaultLayerState = LAYER_STATE_STATIC;
    LayerManager manager;
    manager.InsertLayer("top", 0, QString("A"));
    manager.InsertLayer("top", -1, QString("B"));
    manager.InsertLayer("top", 99, QString("C"));
    manager.InsertLayer("top", 0, QString("D"));
    EXPECT_EQ(Names(manager, "top"), QStringList({"D", "A", "B", "C"}));
    EXPECT_EQ(manager.GetLayerState("top", 0), LAYER_STATE_STATIC);
    // Active flags travel with their layers.
    EXPECT_EQ(manager.GetActiveLayerIndex("top"), 1);

    // A layer already in the document is refused rather than owned twice.
    EXPECT_EQ(manager.InsertLayer("persp", 0, manager.GetLayer("top", 0)), -1);
    EXPECT_EQ(manager.TotalLayerCount(), 4);
}

TEST_F(LayerManagerTest, UniqueNamesAcrossCameras)
{
    LayerManager manager;
    EXPECT_EQ(manager.GetUniqueLayerName(""), QStringLiteral("Layer"));
    manager.InsertLayer("top", -1, QString());
    EXPECT_EQ(manager.GetUniqueLayerName(""), QStringLiteral("Layer 1"));
    EXPECT_EQ(manager.GetUniqueLayerName("Layer"), QStringLiteral("Layer 1"));
    manager.InsertLayer("persp", -1, QString("Layer"));  // named on another camera
    EXPECT_EQ(manager.GetLayerName("persp", 0), QStringLiteral("Layer 1"));
    EXPECT_EQ(manager.GetUniqueLayerName("Layer"), QStringLiteral("Layer 2"));
    manager.InsertLayer("top", -1, QString("Sky"));
    EXPECT_EQ(manager.GetUniqueLayerName("Sky"), QStringLiteral("Layer 2"));
    EXPECT_EQ(manager.GetUniqueLayerName("sky"), QStringLiteral("sky"));

    manager.SetLayerName("top", 1, "Sky");  // its own name: nothing happens
    EXPECT_EQ(manager.GetLayerName("top", 1), QStringLiteral("Sky"));
    manager.SetLayerName("top", 1, "Layer");  // another layer's name
    EXPECT_EQ(manager.GetLayerName("top", 1), QStringLiteral("Layer 2"));
    manager.SetLayerName("top", 7, "Ghost");
    EXPECT_EQ(manager.GetLayerName("top", 7), QString());
}

TEST_F(LayerManagerTest, RemoveLayers)
{
    LayerManager manager;
    for (const char* name : {"A", "B", "C", "D"})
        manager.InsertLayer("top", -1, QString(name));
    ASSERT_TRUE(manager.SetActiveLayer("top", 2, false));

    std::unique_ptr<Layer> removed(manager.RemoveLayer("top", 2));
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(removed->GetName(), QStringLiteral("C"));
    EXPECT_EQ(manager.GetActiveLayerIndex("top"), 1);

    removed.reset(manager.RemoveLayer("top", 2));  // not active
    EXPECT_EQ(manager.GetActiveLayerIndex("top"), 1);
    ASSERT_TRUE(manager.SetActiveLayer("top", 0, false));
    removed.reset(manager.RemoveLayer("top", 0));  // the active bottom layer
    EXPECT_EQ(manager.GetActiveLayerIndex("top"), 0);
    EXPECT_EQ(manager.RemoveLayer("top", 5), nullptr);

    removed.reset(manager.RemoveLayer("top", 0));
    EXPECT_EQ(manager.LayerCount("top"), 0);
    EXPECT_EQ(manager.GetFlattenedImage("top"), nullptr);
    EXPECT_TRUE(manager.GetCameras().contains("top"));
    // Only a camera without layers can be dropped from the document.
    manager.InsertLayer("side", -1, QString("S"));
    EXPECT_FALSE(manager.RemoveEmptyCamera("side"));
    EXPECT_FALSE(manager.RemoveEmptyCamera("nowhere"));
    EXPECT_TRUE(manager.RemoveEmptyCamera("top"));
    EXPECT_EQ(manager.GetCameras(), QStringList({"side"}));

    manager.InsertLayer("persp", -1, QString("P1"));
    manager.InsertLayer("persp", -1, QString("P2"));
    QList<Layer*> all{removed.get()};
    manager.RemoveAllLayers("persp", all);
    EXPECT_EQ(all.size(), 2);
    qDeleteAll(all);
    EXPECT_EQ(manager.GetFlattenedImage("persp"), nullptr);
    manager.RemoveAllLayers("nowhere", all);
    EXPECT_TRUE(all.isEmpty());
}

TEST_F(LayerManagerTest, MovesWithinAndBetweenCameras)
{
    LayerManager manager;
    for (const char* name : {"A", "B", "C"})
        manager.InsertLayer("top", -1, QString(name));
    EXPECT_EQ(manager.MoveLayer("top", 0, 99), 2);
    EXPECT_EQ(Names(manager, "top"), QStringList({"B", "C", "A"}));
    EXPECT_EQ(manager.GetActiveLayerIndex("top"), 2);

    output().clear();
    EXPECT_EQ(manager.MoveLayer("top", 5, 0), -1);
    EXPECT_NE(Errors().find("Invalid layer: top (5)"), std::string::npos);

    output().clear();
    EXPECT_EQ(manager.MoveLayer("top", 0, "nosuchCamera", 0), -1);
    EXPECT_NE(Errors().find("Camera does not exist: nosuchCamera"), std::string::npos);
    EXPECT_EQ(manager.LayerCount("top"), 3);  // nothing removed first

    output().clear();
    EXPECT_EQ(manager.MoveLayer("top", 9, "persp", 0), -1);
    EXPECT_NE(Errors().find("Invalid layer: top (9)"), std::string::npos);

    // The moved active layer loses its flag; the target's first layer is
    // active there and the source picks the layer below.
    EXPECT_EQ(manager.MoveLayer("top", 2, "persp", 0), 0);
    EXPECT_EQ(manager.GetActiveLayerIndex("top"), 1);
    EXPECT_EQ(manager.GetActiveLayerIndex("persp"), 0);
    ASSERT_NE(manager.GetFlattenedImage("persp"), nullptr);
    EXPECT_EQ(manager.MoveLayer("top", 0, "persp", -1), 1);
    EXPECT_EQ(Names(manager, "persp"), QStringList({"A", "B"}));
    EXPECT_EQ(manager.GetActiveLayerIndex("persp"), 0);
}

TEST_F(LayerManagerTest, ActiveLayerRules)
{
    LayerManager manager;
    output().clear();
    EXPECT_TRUE(manager.SetActiveLayer("top", -1, false));  // no layers: accepted
    EXPECT_TRUE(manager.GetCameras().contains("top"));
    manager.InsertLayer("top", -1, QString("A"));
    manager.InsertLayer("top", -1, QString("B"));
    EXPECT_FALSE(manager.SetActiveLayer("top", -1, false));
    EXPECT_NE(Errors().find("Invalid layer index: -1"), std::string::npos);
    EXPECT_FALSE(manager.SetActiveLayer("top", 2, false));
    EXPECT_EQ(manager.GetActiveLayerIndex("top"), 0);

    manager.InsertLayer("persp", -1, QString("C"));
    EXPECT_TRUE(manager.SetActiveLayer("top", 1, true));
    EXPECT_FALSE(manager.GetLayer("top", 0)->IsActive());
    EXPECT_EQ(manager.GetActiveLayer("top")->GetName(), QStringLiteral("B"));
    EXPECT_TRUE(manager.SetActiveLayer("persp", 0, true));
    EXPECT_EQ(manager.GetActiveCamera(), QStringLiteral("persp"));
    EXPECT_EQ(manager.GetPreviousActiveCamera(), QStringLiteral("top"));
}

TEST_F(LayerManagerTest, AttributesAndFramesOfMissingLayersAreNeutral)
{
    LayerManager manager;
    EXPECT_FALSE(manager.IsLayerVisible("top", 0));
    EXPECT_FLOAT_EQ(manager.GetLayerOpacity("top", 0), 0.0f);
    EXPECT_EQ(manager.GetLayerState("top", 0), LAYER_STATE_ANIM);
    manager.SetLayerVisible("top", 0, false);
    manager.SetLayerOpacity("top", 0, 0.5f);
    manager.ForceCacheUpdate("top", 0);
    EXPECT_TRUE(manager.GetLayers("top").isEmpty());
    manager.CacheUpdateRequired("top");
    EXPECT_TRUE(manager.GetCameras().isEmpty());  // lookups create nothing

    EXPECT_EQ(manager.AddFrame("top"), -1);
    auto frame = std::make_unique<Frame>(At(3));
    EXPECT_EQ(manager.InsertFrame("top", frame.get()), -1);  // still ours
    EXPECT_EQ(manager.RemoveFrame("top", At(3)), nullptr);
    EXPECT_EQ(manager.GetPreviousFrame("top", true), nullptr);
    EXPECT_EQ(manager.GetFrameCopy("top", At(3)), nullptr);
    EXPECT_FALSE(manager.FrameExists("top"));
    QList<int> times{7};
    manager.GetFrameTimes("top", times);
    EXPECT_EQ(times, QList<int>({7}));

    manager.InsertLayer("top", -1, QString("A"));
    EXPECT_EQ(manager.InsertFrame("top", frame.release()), 0);
    EXPECT_TRUE(manager.FrameExists("top", At(3)));
    manager.SetLayerOpacity("top", 0, 2.0f);
    EXPECT_FLOAT_EQ(manager.GetLayerOpacity("top", 0), 1.0f);
    manager.SetLayerState("top", 0, LAYER_STATE_LOCKED);
    EXPECT_EQ(manager.GetLayerState("top", 0), LAYER_STATE_LOCKED);
}

TEST_F(LayerManagerTest, MasterAndCameraRefresh)
{
    LayerManager manager;
    EXPECT_FALSE(manager.IsMaster());
    manager.MakeMaster();
    EXPECT_TRUE(manager.IsMaster());
    manager.InsertLayer("top", -1, QString("A"));  // refreshes no panel: none exists
    manager.RefreshActiveCamera();                // batch: no view, camera kept
    EXPECT_EQ(manager.GetActiveCamera(), QStringLiteral("top"));
    EXPECT_TRUE(MayaUtil::CameraExists(QStringLiteral("persp")));
    manager.DeleteAllLayers(true);
    EXPECT_TRUE(manager.GetCameras().isEmpty());
    EXPECT_EQ(manager.TotalLayerCount(), 0);
}
