// The route store: reset and point access.
#include "route/route_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "shell/app_state.h"

namespace rw {
namespace {

TEST(RouteStore, StartsEmpty)
{
    const AppState state;
    EXPECT_EQ(state.route.legCount, 0u);
    EXPECT_EQ(state.route.currentLeg, 0u);
    EXPECT_EQ(state.route.RouteBuilt, 0);
    EXPECT_EQ(state.route.RouteUnsaved, 0);
    EXPECT_EQ(state.route.legs[4].points[31].ident, "");
    EXPECT_EQ(state.route.legInfo[4].pointCount, 0u);
}

TEST(RouteStore, ResetZeroesEveryByteButTheFlags)
{
    auto store = std::make_unique<RouteStore>();
    std::memset(static_cast<void*>(store.get()), 0xA5, sizeof(RouteStore));
    store->RouteBuilt = 1;
    store->RouteUnsaved = 1;

    store->Reset();

    EXPECT_EQ(store->RouteBuilt, 1);
    EXPECT_EQ(store->RouteUnsaved, 1);
    store->RouteBuilt = 0;
    store->RouteUnsaved = 0;
    std::vector<unsigned char> bytes(sizeof(RouteStore));
    std::memcpy(bytes.data(), static_cast<const void*>(store.get()), bytes.size());
    std::size_t nonZero = 0;
    for (const unsigned char b : bytes) {
        nonZero += b != 0;
    }
    EXPECT_EQ(nonZero, 0u);
}

TEST(RouteStore, PointAccessStaysInsideTheLegsPoints)
{
    RouteStore store;
    store.legInfo[1].pointCount = 3;
    store.legs[1].points[2].ident = "LSGG";
    // A count beyond the slots must not reach past them.
    store.legInfo[2].pointCount = 40;

    EXPECT_EQ(store.PointAt(1, 0), &store.legs[1].points[0]);
    EXPECT_EQ(store.PointAt(1, 2), &store.legs[1].points[2]);
    EXPECT_EQ(store.PointAt(1, 3), nullptr);
    EXPECT_EQ(store.PointAt(0, 0), nullptr);
    EXPECT_EQ(store.PointAt(5, 0), nullptr);
    EXPECT_EQ(store.PointAt(2, 31), &store.legs[2].points[31]);
    EXPECT_EQ(store.PointAt(2, 32), nullptr);

    EXPECT_EQ(store.DeparturePoint(1), &store.legs[1].points[0]);
    ASSERT_NE(store.DestinationPoint(1), nullptr);
    EXPECT_EQ(store.DestinationPoint(1)->ident, "LSGG");
    EXPECT_EQ(store.DeparturePoint(0), nullptr);
    EXPECT_EQ(store.DestinationPoint(0), nullptr);
    EXPECT_EQ(store.DestinationPoint(7), nullptr);
}

TEST(RouteStore, NamesHoldSeventyCharacters)
{
    RoutePoint point;
    const std::string fifty(50, 'a');
    point.name = fifty;
    EXPECT_EQ(point.name, fifty);
    const std::string seventy = "Error reading Airport/Runway Data file!" + std::string(31, 'b');
    point.name = seventy + "cut";
    EXPECT_EQ(point.name, seventy);
}

}  // namespace
}  // namespace rw
