#include "ModelTest.h"

#include "model/TileStoreCache.h"

using TileStoreTest = ModelTest;

TEST_F(TileStoreTest, StoresTheTilesThatHoldSomething)
{
    QImage image = Frame::BlankImage();
    image.setPixel(0, 0, qRgba(1, 2, 3, 4));
    image.setPixel(1023, 1023, qRgba(5, 6, 7, 1));
    image.setPixel(500, 17, qRgba(9, 9, 9, 200));
    const TileStore store(image);
    const TileMask& mask = store.Mask();
    EXPECT_EQ(mask.SetCount(), 3);
    const int last = mask.Count() - 1;
    ASSERT_NE(store.Row(last, 15), nullptr);
    EXPECT_EQ(store.Row(last, 15)[15 * 4 + 3], 1);
    const int middle = (17 / TileMask::TILE) * mask.Columns() + 500 / TileMask::TILE;
    EXPECT_EQ(store.Row(middle, 17 % TileMask::TILE)[(500 % TileMask::TILE) * 4 + 3], 200);
    EXPECT_EQ(store.Row(1, 0), nullptr);
}

TEST_F(TileStoreTest, CacheFollowsImageChangesAndStaysWithinBudget)
{
    const QImage first = Drawing(1);
    const int bytes = TileStore(first).Bytes();
    TileStoreCache cache(bytes * 3);
    QImage image = first;
    const auto store = cache.Get(image);
    EXPECT_EQ(cache.Get(image), store);  // remembered
    image.setPixel(5, 5, qRgba(0, 0, 0, 255));  // a write gives the image a new key
    EXPECT_NE(cache.Get(image), store);
    EXPECT_TRUE(cache.Get(image)->Mask().Test(0));

    for (int seed = 2; seed < 12; ++seed) {
        const QImage other = Drawing(seed);
        EXPECT_EQ(cache.Get(other)->Mask(), TileMask::Of(other));
    }
    EXPECT_LE(cache.Size(), 4);
    EXPECT_EQ(cache.Get(QImage()), nullptr);
}
