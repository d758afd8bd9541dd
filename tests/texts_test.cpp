// The string table: lookup by number and formatting of its texts.
#include "common/texts.h"

#include <gtest/gtest.h>

#include "resources/resource.h"

namespace rw {
namespace {

TEST(Texts, EntriesAreFoundByNumberExactlyAsWorded)
{
    struct Case {
        int id;
        const char* text;
    };
    const Case cases[] = {
        {IDS_APP_NAME, "Routewright"},
        {IDS_CONFIG_FILE, "Routewright.cfg"},
        {IDS_HELP_FILE, "Routewright.hlp"},
        {IDS_FRAME_CLASS, "Routewright Frame Window Class"},
        {IDS_POPUP_CLASS, "Routewright Popup Window Class"},
        // Trailing blank and typos are the program's own.
        {IDC_ROUTE_TEXT, "Route Waypoints Display "},
        {IDS_TOO_MANY_LEGS,
         "More than 5 Legs in FliteStar Flightplan file %s\nFlighplan will be reduced to max. 5 Legs!"},
        // This one ends with a double quote right after the name.
        {IDS_TOO_MANY_POINTS,
         "Maximum Nbr. of MS FS Waypoint's reached in FliteStar/FliteMap Flightplan file %s\""},
        {IDS_CPU_INTEL_STEP, "Intel %1 step %2!0.2X! processor"},
        {IDM_SAVE_AS, "Save a single Flight plan"},
        {IDC_SAVE_AS, "Save a single Flightplan"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(HasText(c.id));
        EXPECT_STREQ(LoadText(c.id), c.text);
    }
}

TEST(Texts, NumbersWithoutEntryGiveEmptyText)
{
    for (const int id : {0, 2, 13, IDC_VFR, IDC_ROUTE_TYPE_GROUP, IDM_EXIT, 40012, 40079}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(HasText(id));
        EXPECT_STREQ(LoadText(id), "");
    }
}

TEST(Texts, TheNameTakesThePlaceOfPercentS)
{
    EXPECT_EQ(FormatText(IDS_BUILD_FAILED, "trip.txt"), "Failed to build Flight-Plan from file trip.txt");
    EXPECT_EQ(FormatText(IDS_PLAN_NOT_SAVED, ""),
              "Flight-Plan  not saved yet!\nDo you want to save it?");
    // A name that itself holds "%s" or "%d" is inserted as it stands.
    EXPECT_EQ(FormatText(IDS_SOURCE_NOT_PLAN, "100%s%d.txt"),
              "100%s%d.txt is not a valid FliteStar/FliteMap Flightplan file!");
    EXPECT_EQ(FormatText(IDS_NO_SOURCE_NAME, "ignored"),
              "No FliteStar/FliteMap Flightplan Filename supplied!");
}

TEST(Texts, CountsAreFormattedWithPrintf)
{
    EXPECT_EQ(FormatPrintf(LoadText(IDS_BATCH_DONE), 3),
              "Drag n Drop operation completed\na Total of 3 Flightplans where processed!");
    EXPECT_EQ(FormatPrintf("%s - %s", "Routewright", ""), "Routewright - ");
}

}  // namespace
}  // namespace rw
