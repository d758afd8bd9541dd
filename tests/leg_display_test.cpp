// Showing a leg: the fields of the main window, the busy display, failure
// texts as names, the runway choice across displays and legs, the generated
// plan name, and the sample plans against the worldwide data file.
#include "airports/leg_display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "airport_fixture.h"
#include "airports/airport_data.h"
#include "airports/runways.h"
#include "resources/resource.h"
#include "route/plan_reader.h"
#include "route/route_tree_text.h"

namespace rw {
namespace {

const test::AirportFiles kSwiss = test::MakeAirportFiles({
    "EDDF Frankfurt_Main 364 N50.03 E008.57 07C_25C 07L_25R 07R_25L 18_36",
    "LFSB Basel_Mulhouse 885 N47.59 E007.53 08_26 15_33",
    "LSGG Geneve_Cointrin 1411 N46.23 E006.10 05_23 04_22-grass",
    "LSZH Zurich 1416 N47.46 E008.54 16_34 10_28 14_32",
});

// Notes the busy display, the cursor, the status bar and the first field
// the display fills, in order.
class EventWindow : public test::FakeMainWindow {
public:
    void ShowBusyAnimation() override
    {
        events.push_back("show busy");
        FakeMainWindow::ShowBusyAnimation();
    }
    void HideBusyAnimation() override
    {
        events.push_back("hide busy");
        FakeMainWindow::HideBusyAnimation();
    }
    void SetWaitCursor(bool wait) override
    {
        events.push_back(wait ? "wait cursor" : "arrow cursor");
        FakeMainWindow::SetWaitCursor(wait);
    }
    void SetStatusText(std::string_view text) override
    {
        events.push_back("status " + std::string(text));
        FakeMainWindow::SetStatusText(text);
    }
    void SetText(int controlId, std::string_view text) override
    {
        if (controlId == IDC_DEPARTURE_ID) {
            events.push_back("departure shown");
        }
        FakeMainWindow::SetText(controlId, text);
    }
    std::vector<std::string> events;
};

class LegDisplay : public test::AirportTest {
protected:
    void SetUp() override
    {
        AirportTest::SetUp();
        WriteAirportFiles(kSwiss);
        SetLeg(0, {"LSZH", "WIL", "FRI", "LSGG"}, 9000.0);
        state.route.legInfo[0].cruiseAltitude = 9000.75;
        state.settings.Startup.Autogen = 3;
        state.destPath = "/plans/Zurich.pln";
    }

    std::string Text(int id) { return window.Text(id); }
};

TEST_F(LegDisplay, ShowsAirportsRunwaysRouteAndAltitude)
{
    ShowLegAirports(context, 0, false);

    EXPECT_EQ(Text(IDC_DEPARTURE_ID), "LSZH");
    EXPECT_EQ(Text(IDC_DEPARTURE_NAME), "Zurich");
    EXPECT_EQ(Text(IDC_DESTINATION_ID), "LSGG");
    EXPECT_EQ(Text(IDC_DESTINATION_NAME), "Geneve_Cointrin");
    EXPECT_EQ(Text(IDC_ROUTE_TEXT), "LSZH-WIL-FRI-LSGG");
    EXPECT_EQ(Text(IDC_CRUISE_ALTITUDE), "9000");
    EXPECT_EQ(Text(IDC_DEST_PATH), "/plans/Zurich.pln");
    EXPECT_EQ(window.Entries(IDC_DEPARTURE_RUNWAYS),
              (std::vector<std::string>{"10 28 ", "14 32 ", "16 34 "}));
    EXPECT_EQ(window.Entries(IDC_LANDING_RUNWAYS), (std::vector<std::string>{"04 22 ", "05 23 "}));
    EXPECT_EQ(window.SelectedListEntry(IDC_DEPARTURE_RUNWAYS), 0);
    EXPECT_EQ(window.SelectedListEntry(IDC_LANDING_RUNWAYS), 0);

    const RoutePoint* points = state.route.legs[0].points;
    EXPECT_EQ(points[0].name, "Zurich");
    EXPECT_EQ(points[3].name, "Geneve_Cointrin");
    EXPECT_EQ(points[0].altitude, 1416.0);
    EXPECT_EQ(points[3].altitude, 1411.0);
    EXPECT_EQ(points[1].altitude, 9000.0);
    EXPECT_EQ(points[1].name, "WIL");
    const LegInfo& info = state.route.legInfo[0];
    EXPECT_EQ(info.depRunway, "10 28 ");
    EXPECT_EQ(info.arrRunway, "04 22 ");

    EXPECT_EQ(window.statusHistory,
              (std::vector<std::string>{"Building Airport/Runway Information", ""}));
    EXPECT_FALSE(window.busy);
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(LegDisplay, BusyDisplayOnlyWhenAskedAndPutBackAtTheEnd)
{
    struct Case {
        bool showBusy;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {true,
         {"show busy", "wait cursor", "status Building Airport/Runway Information",
          "departure shown", "arrow cursor", "hide busy", "status "}},
        {false, {"status Building Airport/Runway Information", "departure shown", "status "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.showBusy);
        EventWindow events;
        Context recorded{state, user, events, dialogs, system};
        ShowLegAirports(recorded, 0, c.showBusy);
        EXPECT_EQ(events.events, c.events);
    }
}

TEST_F(LegDisplay, AirportNotFoundShowsTheTextAsItsName)
{
    SetLeg(0, {"LSZH", "WIL", "KJFK"}, 9000.0);
    ShowLegAirports(context, 0, false);

    EXPECT_EQ(Text(IDC_DESTINATION_ID), "KJFK");
    EXPECT_EQ(Text(IDC_DESTINATION_NAME), "Not found in Airport/Runway Data file!");
    EXPECT_EQ(state.route.legs[0].points[2].name, NotFoundText);
    EXPECT_EQ(state.route.legs[0].points[2].altitude, 9000.0);
    EXPECT_TRUE(window.Entries(IDC_LANDING_RUNWAYS).empty());
    EXPECT_EQ(Text(IDC_DEPARTURE_NAME), "Zurich");
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(LegDisplay, ListsOfAnEarlierLegAreEmptiedFirst)
{
    ShowLegAirports(context, 0, false);
    SetLeg(1, {"KJFK", "EGLL"});
    state.route.currentLeg = 1;
    ShowLegAirports(context, 1, false);
    EXPECT_TRUE(window.Entries(IDC_DEPARTURE_RUNWAYS).empty());
    EXPECT_TRUE(window.Entries(IDC_LANDING_RUNWAYS).empty());
    EXPECT_EQ(Text(IDC_ROUTE_TEXT), "KJFK-EGLL");
}

TEST_F(LegDisplay, UnreadableDataFileGivesTheErrorTextForBoth)
{
    UseDataFile(Path("nowhere/Fsb_apts.txt"));
    user.QueueAnswer(Answer::No);
    user.QueueAnswer(Answer::No);
    ShowLegAirports(context, 0, true);

    EXPECT_EQ(MessageIds(), (std::vector<int>{IDS_DATA_OPEN_FAILED, IDS_DATA_OPEN_FAILED}));
    EXPECT_EQ(Text(IDC_DEPARTURE_NAME), "Error reading Airport/Runway Data file!");
    EXPECT_EQ(Text(IDC_DESTINATION_NAME), "Error reading Airport/Runway Data file!");
    EXPECT_EQ(state.route.legs[0].points[0].name, ReadErrorText);
    EXPECT_EQ(state.route.legs[0].points[3].name, ReadErrorText);
    EXPECT_FALSE(window.busy);
    EXPECT_FALSE(window.waitCursor);
    EXPECT_EQ(window.statusText, "");
}

TEST_F(LegDisplay, EveryDisplayOverwritesTheNames)
{
    ShowLegAirports(context, 0, false);
    ASSERT_EQ(state.route.legs[0].points[3].name, "Geneve_Cointrin");
    WriteAirportFiles(test::MakeAirportFiles({"LSZH Zurich_Kloten 1417 a b 16_34"}));
    ShowLegAirports(context, 0, false);
    EXPECT_EQ(state.route.legs[0].points[0].name, "Zurich_Kloten");
    EXPECT_EQ(state.route.legs[0].points[0].altitude, 1417.0);
    EXPECT_EQ(state.route.legs[0].points[3].name, NotFoundText);
    // The elevation of the earlier display stays.
    EXPECT_EQ(state.route.legs[0].points[3].altitude, 1411.0);
}

TEST_F(LegDisplay, UsersPickSurvivesALaterDisplay)
{
    WritePreferredRunways("LSZH 16 10\nLSGG 05 05\n");
    ShowLegAirports(context, 0, false);
    LegInfo& info = state.route.legInfo[0];
    ASSERT_EQ(info.depRunwayIndex, 2);
    ASSERT_EQ(info.arrRunwayIndex, 1);

    window.SelectListEntry(IDC_DEPARTURE_RUNWAYS, 1);
    PickRunway(context, AirportEnd::Departure);
    ShowLegAirports(context, 0, false);

    EXPECT_EQ(window.SelectedListEntry(IDC_DEPARTURE_RUNWAYS), 1);
    EXPECT_EQ(info.depRunwayIndex, 1);
    EXPECT_EQ(info.depRunway, "14 32 ");
    // The landing list still follows the file.
    EXPECT_EQ(window.SelectedListEntry(IDC_LANDING_RUNWAYS), 1);
    EXPECT_EQ(info.arrRunway, "05 23 ");
}

TEST_F(LegDisplay, SwitchingLegsRestoresEachLegsRunways)
{
    SetLeg(1, {"LSGG", "FRI", "WIL", "EDDF"}, 7000.0);
    ShowLegAirports(context, 0, false);
    window.SelectListEntry(IDC_DEPARTURE_RUNWAYS, 2);
    PickRunway(context, AirportEnd::Departure);

    state.route.currentLeg = 1;
    ShowLegAirports(context, 1, true);
    window.SelectListEntry(IDC_LANDING_RUNWAYS, 3);
    PickRunway(context, AirportEnd::Destination);
    EXPECT_EQ(Text(IDC_DESTINATION_NAME), "Frankfurt_Main");

    state.route.currentLeg = 0;
    ShowLegAirports(context, 0, true);
    EXPECT_EQ(window.SelectedListEntry(IDC_DEPARTURE_RUNWAYS), 2);
    EXPECT_EQ(window.SelectedListEntry(IDC_LANDING_RUNWAYS), 0);
    EXPECT_EQ(state.route.legInfo[0].depRunway, "16 34 ");

    state.route.currentLeg = 1;
    ShowLegAirports(context, 1, true);
    EXPECT_EQ(window.SelectedListEntry(IDC_DEPARTURE_RUNWAYS), 0);
    EXPECT_EQ(window.SelectedListEntry(IDC_LANDING_RUNWAYS), 3);
    EXPECT_EQ(state.route.legInfo[1].arrRunway, "18 36 ");
    EXPECT_EQ(state.route.legInfo[1].depRunway, "04 22 ");
}

TEST_F(LegDisplay, RouteTextOf32FiveCharacterIdentifiers)
{
    std::vector<std::string> idents;
    for (int i = 0; i < 32; ++i) {
        idents.push_back("P" + std::to_string(10000 + i).substr(1));
    }
    LegInfo& info = state.route.legInfo[0];
    info.pointCount = 32;
    for (std::uint32_t i = 0; i < 32; ++i) {
        state.route.legs[0].points[i].ident = idents[i];
    }
    ShowLegAirports(context, 0, false);
    const std::string route = Text(IDC_ROUTE_TEXT);
    EXPECT_EQ(route.size(), 191u);
    EXPECT_EQ(route.substr(0, 12), "P0000-P0001-");
    EXPECT_EQ(route.substr(180), "P0030-P0031");
    EXPECT_EQ(std::count(route.begin(), route.end(), '-'), 31);
}

TEST(CruiseAltitude, WholeNumberWithTheFractionCut)
{
    struct Case {
        double altitude;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {9000.75, "9000"},
        {8499.9, "8499"},
        {-0.5, "0"},
        {-120.9, "-120"},
        {35000.0, "35000"},
        {1e12, "2147483647"},
        {-1e12, "-2147483648"},
        {std::numeric_limits<double>::infinity(), "2147483647"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.altitude);
        EXPECT_EQ(CruiseAltitudeText(c.altitude), c.text);
    }
}

TEST_F(LegDisplay, PlanNameIsGeneratedUnlessAutogenIsThree)
{
    state.settings.DefDestDir.Pathname = "/plans";
    state.settings.Startup.Autogen = 1;
    state.settings.Startup.FilterIndex = 1;
    ShowLegAirports(context, 0, false);
    EXPECT_EQ(state.destTitle.view().substr(0, 10), "LSZH-LSGG.");
    EXPECT_EQ(state.destPath.str(), "/plans/" + state.destTitle.str());
    EXPECT_EQ(Text(IDC_DEST_PATH), state.destPath.str());

    state.settings.Startup.Autogen = 3;
    state.destPath = "/kept/as/it/is.pln";
    state.destTitle = "is.pln";
    window.texts.erase(IDC_DEST_PATH);
    ShowLegAirports(context, 0, false);
    EXPECT_EQ(state.destPath, "/kept/as/it/is.pln");
    EXPECT_EQ(state.destTitle, "is.pln");
    EXPECT_EQ(Text(IDC_DEST_PATH), "/kept/as/it/is.pln");
}

TEST_F(LegDisplay, LegWithoutPointsShowsNothing)
{
    for (const std::uint32_t leg : {2u, kMaxLegs, 1000u}) {
        SCOPED_TRACE(leg);
        ShowLegAirports(context, leg, true);
        EXPECT_TRUE(window.texts.empty());
        EXPECT_TRUE(window.statusHistory.empty());
        EXPECT_FALSE(window.busy);
    }
}

// The plans in samples/ against the generated worldwide file: every airport
// at either end of a leg is found with a name, runways and an elevation near
// the one the plan itself gives.
TEST_F(LegDisplay, SamplePlansAirportsAreInTheWorldFile)
{
    const std::string world = RW_AIRPORT_DATA_FILE;
    if (!std::filesystem::exists(world)) {
        GTEST_SKIP() << "no worldwide data file at " << world << " (build the airport-data target)";
    }
    UseDataFile(world);
    int plans = 0;
    for (const auto& entry : std::filesystem::directory_iterator(RW_SAMPLES_DIR)) {
        if (entry.path().extension() != ".txt") {
            continue;  // the folder holds more than plans
        }
        SCOPED_TRACE(entry.path().string());
        state.route.Reset();
        state.sourcePath = entry.path().string();
        state.sourceTitle = entry.path().filename().string();
        ASSERT_TRUE(ScanLegs(context));
        PlanFile file;
        ASSERT_TRUE(OpenSourceFile(context, file));
        for (std::uint32_t leg = 0; leg < state.route.legCount; ++leg) {
            ASSERT_TRUE(ReadLegPoints(context, file, leg));
            CompleteLeg(state.route, leg);
        }
        for (std::uint32_t leg = 0; leg < state.route.legCount; ++leg) {
            SCOPED_TRACE(leg);
            const std::uint32_t last = state.route.legInfo[leg].pointCount - 1;
            const double planElevation[2] = {state.route.legs[leg].points[0].altitude,
                                             state.route.legs[leg].points[last].altitude};
            state.route.currentLeg = leg;
            ShowLegAirports(context, leg, false);
            const RoutePoint* ends[2] = {&state.route.legs[leg].points[0],
                                         &state.route.legs[leg].points[last]};
            const int lists[2] = {IDC_DEPARTURE_RUNWAYS, IDC_LANDING_RUNWAYS};
            for (int i = 0; i < 2; ++i) {
                SCOPED_TRACE(ends[i]->ident.str());
                EXPECT_FALSE(ends[i]->name.empty());
                EXPECT_NE(ends[i]->name, NotFoundText);
                EXPECT_NE(ends[i]->name, ReadErrorText);
                EXPECT_GT(window.ListCount(lists[i]), 0);
                EXPECT_NEAR(ends[i]->altitude, planElevation[i], 60.0);
            }
        }
        ++plans;
    }
    EXPECT_GT(plans, 0);
    EXPECT_TRUE(user.shown.empty());
}

}  // namespace
}  // namespace rw
