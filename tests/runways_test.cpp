// Runway list entries, the order of the sorted lists, the filling of a list,
// the preferred-runway file and the user's pick.
#include "airports/runways.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "airport_fixture.h"
#include "console/console_main_window.h"
#include "resources/resource.h"

namespace rw {
namespace {

using namespace std::string_view_literals;

TEST(RunwayEntry, PartBeforeTheFirstHyphenSplitAtUnderscores)
{
    struct Case {
        const char* field;
        bool made;
        const char* entry;
    };
    const Case cases[] = {
        {"09L_27R-xyz", true, "09L 27R "},
        {"16_34", true, "16 34 "},
        {"16", true, "16 "},
        {"-", false, ""},
        {"---", false, ""},
        {"___-x", true, ""},
        {"_", true, ""},
        {"--09_27-grass", true, "09 27 "},
        {"__09__27__", true, "09 27 "},
        {"09-", true, "09 "},
        {"H1_H2_H3", true, "H1 H2 H3 "},
        {"-x-y", true, "x "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        std::string entry = "unchanged";
        EXPECT_EQ(MakeRunwayEntry(c.field, entry), c.made);
        if (c.made) {
            EXPECT_EQ(entry, c.entry);
        }
    }
}

// The order the sorted combo box of the Windows program gave to these texts,
// added in this order: marks before digits before letters, case ignored, and
// among texts equal but for case the place its halving search finds.
TEST(RunwayListOrder, ConsoleAndFakeSortAsTheComboBox)
{
    struct Case {
        const char* what;
        std::vector<std::string> added;
        std::vector<std::string> sorted;
    };
    const Case cases[] = {
        {"runways and marks",
         {"16R 34L ", "16 34 ", "16L 34R ", "b", "B", "a", "_x", "[x", "1", " x", "/x", ":x",
          "~x", "x", "X", "09l ", "09L ", "09l ", "ab", "ac", "aa", "ZZ", "zz", "Zz", "", "#1",
          "9", "10"},
         {"", " x", "#1", "/x", ":x", "[x", "_x", "~x", "09l ", "09L ", "09l ", "1", "10",
          "16 34 ", "16L 34R ", "16R 34L ", "9", "a", "aa", "ab", "ac", "B", "b", "X", "x", "Zz",
          "zz", "ZZ"}},
        {"letters and case",
         {"b", "B", "a", "A", "bb", "Bb", "bB", "BB", "c", "C", "0", "x9", "X9", "x9", "x10"},
         {"0", "A", "a", "B", "b", "bB", "BB", "Bb", "bb", "C", "c", "x10", "x9", "X9", "x9"}},
        {"marks in the locale's order",
         {"-x", "'x", ">x", "=x", "<x", "+x", "~x", "}x", "|x", "{x", "`x", "_x", "^x", "]x",
          "\\x", "[x", "@x", "?x", ";x", ":x", "/x", ".x", ",x", "*x", ")x", "(x", "&x", "%x",
          "$x", "#x", "\"x", "!x", " x"},
         {" x", "!x", "\"x", "#x", "$x", "%x", "&x", "(x", ")x", "*x", ",x", ".x", "/x", ":x",
          ";x", "?x", "@x", "[x", "\\x", "]x", "^x", "_x", "`x", "{x", "|x", "}x", "~x", "+x",
          "<x", "=x", ">x", "'x", "-x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FakeMainWindow fake;
        ConsoleMainWindow console;
        for (const std::string& text : c.added) {
            EXPECT_GE(fake.AddListEntry(IDC_DEPARTURE_RUNWAYS, text), 0);
            EXPECT_GE(console.AddListEntry(IDC_DEPARTURE_RUNWAYS, text), 0);
        }
        EXPECT_EQ(fake.Entries(IDC_DEPARTURE_RUNWAYS), c.sorted);
        ASSERT_EQ(console.ListCount(IDC_DEPARTURE_RUNWAYS), static_cast<int>(c.sorted.size()));
        for (int i = 0; i < console.ListCount(IDC_DEPARTURE_RUNWAYS); ++i) {
            std::string entry;
            ASSERT_TRUE(console.ListEntry(IDC_DEPARTURE_RUNWAYS, i, entry));
            EXPECT_EQ(entry, c.sorted[static_cast<std::size_t>(i)]) << "entry " << i;
        }
    }
}

TEST(RunwayListOrder, AddGivesTheIndexAndTheSelectionStaysWithItsEntry)
{
    ConsoleMainWindow window;
    EXPECT_EQ(window.SelectedListEntry(IDC_LANDING_RUNWAYS), -1);
    EXPECT_EQ(window.AddListEntry(IDC_LANDING_RUNWAYS, "16 34 "), 0);
    EXPECT_EQ(window.AddListEntry(IDC_LANDING_RUNWAYS, "28 10 "), 1);
    window.SelectListEntry(IDC_LANDING_RUNWAYS, 1);
    EXPECT_EQ(window.AddListEntry(IDC_LANDING_RUNWAYS, "14 32 "), 0);
    EXPECT_EQ(window.SelectedListEntry(IDC_LANDING_RUNWAYS), 2);
    window.SelectListEntry(IDC_LANDING_RUNWAYS, 3);
    EXPECT_EQ(window.SelectedListEntry(IDC_LANDING_RUNWAYS), -1);
    std::string entry = "unchanged";
    EXPECT_FALSE(window.ListEntry(IDC_LANDING_RUNWAYS, 3, entry));
    EXPECT_FALSE(window.ListEntry(IDC_LANDING_RUNWAYS, -1, entry));
    EXPECT_FALSE(window.ListEntry(IDC_DEPARTURE_RUNWAYS, 0, entry));
    EXPECT_EQ(entry, "unchanged");
    window.ClearList(IDC_LANDING_RUNWAYS);
    EXPECT_EQ(window.ListCount(IDC_LANDING_RUNWAYS), 0);
}

// A window that notes whether redrawing was on for every entry added.
class RecordingWindow : public test::FakeMainWindow {
public:
    int AddListEntry(int listId, std::string_view text) override
    {
        redrawWhileAdding.push_back(lists[listId].redraw);
        return FakeMainWindow::AddListEntry(listId, text);
    }
    std::vector<bool> redrawWhileAdding;
};

class RunwayList : public test::AirportTest {};

TEST_F(RunwayList, FilledSortedWithRedrawingOff)
{
    RecordingWindow recording;
    Context recorded{state, user, recording, dialogs, system};
    ASSERT_EQ(recording.AddListEntry(IDC_DEPARTURE_RUNWAYS, "stale "), 0);
    recording.redrawWhileAdding.clear();
    const RunwayField fields[] = {"34_16"sv, "-"sv, "10_28-grass"sv, "___-x"sv};

    FillRunwayList(recorded, AirportEnd::Departure, fields, 4);

    EXPECT_EQ(recording.Entries(IDC_DEPARTURE_RUNWAYS),
              (std::vector<std::string>{"", "10 28 ", "34 16 "}));
    EXPECT_EQ(recording.redrawWhileAdding, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(recording.lists[IDC_DEPARTURE_RUNWAYS].redraw);
    EXPECT_TRUE(recording.Entries(IDC_LANDING_RUNWAYS).empty());
    EXPECT_TRUE(user.shown.empty());

    // No fields: the list is emptied and drawn again.
    FillRunwayList(recorded, AirportEnd::Departure, fields, 0);
    EXPECT_TRUE(recording.Entries(IDC_DEPARTURE_RUNWAYS).empty());
    EXPECT_TRUE(recording.lists[IDC_DEPARTURE_RUNWAYS].redraw);
}

TEST_F(RunwayList, RefusedEntryIsToldAndTheNextIsTried)
{
    window.refuseEntries = true;
    const RunwayField fields[] = {"16_34"sv, "-"sv, "10_28"sv};
    FillRunwayList(context, AirportEnd::Destination, fields, 3);
    ASSERT_EQ(user.shown.size(), 2u);
    for (const test::ShownMessage& m : user.shown) {
        EXPECT_EQ(m.textId, IDS_RUNWAY_ADD_FAILED);
        EXPECT_EQ(m.icon, MessageIcon::Stop);
        EXPECT_EQ(m.buttons, MessageButtons::Ok);
        EXPECT_EQ(m.text, "Failed to add Runway data to the Runway Selection list!\n"
                          "Possibly not enough memory available.");
    }
    EXPECT_TRUE(window.lists[IDC_LANDING_RUNWAYS].redraw);
}

TEST(PreferredRunwayFile, LiesBesideTheDataFile)
{
    PathText path;
    ASSERT_TRUE(PreferredRunwayPath("/opt/rw/Fsb_apts.txt", path));
    EXPECT_EQ(path, "/opt/rw/fsb_pref_rwy.txt");
    ASSERT_TRUE(PreferredRunwayPath("/World.txt", path));
    EXPECT_EQ(path, "/fsb_pref_rwy.txt");
    ASSERT_TRUE(PreferredRunwayPath("World.txt", path));
    EXPECT_EQ(path, "fsb_pref_rwy.txt");
    PathText unchanged("unchanged");
    EXPECT_FALSE(PreferredRunwayPath(std::string(250, 'f') + "/a.txt", unchanged));
    EXPECT_EQ(unchanged, "unchanged");
}

TEST(PreferredRunwayFile, LinesAreCommentsOrFourFields)
{
    struct Case {
        std::string line;
        bool valid;
        const char* ident;
        const char* departure;
        const char* landing;
    };
    const Case cases[] = {
        {"LSZH 16 28 x", true, "LSZH", "16", "28"},
        {"\tLSZH\t16\t28", true, "LSZH", "16", "28"},
        {"LSZH 16", true, "LSZH", "16", ""},
        {"LSZH", true, "LSZH", "", ""},
        {" LSZH 16 28 x", false, "", "", ""},
        {"*LSZH 16 28 x", false, "", "", ""},
        {";LSZH 16 28 x", false, "", "", ""},
        {"", false, "", "", ""},
        {"\r", false, "", "", ""},
        {"LSZH 123456789ABC 16L_34R_EXTRA " + std::string(400, 'q'), true, "LSZH", "12345678",
         "16L_34R_"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 40));
        const PreferredRunwayLine parsed = ParsePreferredRunwayLine(c.line);
        EXPECT_EQ(parsed.valid, c.valid);
        if (c.valid) {
            EXPECT_EQ(parsed.ident, c.ident);
            EXPECT_EQ(parsed.departure, c.departure);
            EXPECT_EQ(parsed.landing, c.landing);
        }
    }
}

class PreferredRunways : public test::AirportTest {
protected:
    void SetUp() override
    {
        AirportTest::SetUp();
        SetLeg(0, {"LSZH", "WIL", "LSGG"});
    }

    void Fill(AirportEnd end, std::initializer_list<const char*> fields)
    {
        std::vector<RunwayField> list(fields.begin(), fields.end());
        FillRunwayList(context, end, list.data(), static_cast<int>(list.size()));
    }

    LegInfo& info = state.route.legInfo[0];
};

// The search for the preferred runway starts at the second entry and tries
// the first last.
TEST_F(PreferredRunways, FirstEntryThatBeginsWithTheRunwayFromTheSecondOn)
{
    struct Case {
        const char* what;
        const char* departure;
        std::vector<const char*> fields;
        int index;
        const char* text;
    };
    const Case cases[] = {
        {"16 among 16 34, 16L 34R, 16R 34L", "16", {"16_34", "16L_34R", "16R_34L"}, 1, "16L 34R "},
        {"only the first entry begins with it", "16", {"16_34", "18_36", "28_10"}, 0, "16 34 "},
        {"ignoring case", "16r", {"16_34", "16L_34R", "16R_34L"}, 2, "16R 34L "},
        {"no entry matches", "09", {"16_34", "18_36"}, 0, "16 34 "},
        {"a one-entry list", "16", {"16_34"}, 0, "16 34 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WritePreferredRunways(std::string("LSZH ") + c.departure + " 28 x\n");
        info = LegInfo{};
        info.pointCount = 3;
        std::vector<RunwayField> fields(c.fields.begin(), c.fields.end());
        FillRunwayList(context, AirportEnd::Departure, fields.data(), static_cast<int>(fields.size()));

        ApplyPreferredRunways(context, "LSZH", AirportEnd::Departure);

        EXPECT_EQ(info.depRunwayIndex, c.index);
        EXPECT_EQ(window.SelectedListEntry(IDC_DEPARTURE_RUNWAYS), c.index);
        EXPECT_EQ(info.depRunway, c.text);
        EXPECT_EQ(info.arrRunwayIndex, 0);
        EXPECT_EQ(info.arrRunway, "");
    }
}

TEST_F(PreferredRunways, LineForTheAirportIsTheFirstThatIsNoComment)
{
    WritePreferredRunways(
        "; preferred runways\n"
        " LSGG 04 04 x\n"
        "*LSGG 04 04 x\n"
        "EDDF 18 18 x\n"
        "lsgg 22 05\n"
        "LSGG 04 04 x\n");
    Fill(AirportEnd::Destination, {"04_22", "05_23", "22_04", "23_05"});
    ApplyPreferredRunways(context, "LSGG", AirportEnd::Destination);
    EXPECT_EQ(info.arrRunwayIndex, 1);
    EXPECT_EQ(info.arrRunway, "05 23 ");
    EXPECT_EQ(window.SelectedListEntry(IDC_LANDING_RUNWAYS), 1);
}

TEST_F(PreferredRunways, WithoutFileOrLineTheStoredIndexIsSelected)
{
    struct Case {
        const char* what;
        const char* file;  // null: no file
    };
    const Case cases[] = {
        {"no file", nullptr},
        {"no line for the airport", "EDDF 18 18 x\n"},
        {"an empty file", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(Path("fsb_pref_rwy.txt"));
        if (c.file != nullptr) {
            WritePreferredRunways(c.file);
        }
        info.depRunwayIndex = 2;
        Fill(AirportEnd::Departure, {"10_28", "14_32", "16_34"});
        ApplyPreferredRunways(context, "LSZH", AirportEnd::Departure);
        EXPECT_EQ(info.depRunwayIndex, 2);
        EXPECT_EQ(info.depRunway, "16 34 ");
        EXPECT_EQ(window.SelectedListEntry(IDC_DEPARTURE_RUNWAYS), 2);
    }
}

TEST_F(PreferredRunways, ChosenListKeepsTheUsersEntryTheOtherFollowsTheFile)
{
    WritePreferredRunways("LSZH 16 28 x\n");
    info.depRunwayIndex = 0;
    info.depRunway = "10 28 ";
    info.depRunwayChosen = 1;
    Fill(AirportEnd::Departure, {"10_28", "16_34", "28_10"});
    ApplyPreferredRunways(context, "LSZH", AirportEnd::Departure);
    EXPECT_EQ(info.depRunwayIndex, 0);
    EXPECT_EQ(info.depRunway, "10 28 ");
    EXPECT_EQ(window.SelectedListEntry(IDC_DEPARTURE_RUNWAYS), 0);

    Fill(AirportEnd::Destination, {"10_28", "16_34", "28_10"});
    ApplyPreferredRunways(context, "LSZH", AirportEnd::Destination);
    EXPECT_EQ(info.arrRunwayIndex, 2);
    EXPECT_EQ(info.arrRunway, "28 10 ");
}

TEST_F(PreferredRunways, TextIsKeptOnlyOfAnEntryOfAtMost40Characters)
{
    const std::string forty = std::string(39, 'A');       // entry "AAA...A " of 40
    const std::string fortyOne = std::string(40, 'B');    // entry of 41
    struct Case {
        const char* what;
        std::string field;
        int storedIndex;
        std::string text;
        int selected;
    };
    const Case cases[] = {
        {"40 characters", forty, 0, forty + " ", 0},
        {"41 characters", fortyOne, 0, "before", 0},
        {"an index beyond the list", "16_34", 5, "before", -1},
        {"an empty list", "-", 0, "before", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        info.depRunwayIndex = c.storedIndex;
        info.depRunway = "before";
        const RunwayField field(c.field);
        FillRunwayList(context, AirportEnd::Departure, &field, 1);
        ApplyPreferredRunways(context, "LSZH", AirportEnd::Departure);
        EXPECT_EQ(info.depRunway, c.text);
        EXPECT_EQ(window.SelectedListEntry(IDC_DEPARTURE_RUNWAYS), c.selected);
    }
}

TEST_F(PreferredRunways, PickIsKeptForTheCurrentLeg)
{
    SetLeg(1, {"LSGG", "FRI", "LSZH"});
    state.route.currentLeg = 1;
    LegInfo& current = state.route.legInfo[1];
    Fill(AirportEnd::Destination, {"10_28", "14_32", "16_34", std::string(45, 'L').c_str()});

    window.SelectListEntry(IDC_LANDING_RUNWAYS, 1);
    PickRunway(context, AirportEnd::Destination);
    EXPECT_EQ(current.arrRunwayIndex, 1);
    EXPECT_EQ(current.arrRunway, "14 32 ");
    EXPECT_EQ(current.arrRunwayChosen, 1);
    EXPECT_EQ(current.depRunwayChosen, 0);

    // An entry too long for the leg's text: the index is kept, the text not.
    window.SelectListEntry(IDC_LANDING_RUNWAYS, 3);
    PickRunway(context, AirportEnd::Destination);
    EXPECT_EQ(current.arrRunwayIndex, 3);
    EXPECT_EQ(current.arrRunway, "14 32 ");

    // The other leg is untouched.
    EXPECT_EQ(info.arrRunwayChosen, 0);
    EXPECT_EQ(info.arrRunwayIndex, 0);
}

}  // namespace
}  // namespace rw
