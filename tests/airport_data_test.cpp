// The airport lookup: where the search starts, what a match stores, the
// data-file messages and the browse loop, bounded fields and long lines, and
// the block reader under the scan.
#include "airports/airport_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "airport_fixture.h"
#include "resources/resource.h"

namespace rw {
namespace {

using test::AirportFiles;
using test::MakeAirportFiles;

const AirportFiles kSmallWorld = MakeAirportFiles({
    "EDDF Frankfurt_Main 364 N50.03 E008.57 07C_25C 07L_25R 07R_25L 18_36",
    "LFSB Basel_Mulhouse 885 N47.59 E007.53 08_26 15_33",
    "LSGG Geneve_Cointrin 1411 N46.23 E006.10 05_23 04_22-grass",
    "LSZB Bern_Belp 1674 N46.91 E007.49",
    "LSZH Zurich 1416 N47.46 E008.54 16_34 10_28 14_32",
    "MMMX Mexico_City 7316 N19.43 W099.07 05L_23R 05R_23L",
});

class Lookup : public test::AirportTest {
protected:
    void SetUp() override
    {
        AirportTest::SetUp();
        SetLeg(0, {"LSZH", "WIL", "LSGG"});
    }

    // The list the caller left, which a failed lookup must not touch.
    void LeaveListAsCallerLeftIt(int listId)
    {
        ASSERT_EQ(window.AddListEntry(listId, "left "), 0);
    }
};

// Where the search starts, and whether it finds the airport from there.
TEST_F(Lookup, FindsTheAirportWhereverTheSearchStarts)
{
    enum class Index { Normal, None, PastAirport };
    struct Case {
        const char* what;
        const char* ident;
        Index index;
        bool found;
    };
    const Case cases[] = {
        {"through the index", "LSZH", Index::Normal, true},
        {"lower case: the index misses, the scan from 0 finds it", "lszh", Index::Normal, true},
        {"mixed case", "lsZh", Index::Normal, true},
        {"no index file", "LSZH", Index::None, true},
        {"an index offset past the airport's line", "LSZH", Index::PastAirport, false},
        {"absent, first character in the index", "LSZX", Index::Normal, false},
        {"absent, first character not in the index", "KJFK", Index::Normal, false},
        {"absent, no index file", "KJFK", Index::None, false},
        {"a longer identifier whose start is an airport's", "LSZHX", Index::Normal, false},
        {"a shorter one", "LSZ", Index::Normal, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(Path("Fsb_apts.idx"));
        WriteAirportFiles(kSmallWorld, c.index == Index::Normal);
        if (c.index == Index::PastAirport) {
            const std::size_t mexico = kSmallWorld.data.find("MMMX");
            WriteFile(Path("Fsb_apts.idx"), "L " + std::to_string(mexico) + "\n");
        }
        window.lists.clear();
        LeaveListAsCallerLeftIt(IDC_DEPARTURE_RUNWAYS);
        state.route.legs[0].points[0].altitude = 500.0;

        const AirportName name = LookupAirport(context, c.ident, AirportEnd::Departure);

        if (c.found) {
            EXPECT_EQ(name, "Zurich");
            EXPECT_EQ(state.route.legs[0].points[0].altitude, 1416.0);
            EXPECT_EQ(window.Entries(IDC_DEPARTURE_RUNWAYS),
                      (std::vector<std::string>{"10 28 ", "14 32 ", "16 34 "}));
        } else {
            EXPECT_EQ(name, NotFoundText);
            EXPECT_EQ(state.route.legs[0].points[0].altitude, 500.0);
            EXPECT_EQ(window.Entries(IDC_DEPARTURE_RUNWAYS), std::vector<std::string>{"left "});
        }
        EXPECT_TRUE(user.shown.empty());
        EXPECT_TRUE(window.Entries(IDC_LANDING_RUNWAYS).empty());
        EXPECT_EQ(state.route.legs[0].points[2].altitude, 500.0);
    }
}

// A line for the airport before the index offset is never seen: the
// search reads from the offset on, and from the start only without index.
TEST_F(Lookup, SearchStartsAtTheIndexOffset)
{
    const std::string decoy = "LSZH Not_This_One 1 x y 01_19\n";
    const std::string rest = "LFSB Basel_Mulhouse 885 N47.59 E007.53 08_26\n"
                             "LSZH Zurich 1416 N47.46 E008.54 16_34\n";
    WriteFile(Path("Fsb_apts.txt"), decoy + rest);
    WriteFile(Path("Fsb_apts.idx"), "LFSB " + std::to_string(decoy.size()) + "\n");
    EXPECT_EQ(IndexOffset(state.settings.AirpFile.Pathname.view(), "LSZH"),
              static_cast<std::int32_t>(decoy.size()));
    EXPECT_EQ(LookupAirport(context, "LSZH", AirportEnd::Departure), "Zurich");

    std::filesystem::remove(Path("Fsb_apts.idx"));
    EXPECT_EQ(LookupAirport(context, "LSZH", AirportEnd::Departure), "Not_This_One");
}

// The scan does not stop when the first character changes: it runs on to
// the end of the file.
TEST_F(Lookup, ScanGoesOnPastOtherInitials)
{
    WriteFile(Path("Fsb_apts.txt"), "LFSB Basel 885 a b\nMMMX Mexico 7316 a b\nLSZH Zurich 1416 a b\n");
    WriteFile(Path("Fsb_apts.idx"), "L 0\nM 19\n");
    EXPECT_EQ(LookupAirport(context, "LSZH", AirportEnd::Departure), "Zurich");
}

TEST_F(Lookup, MatchStoresTheElevationAtTheEndOfTheCurrentLeg)
{
    WriteAirportFiles(kSmallWorld);
    SetLeg(1, {"LSGG", "FRI", "WIL", "EDDF"}, 7000.0);
    state.route.currentLeg = 1;
    struct Case {
        AirportEnd end;
        const char* ident;
        std::uint32_t point;
        double elevation;
        int listId;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {AirportEnd::Departure, "LSGG", 0, 1411.0, IDC_DEPARTURE_RUNWAYS, {"04 22 ", "05 23 "}},
        {AirportEnd::Destination, "EDDF", 3, 364.0, IDC_LANDING_RUNWAYS,
         {"07C 25C ", "07L 25R ", "07R 25L ", "18 36 "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ident);
        window.lists.clear();
        (void)LookupAirport(context, c.ident, c.end);
        EXPECT_EQ(state.route.legs[1].points[c.point].altitude, c.elevation);
        EXPECT_EQ(window.Entries(c.listId), c.entries);
        EXPECT_TRUE(window.lists[c.listId].redraw);
        const int other = c.listId == IDC_DEPARTURE_RUNWAYS ? IDC_LANDING_RUNWAYS : IDC_DEPARTURE_RUNWAYS;
        EXPECT_TRUE(window.Entries(other).empty());
    }
    // The other points and the other leg keep their altitudes.
    EXPECT_EQ(state.route.legs[1].points[1].altitude, 7000.0);
    EXPECT_EQ(state.route.legs[1].points[2].altitude, 7000.0);
    EXPECT_EQ(state.route.legs[0].points[0].altitude, 500.0);
    EXPECT_EQ(state.route.legs[0].points[2].altitude, 500.0);
}

TEST_F(Lookup, LineWithOnlyFiveFieldsIsFoundWithoutRunways)
{
    WriteAirportFiles(kSmallWorld);
    ASSERT_EQ(window.AddListEntry(IDC_DEPARTURE_RUNWAYS, "old "), 0);
    window.lists[IDC_DEPARTURE_RUNWAYS].redraw = false;

    EXPECT_EQ(LookupAirport(context, "LSZB", AirportEnd::Departure), "Bern_Belp");
    EXPECT_EQ(state.route.legs[0].points[0].altitude, 1674.0);
    EXPECT_TRUE(window.Entries(IDC_DEPARTURE_RUNWAYS).empty());
    EXPECT_TRUE(window.lists[IDC_DEPARTURE_RUNWAYS].redraw);
    EXPECT_TRUE(user.shown.empty());
}

// A line whose elevation is not a number is still the airport's; the point
// keeps the altitude of the source plan, and no runways are read past it.
TEST_F(Lookup, ElevationThatIsNoNumberLeavesTheAltitude)
{
    WriteFile(Path("Fsb_apts.txt"), "LSZH Zurich high a b 16_34\n");
    EXPECT_EQ(LookupAirport(context, "LSZH", AirportEnd::Departure), "Zurich");
    EXPECT_EQ(state.route.legs[0].points[0].altitude, 500.0);
    EXPECT_TRUE(window.Entries(IDC_DEPARTURE_RUNWAYS).empty());
}

TEST_F(Lookup, IndexOfADataPathWithoutDotInItsName)
{
    const std::string folder = Path("world.v2");
    std::filesystem::create_directories(folder);
    UseDataFile(folder + "/airports");
    WriteFile(folder + "/airports", kSmallWorld.data);
    // Formed at the folder's "." : the index beside the folder.
    PathText indexPath;
    ASSERT_TRUE(IndexPathFor(state.settings.AirpFile.Pathname.view(), indexPath));
    EXPECT_EQ(indexPath, Path("world.idx"));

    // An offset there past the airport shows that this index is the one read.
    const std::size_t mexico = kSmallWorld.data.find("MMMX");
    WriteFile(Path("world.idx"), "L " + std::to_string(mexico) + "\n");
    EXPECT_EQ(LookupAirport(context, "LSZH", AirportEnd::Departure), NotFoundText);
    std::filesystem::remove(Path("world.idx"));
    EXPECT_EQ(LookupAirport(context, "LSZH", AirportEnd::Departure), "Zurich");
}

TEST(IndexPath, EverythingFromTheLastDotBecomesIdx)
{
    struct Case {
        std::string data;
        bool formed;
        std::string index;
    };
    const Case cases[] = {
        {"/data/Fsb_apts.txt", true, "/data/Fsb_apts.idx"},
        {"Fsb_apts.txt", true, "Fsb_apts.idx"},
        {"/data/world.tar.txt", true, "/data/world.tar.idx"},
        {"/data.v2/airports", true, "/data.idx"},
        {"/data/airports.", true, "/data/airports.idx"},
        {"/data/airports", false, ""},
        {"", false, ""},
        // The index path would not fit 259 characters.
        {std::string(257, 'a') + ".t", false, ""},
        {std::string(255, 'a') + ".txt", true, std::string(255, 'a') + ".idx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        PathText index("unchanged");
        EXPECT_EQ(IndexPathFor(c.data, index), c.formed);
        EXPECT_EQ(index, c.formed ? c.index : "unchanged");
    }
}

class IndexOffsetTest : public test::AirportTest {};

TEST_F(IndexOffsetTest, FirstKeyWithTheInitialGivesTheOffset)
{
    struct Case {
        const char* what;
        std::string index;
        const char* ident;
        std::int32_t offset;
    };
    const Case cases[] = {
        {"the key's first character", "E 0\nL 120\nM 300\n", "LSZH", 120},
        {"only the first character of a key counts", "EDDF 0\nLFSB 120\n", "LSZH", 120},
        {"the first matching line wins", "L 120\nL 500\n", "LSZH", 120},
        {"compared exactly", "L 120\n", "lszh", 0},
        {"no line for the character", "E 0\nM 300\n", "LSZH", 0},
        {"an empty index", "", "LSZH", 0},
        {"blank and tab separated, CR LF", "\r\n\tL\t\t120\r\n", "LSZH", 120},
        {"digits then more", "L 120abc\n", "LSZH", 120},
        {"a negative offset starts at 0", "L -5\n", "LSZH", 0},
        {"an offset beyond 32 bits starts at 0", "L 4294967416\n", "LSZH", 0},
        {"no offset starts at 0", "L\nL 120\n", "LSZH", 0},
        {"a key of 60 characters", std::string(60, 'L') + " 77\n", "LSZH", 77},
        {"an empty identifier", "L 120\n", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(Path("Fsb_apts.idx"), c.index);
        EXPECT_EQ(IndexOffset(state.settings.AirpFile.Pathname.view(), c.ident), c.offset);
    }
}

TEST_F(IndexOffsetTest, IndexThatCannotBeReadStartsAtZero)
{
    std::filesystem::create_directories(Path("Fsb_apts.idx"));
    EXPECT_EQ(IndexOffset(state.settings.AirpFile.Pathname.view(), "LSZH"), 0);
    std::filesystem::remove(Path("Fsb_apts.idx"));
    EXPECT_EQ(IndexOffset(state.settings.AirpFile.Pathname.view(), "LSZH"), 0);
}

TEST_F(Lookup, DataFileThatWillNotOpenAsksToSearchForIt)
{
    UseDataFile(Path("missing/Fsb_apts.txt"));
    system.currentFolder = "/home/pilot/plans";
    // Yes, then the dialog is cancelled: the question comes again; then No.
    user.QueueAnswer(Answer::Yes);
    dialogs.QueueCancel();
    user.QueueAnswer(Answer::No);
    LeaveListAsCallerLeftIt(IDC_LANDING_RUNWAYS);

    EXPECT_EQ(LookupAirport(context, "LSGG", AirportEnd::Destination), ReadErrorText);

    ASSERT_EQ(user.shown.size(), 2u);
    for (const test::ShownMessage& m : user.shown) {
        EXPECT_EQ(m.textId, IDS_DATA_OPEN_FAILED);
        EXPECT_EQ(m.insert, "Fsb_apts.txt");
        EXPECT_EQ(m.icon, MessageIcon::Exclamation);
        EXPECT_EQ(m.buttons, MessageButtons::YesNo);
        EXPECT_EQ(m.text, "Failed to open Airport/Runway Data file Fsb_apts.txt!\n"
                          "Do you want to search for it?");
    }
    EXPECT_TRUE(user.AllAnswersUsed());
    EXPECT_TRUE(dialogs.AllAnswersUsed());
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    const OpenFileRequest& r = dialogs.openRequests[0];
    EXPECT_EQ(r.title, "Open Airport/Runway data file");
    ASSERT_EQ(r.filters.size(), 2u);
    EXPECT_EQ(r.filters[0].description, "Airport/Runway files (*.TXT)");
    EXPECT_EQ(r.filters[0].pattern, "*.TXT");
    EXPECT_EQ(r.filters[1].description, "All files (*.*)");
    EXPECT_EQ(r.filters[1].pattern, "*.*");
    EXPECT_EQ(r.initialFileName, "Fsb_apts.txt");
    EXPECT_EQ(r.initialFolder, "/home/pilot/plans");
    EXPECT_EQ(r.defaultExtension, "txt");
    EXPECT_TRUE(r.pathMustExist);
    EXPECT_TRUE(r.fileMustExist);

    // Nothing changed: the path stays, the list and the altitude too.
    EXPECT_EQ(state.settings.AirpFile.Pathname, Path("missing/Fsb_apts.txt"));
    EXPECT_EQ(window.Entries(IDC_LANDING_RUNWAYS), std::vector<std::string>{"left "});
    EXPECT_EQ(state.route.legs[0].points[2].altitude, 500.0);
}

TEST_F(Lookup, FileChosenAfterTheQuestionIsSearched)
{
    std::filesystem::create_directories(Path("elsewhere"));
    WriteFile(Path("elsewhere/World.txt"), kSmallWorld.data);
    UseDataFile(Path("Fsb_apts.txt"));
    user.QueueAnswer(Answer::Yes);
    dialogs.QueueChoice(Path("elsewhere/World.txt"), "World.txt");

    EXPECT_EQ(LookupAirport(context, "LSGG", AirportEnd::Destination), "Geneve_Cointrin");
    EXPECT_EQ(MessageIds(), std::vector<int>{IDS_DATA_OPEN_FAILED});
    EXPECT_EQ(state.settings.AirpFile.Pathname, Path("elsewhere/World.txt"));
    EXPECT_EQ(state.settings.AirpFile.Filename, "World.txt");
    EXPECT_EQ(DataFileName(state.settings), "World.txt");
    EXPECT_EQ(state.route.legs[0].points[2].altitude, 1411.0);
}

TEST_F(Lookup, BrowseThatIsCancelledChangesNothing)
{
    dialogs.QueueCancel();
    EXPECT_FALSE(BrowseAirportDataFile(context));
    EXPECT_EQ(state.settings.AirpFile.Pathname, Path("Fsb_apts.txt"));
    EXPECT_EQ(state.settings.AirpFile.Filename, "Fsb_apts.txt");
}

TEST_F(Lookup, ReadErrorIsToldAndGivesTheErrorText)
{
    // A folder opens for reading here but cannot be read.
    const std::string folder = Path("Fsb_apts.d");
    std::filesystem::create_directories(folder);
    UseDataFile(folder);
    LeaveListAsCallerLeftIt(IDC_DEPARTURE_RUNWAYS);

    EXPECT_EQ(LookupAirport(context, "LSZH", AirportEnd::Departure), ReadErrorText);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].textId, IDS_DATA_READ_ERROR);
    EXPECT_EQ(user.shown[0].insert, "Fsb_apts.d");
    EXPECT_EQ(user.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(user.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(user.shown[0].text, "Error while reading from Airport/Runway Data file Fsb_apts.d");
    EXPECT_EQ(window.Entries(IDC_DEPARTURE_RUNWAYS), std::vector<std::string>{"left "});
    EXPECT_EQ(state.route.legs[0].points[0].altitude, 500.0);
}

TEST(DataFileNameTest, IsTheFileNamePartOfThePath)
{
    AppSettings settings;
    const struct {
        const char* path;
        const char* name;
    } cases[] = {{"/opt/routewright/Fsb_apts.txt", "Fsb_apts.txt"}, {"World.txt", "World.txt"}, {"", ""},
                 {"/data/", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        settings.AirpFile.Pathname = c.path;
        EXPECT_EQ(DataFileName(settings), c.name);
    }
}

// Fields as the format reads them, each cut to its limit.
TEST(AirportLineTest, FieldsAreBoundedToTheirLimits)
{
    const std::string longName(60, 'N');
    const std::string longRunway(70, '1');
    std::string manyRunways = "LSZH Zurich 1416 a b";
    for (int i = 1; i <= 22; ++i) {
        manyRunways += " R" + std::to_string(i);
    }
    struct Case {
        std::string what;
        std::string line;
        int fields;
        std::string name;
        int elevation;
        std::vector<std::string> runways;
    };
    const Case cases[] = {
        {"all fields", "LSZH Zurich 1416 N47 E008 16_34 10_28", 7, "Zurich", 1416, {"16_34", "10_28"}},
        {"tabs, leading blanks and CR", " \tLSZH\tZurich\t-12\ta\tb\t16_34\r", 6, "Zurich", -12, {"16_34"}},
        {"a name cut to 50", "LSZH " + longName + " 1416 a b 16", 6, longName.substr(0, 50), 1416, {"16"}},
        {"a runway cut to 50", "LSZH Z 1 a b " + longRunway, 6, "Z", 1, {longRunway.substr(0, 50)}},
        {"at most 20 runway fields", manyRunways, 25, "Zurich", 1416,
         {"R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8", "R9", "R10", "R11", "R12", "R13", "R14",
          "R15", "R16", "R17", "R18", "R19", "R20"}},
        {"digits then letters: the letters are the next field", "LSZH Z 1416ft b 16", 6, "Z", 1416, {"16"}},
        {"an elevation that is no number", "LSZH Z high a b 16", 2, "Z", 0, {}},
        {"an elevation beyond int", "LSZH Z 99999999999 a b 16", 2, "Z", 0, {}},
        {"the lowest int", "LSZH Z -2147483648 a b", 5, "Z", std::numeric_limits<int>::min(), {}},
        {"only the identifier", "LSZH", 1, "", 0, {}},
        {"nothing after a zero byte", std::string("LSZH Zurich 1416 a b 16\0 34", 27), 6, "Zurich", 1416, {"16"}},
        {"an empty line", "", 0, "", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AirportLine parsed = ParseAirportLine(c.line);
        EXPECT_EQ(parsed.fieldCount, c.fields);
        EXPECT_EQ(parsed.name, c.name);
        if (c.fields >= 3) {
            EXPECT_EQ(parsed.elevationFt, c.elevation);
        }
        std::vector<std::string> runways;
        for (int i = 0; i < parsed.runwayCount; ++i) {
            runways.push_back(parsed.runways[i].str());
        }
        EXPECT_EQ(runways, c.runways);
    }
}

TEST(AirportLineTest, IdentifierIsComparedWholeIgnoringCase)
{
    struct Case {
        std::string line;
        const char* ident;
        bool match;
    };
    const Case cases[] = {
        {"LSZH Zurich 1416", "LSZH", true},
        {"lszh Zurich 1416", "LSZH", true},
        {"LSZH Zurich 1416", "lSzH", true},
        {"  \tLSZH Zurich", "LSZH", true},
        {"LSZH", "LSZH", true},
        {"LSZH\r", "LSZH", true},
        {"LSZHX Zurich", "LSZH", false},
        {"LSZ Zurich", "LSZH", false},
        {"LSGG Geneva", "LSZH", false},
        {"", "LSZH", false},
        {"LSZH Zurich", "", false},
        {std::string("LS\0ZH", 5), "LS", true},
        {std::string(1023, ' ') + "LSZH", "LSZH", false},
        {std::string(1018, ' ') + "LSZH ", "LSZH", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 40) + " / " + c.ident);
        EXPECT_EQ(LineHasIdent(c.line, c.ident), c.match);
    }
}

TEST(AirportLineTest, FieldRunningPastTheLineLimitIsNotRead)
{
    // Fields end just before, at and after character 1023.
    const std::string head = "LSZH Zurich 1416 a b ";
    const std::string fill(1023 - head.size() - 6, 'x');  // a runway field up to 1017
    struct Case {
        std::string what;
        std::string tail;
        std::vector<std::string> lastRunways;
    };
    const Case cases[] = {
        {"a line of exactly 1023 characters", " 16_34", {"16_34"}},
        {"a field ending at the limit, more after a blank", " 16_34 10_28", {"16_34"}},
        {"a field running past the limit", " 16_34X", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string line = head + fill + c.tail;
        const AirportLine parsed = ParseAirportLine(line);
        ASSERT_GE(parsed.runwayCount, 1);
        EXPECT_EQ(parsed.runways[0].view(), std::string_view(fill).substr(0, 50));
        std::vector<std::string> after;
        for (int i = 1; i < parsed.runwayCount; ++i) {
            after.push_back(parsed.runways[i].str());
        }
        EXPECT_EQ(after, c.lastRunways);
    }
}

// A data line of more than 1023 characters is read whole: what lies beyond
// the limit is neither a field of it nor a line of its own.
TEST_F(Lookup, LongLineIsNeverTakenForTheNextLine)
{
    struct Case {
        const char* what;
        std::size_t length;
    };
    const Case cases[] = {
        {"a little over the limit", 1500},
        {"longer than a read block", LineFile::kBlockSize + 5000},
        {"several blocks", 3 * LineFile::kBlockSize + 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string longLine = "EDDF Frankfurt_Main 364 a b 07C_25C";
        while (longLine.size() < c.length - 40) {
            longLine += " 18_36";
        }
        // Beyond the limit the line holds what looks like another airport.
        longLine += " LSZH Fake_Zurich 9 a b 99_99";
        WriteFile(Path("Fsb_apts.txt"), longLine + "\nLSGG Geneve 1411 a b 05_23\n");

        EXPECT_EQ(LookupAirport(context, "LSZH", AirportEnd::Departure), NotFoundText);
        EXPECT_EQ(LookupAirport(context, "LSGG", AirportEnd::Destination), "Geneve");
        EXPECT_EQ(window.Entries(IDC_LANDING_RUNWAYS), std::vector<std::string>{"05 23 "});
        window.lists.clear();
        EXPECT_EQ(LookupAirport(context, "EDDF", AirportEnd::Departure), "Frankfurt_Main");
        // Twenty runway fields lie within the limit.
        const std::vector<std::string> entries = window.Entries(IDC_DEPARTURE_RUNWAYS);
        ASSERT_EQ(entries.size(), 20u);
        EXPECT_EQ(entries.front(), "07C 25C ");
        EXPECT_EQ(entries.back(), "18 36 ");
        EXPECT_TRUE(user.shown.empty());
    }
}

// The reader gives every line of a file, whatever the blocks cut, and of a
// longer line its first 1024 characters.
TEST_F(Lookup, LineFileReadsEveryLineAcrossBlocks)
{
    std::vector<std::string> lines;
    std::string bytes;
    std::size_t length = 0;
    while (bytes.size() < 2 * LineFile::kBlockSize + 3000) {
        std::string line(length % 1700, static_cast<char>('a' + length % 26));
        if (length % 5 == 0) {
            line += '\r';
        }
        lines.push_back(line);
        bytes += line + "\n";
        length = (length * 7 + 13) & 0xFFFF;
    }
    lines.push_back(std::string(LineFile::kBlockSize * 2, 'z'));
    bytes += lines.back() + "\n";
    lines.push_back("");
    bytes += "\n";
    lines.push_back("last line without an end");
    bytes += lines.back();
    WriteFile(Path("lines.txt"), bytes);

    LineFile file;
    ASSERT_TRUE(file.Open(Path("lines.txt").c_str()));
    std::string_view line;
    std::size_t i = 0;
    while (file.Next(line) == LineFile::Read::Line) {
        ASSERT_LT(i, lines.size());
        EXPECT_EQ(line, std::string_view(lines[i]).substr(0, LineFile::kKeptLength)) << "line " << i;
        ++i;
    }
    EXPECT_EQ(i, lines.size());
    EXPECT_EQ(file.Next(line), LineFile::Read::End);

    // Positioned at an offset, it starts there.
    ASSERT_TRUE(file.Seek(static_cast<std::int32_t>(lines[0].size() + 1)));
    ASSERT_EQ(file.Next(line), LineFile::Read::Line);
    EXPECT_EQ(line, std::string_view(lines[1]).substr(0, LineFile::kKeptLength));
    EXPECT_FALSE(file.Seek(-1));
}

// The lines of the file whose first field is ident, read line by line or
// passing over lines in bulk.
std::vector<std::string> IdentLines(const std::string& path, const std::string& ident, bool inBulk)
{
    std::vector<std::string> found;
    LineFile file;
    if (!file.Open(path.c_str())) {
        ADD_FAILURE() << "cannot open " << path;
        return found;
    }
    std::string_view line;
    while ((inBulk ? file.NextStartingWith(ident, line) : file.Next(line)) == LineFile::Read::Line) {
        if (LineHasIdent(line, ident)) {
            found.emplace_back(line);
        }
    }
    return found;
}

const char* const kScanIdents[] = {"LSZH", "lszh", "LS", "L", "LX", "A", "0", "Z", "LSZ", "LSZHX"};

// Passing over lines in bulk finds exactly the lines that reading every
// line finds, wherever lines and blocks meet.
TEST_F(Lookup, LinesPassedOverInBulkHideNoMatch)
{
    std::mt19937 random(20240201);
    const char* const firsts[] = {"LSZH", "lszh", "LSZHX", "LS", "L", "LX", "Ls", "A", "0", "Z",
                                  "LSZ",  "EDDF", "l",     "ZZ", "LSGG"};
    const char* const befores[] = {"", "", "", " ", "\t", "  \t", "\r"};
    std::string bytes;
    for (int i = 0; i < 30000; ++i) {
        const unsigned kind = random() % 100;
        if (kind < 3) {
            bytes += "\n";
        } else if (kind < 4) {
            bytes += std::string(1, '\0') + "LSZH zero\n";
        } else if (i % 1000 == 500) {
            bytes += std::string(1500 + random() % (2 * LineFile::kBlockSize), 'L') + "\n";
        } else {
            bytes += befores[random() % std::size(befores)];
            bytes += firsts[random() % std::size(firsts)];
            bytes += kind % 2 ? " Name_" + std::to_string(i) + " 100 a b 16_34\n" : "\r\n";
        }
    }
    bytes += "LSZH last line without an end";
    WriteFile(Path("random.txt"), bytes);
    for (const char* ident : kScanIdents) {
        SCOPED_TRACE(ident);
        const std::vector<std::string> everyLine = IdentLines(Path("random.txt"), ident, false);
        EXPECT_FALSE(everyLine.empty());
        EXPECT_EQ(IdentLines(Path("random.txt"), ident, true), everyLine);
    }

    // A line start at each of the last places of a block, and past it.
    const std::string lines = "LSZH a\nL\nLS\nlszh\n LSZH\nLSZH\n\nLSZH\rL";
    for (std::size_t back = 0; back < 40; ++back) {
        SCOPED_TRACE(back);
        WriteFile(Path("edge.txt"), std::string(LineFile::kBlockSize - back - 1, 'x') + "\n" + lines);
        for (const char* ident : kScanIdents) {
            SCOPED_TRACE(ident);
            EXPECT_EQ(IdentLines(Path("edge.txt"), ident, true),
                      IdentLines(Path("edge.txt"), ident, false));
        }
    }
}

TEST_F(Lookup, EmptyDataFileFindsNothing)
{
    WriteFile(Path("Fsb_apts.txt"), "");
    EXPECT_EQ(LookupAirport(context, "LSZH", AirportEnd::Departure), NotFoundText);
    WriteFile(Path("Fsb_apts.txt"), "\n\n   \n");
    EXPECT_EQ(LookupAirport(context, "LSZH", AirportEnd::Departure), NotFoundText);
    EXPECT_TRUE(user.shown.empty());
}

}  // namespace
}  // namespace rw
