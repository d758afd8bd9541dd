// The Save as and Save commands: the save dialog's request and answers,
// the writer of the chosen type, the bulk save's formats, folders, names,
// order and messages.
#include "export/save.h"

#include <gtest/gtest.h>

#include "export/export_kind.h"
#include "export_test_support.h"
#include "resources/resource.h"

namespace rw {
namespace {

using test::ReadBytes;
using test::ShownIds;
using test::WriteBytes;

class SaveCommands : public test::ExportTest {
protected:
    void SetUp() override
    {
        ExportTest::SetUp();
        AppSettings& s = state.settings;
        s.DefDestDir.Pathname = In("dest");
        const struct {
            AppSettings::FolderSection& folder;
            const char* name;
        } folders[] = {{s.DefMSFSDir, "msfs"}, {s.DefACSGPSDir, "acs"}, {s.DefSQBDir, "sqb"},
                       {s.DefRC99Dir, "rc"},   {s.DefSFPDir, "sfp"},    {s.DefNAVDir, "nav"}};
        for (const auto& f : folders) {
            f.folder.Pathname = In(f.name);
            std::filesystem::create_directories(folder / f.name);
        }
        std::filesystem::create_directories(folder / "dest");
        state.sourceTitle = "route.txt";
    }

    // Bulk switches by kind, all others off.
    void SwitchOn(std::initializer_list<int> kinds)
    {
        AppSettings::StartupSection& s = state.settings.Startup;
        s.MSFS = s.ACS_GPS = s.RC99 = s.SQB = s.SFP = s.NAV = 0;
        for (const int kind : kinds) {
            s.*FindExportFormat(kind)->bulkSwitch = 1;
        }
    }

    void TypeDestination(const std::string& text)
    {
        window.SetText(IDC_DEST_PATH, text);
        state.exports.destinationEdited = true;
    }
};

TEST_F(SaveCommands, SaveAsWithoutABuiltRoutePostsTheBuild)
{
    state.route.RouteBuilt = 0;
    EXPECT_FALSE(SaveAs(context));
    ASSERT_EQ(ShownIds(user), std::vector<int>{IDS_NOT_BUILT});
    EXPECT_EQ(user.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(window.posted, std::vector<int>{IDC_BUILD});
    EXPECT_TRUE(dialogs.saveRequests.empty());
}

TEST_F(SaveCommands, TheSaveDialogsRequest)
{
    state.settings.Startup.FilterIndex = 4;
    state.destPath = In("dest/proposed.sbp");
    dialogs.QueueCancel();
    EXPECT_FALSE(SaveAs(context));
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const SaveFileRequest& r = dialogs.saveRequests[0];
    EXPECT_EQ(r.title, "Save as... Flight plan");
    const std::vector<std::pair<std::string, std::string>> filters = {
        {"MS FS2000/2002 Flightplan Files (*.pln)", "*.pln"},
        {"ACS-GPS Flightplan Files (*.prg)", "*.prg"},
        {"Radar Contact Flightplan Files (*.apl)", "*.apl"},
        {"SquawkBox Flightplan Files (*.sbp)", "*.sbp"},
        {"SFP Flightplan Files (*.pln)", "*.pln"},
        {"Nav Flightplan Files (*.pln)", "*.pln"},
        {"All files (*.*)", "*.*"},
    };
    ASSERT_EQ(r.filters.size(), filters.size());
    for (std::size_t i = 0; i < filters.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r.filters[i].description, filters[i].first);
        EXPECT_EQ(r.filters[i].pattern, filters[i].second);
    }
    EXPECT_EQ(r.filterIndex, 4);
    EXPECT_EQ(r.initialFileName, In("dest/proposed.sbp"));
    EXPECT_EQ(r.initialFolder, In("dest"));
    EXPECT_EQ(r.defaultExtension, "pln");
    EXPECT_TRUE(r.pathMustExist);
    EXPECT_FALSE(r.overwritePrompt);
    // Cancel changes nothing.
    EXPECT_EQ(state.settings.Startup.FilterIndex, 4);
    EXPECT_EQ(state.destPath, In("dest/proposed.sbp"));
    EXPECT_TRUE(user.shown.empty());
    EXPECT_TRUE(window.texts.empty());
}

TEST_F(SaveCommands, SaveAsWritesTheChosenTypeAndTellsIt)
{
    struct Case {
        int type;
        const char* written;
        std::vector<int> messages;
    };
    const Case cases[] = {
        {1, "x.pln", {IDS_MSFS_SAVED}},
        {2, "x.prg", {IDS_TYPE_NOT_TESTED, IDS_ACSGPS_SAVED}},
        {3, "x.apl", {IDS_TYPE_NOT_TESTED, IDS_RC_SAVED}},
        {4, "x.sbp", {IDS_TYPE_NOT_TESTED, IDS_SQB_SAVED}},
        {5, "x.pln", {IDS_SFP_SAVED}},
        {6, "x.pln", {IDS_NAV_SAVED}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        user.shown.clear();
        std::filesystem::remove_all(folder / "dest");
        std::filesystem::create_directories(folder / "dest");
        state.route.RouteUnsaved = 1;
        dialogs.QueueChoice(In("dest/x.typed"), "x.typed", c.type);
        EXPECT_TRUE(SaveAs(context));
        EXPECT_EQ(state.settings.Startup.FilterIndex, c.type);
        EXPECT_EQ(ShownIds(user), c.messages);
        EXPECT_EQ(user.shown.back().insert, c.written);
        EXPECT_EQ(FilesIn("dest"), std::vector<std::string>{c.written});
        // The field shows the name as chosen; the plan has its format's extension.
        EXPECT_EQ(window.Text(IDC_DEST_PATH), In("dest/x.typed"));
        EXPECT_EQ(state.destPath, In(std::string("dest/") + c.written));
        EXPECT_EQ(state.destTitle, c.written);
        EXPECT_EQ(state.route.RouteUnsaved, 0);
    }
}

TEST_F(SaveCommands, SaveAsMsfsTypeWithATypedPrgName)
{
    dialogs.QueueChoice(In("dest/x.prg"), "x.prg", 1);
    EXPECT_TRUE(SaveAs(context));
    EXPECT_EQ(FilesIn("dest"), std::vector<std::string>{"x.pln"});
    EXPECT_EQ(ReadBytes(In("dest/x.pln")),
              ReadBytes(std::string(RW_TEST_DATA_DIR) + "/plans/msfs.pln"));
    EXPECT_EQ(window.Text(IDC_DEST_PATH), In("dest/x.prg"));
}

TEST_F(SaveCommands, SaveAsAllFilesWritesNothingAndSaysNothing)
{
    dialogs.QueueChoice(In("dest/x.txt"), "x.txt", 7);
    EXPECT_FALSE(SaveAs(context));
    EXPECT_EQ(state.settings.Startup.FilterIndex, 7);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_TRUE(FilesIn("dest").empty());
    EXPECT_EQ(state.destPath, In("dest/x.txt"));
    EXPECT_EQ(state.route.RouteUnsaved, 1);
}

TEST_F(SaveCommands, SaveAsOntoAnExistingFileAnsweredNo)
{
    WriteBytes(In("dest/x.pln"), "earlier plan");
    dialogs.QueueChoice(In("dest/x.pln"), "x.pln", 1);
    user.QueueAnswer(Answer::No);
    EXPECT_FALSE(SaveAs(context));
    EXPECT_EQ(ShownIds(user), (std::vector<int>{IDS_MSFS_EXISTS, IDS_MSFS_NOT_SAVED}));
    EXPECT_EQ(user.shown[1].insert, "x.pln");
    EXPECT_EQ(user.shown[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(user.shown[1].text, "MS Flight Simulator Flight-Plan x.pln could not be created!\n");
    EXPECT_EQ(ReadBytes(In("dest/x.pln")), "earlier plan");
    EXPECT_TRUE(user.AllAnswersUsed());
}

TEST_F(SaveCommands, QuietModeHidesOnlyTheSuccess)
{
    state.settings.Startup.Quietmode = 1;
    dialogs.QueueChoice(In("dest/x.pln"), "x.pln", 5);
    EXPECT_TRUE(SaveAs(context));
    EXPECT_TRUE(user.shown.empty());

    dialogs.QueueChoice(In("missing/x.pln"), "x.pln", 5);
    EXPECT_FALSE(SaveAs(context));
    EXPECT_EQ(ShownIds(user), (std::vector<int>{IDS_SFP_CREATE_FAILED, IDS_SFP_NOT_SAVED}));
}

TEST_F(SaveCommands, ChoosingAnUntestedTypeWarns)
{
    for (int type = 1; type <= 7; ++type) {
        SCOPED_TRACE(type);
        user.shown.clear();
        dialogs.QueueChoice(In("dest/y.txt"), "y.txt", type);
        PathText path;
        PathText name;
        EXPECT_TRUE(ChoosePlanFile(context, path, name));
        EXPECT_EQ(path, In("dest/y.txt"));
        EXPECT_EQ(name, "y.txt");
        EXPECT_EQ(state.settings.Startup.FilterIndex, type);
        if (type >= 2 && type <= 4) {
            ASSERT_EQ(ShownIds(user), std::vector<int>{IDS_TYPE_NOT_TESTED});
            EXPECT_EQ(user.shown[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(user.shown[0].buttons, MessageButtons::Ok);
        } else {
            EXPECT_TRUE(user.shown.empty());
        }
    }
}

TEST_F(SaveCommands, SaveBulkWithoutABuiltRoutePostsTheBuild)
{
    state.route.RouteBuilt = 0;
    state.exports.bulkCount = 3;
    SwitchOn({1, 4});
    EXPECT_FALSE(SaveBulk(context));
    EXPECT_EQ(ShownIds(user), std::vector<int>{IDS_NOT_BUILT});
    EXPECT_EQ(window.posted, std::vector<int>{IDC_BUILD});
    EXPECT_EQ(state.exports.bulkCount, 0);
}

TEST_F(SaveCommands, SaveBulkWritesEachSwitchedFormatInItsFolder)
{
    struct Case {
        const char* label;
        std::initializer_list<int> switches;
        std::vector<std::string> files;  // folder/name, in the order written
        std::vector<int> messages;
    };
    const Case cases[] = {
        {"MS FS and SquawkBox",
         {1, 4},
         {"msfs/route.pln", "sqb/route.sbp"},
         {IDS_MSFS_SAVED, IDS_SQB_SAVED}},
        {"SquawkBox only", {4}, {"sqb/route.sbp"}, {IDS_SQB_SAVED}},
        {"all six in their order",
         {6, 5, 4, 3, 2, 1},
         {"msfs/route.pln", "acs/route.prg", "sqb/route.sbp", "rc/route.apl", "sfp/route.pln",
          "nav/route.pln"},
         {IDS_MSFS_SAVED, IDS_ACSGPS_SAVED, IDS_SQB_SAVED, IDS_RC_SAVED, IDS_SFP_SAVED,
          IDS_NAV_SAVED}},
        {"the binary two",
         {5, 6},
         {"sfp/route.pln", "nav/route.pln"},
         {IDS_SFP_SAVED, IDS_NAV_SAVED}},
        {"none", {}, {}, {IDS_NO_BULK_PLANS}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        for (const char* f : {"msfs", "acs", "sqb", "rc", "sfp", "nav"}) {
            std::filesystem::remove_all(folder / f);
            std::filesystem::create_directories(folder / f);
        }
        user.shown.clear();
        SwitchOn(c.switches);
        TypeDestination(In("dest/route.pln"));
        EXPECT_EQ(SaveBulk(context), !c.files.empty());
        EXPECT_EQ(ShownIds(user), c.messages);
        EXPECT_EQ(state.exports.bulkCount, static_cast<int>(c.files.size()));
        EXPECT_FALSE(state.exports.destinationEdited);
        for (std::size_t i = 0; i < c.files.size(); ++i) {
            SCOPED_TRACE(c.files[i]);
            EXPECT_TRUE(std::filesystem::exists(folder / c.files[i]));
            EXPECT_EQ(user.shown[i].insert, std::filesystem::path(c.files[i]).filename().string());
        }
        std::size_t written = 0;
        for (const char* f : {"msfs", "acs", "sqb", "rc", "sfp", "nav"}) {
            written += FilesIn(f).size();
        }
        EXPECT_EQ(written, c.files.size());
        if (c.files.empty()) {
            EXPECT_EQ(user.shown[0].icon, MessageIcon::Exclamation);
        }
    }
    EXPECT_TRUE(FilesIn("dest").empty());
}

TEST_F(SaveCommands, SaveBulkGoesOnAfterAFailedFormat)
{
    state.settings.Startup.Quietmode = 1;
    state.settings.DefSQBDir.Pathname = In("missing");
    SwitchOn({1, 4, 3});
    TypeDestination(In("dest/route.pln"));
    EXPECT_FALSE(SaveBulk(context));
    EXPECT_EQ(ShownIds(user), (std::vector<int>{IDS_SQB_CREATE_FAILED, IDS_SQB_NOT_SAVED}));
    EXPECT_EQ(user.shown[1].insert, "route.sbp");
    EXPECT_EQ(state.exports.bulkCount, 3);
    EXPECT_EQ(FilesIn("msfs"), std::vector<std::string>{"route.pln"});
    EXPECT_EQ(FilesIn("rc"), std::vector<std::string>{"route.apl"});
}

TEST_F(SaveCommands, SaveBulkTakesTheFieldOnlyWhenItWasEdited)
{
    state.settings.Startup.Overwrite = 1;
    SwitchOn({4});
    TypeDestination(In("dest/first.pln"));
    EXPECT_TRUE(SaveBulk(context));
    EXPECT_EQ(state.exports.bulkName, "first.sbp");
    EXPECT_EQ(state.exports.bulkPath, In("sqb/first.sbp"));

    // Not edited since: the names of the last bulk save stay.
    window.SetText(IDC_DEST_PATH, In("dest/second.pln"));
    EXPECT_TRUE(SaveBulk(context));
    EXPECT_EQ(state.exports.bulkName, "first.sbp");
    EXPECT_EQ(FilesIn("sqb"), std::vector<std::string>{"first.sbp"});
}

TEST_F(SaveCommands, SaveBulkNamesAsTheAutogenSettingSays)
{
    struct Case {
        int autogen;
        const char* field;
        const char* msfs;
        const char* squawkBox;
    };
    const Case cases[] = {
        {0, "dest/route.pln", "route.pln", "route.sbp"},
        {3, "dest/mine.apl", "mine.pln", "mine.sbp"},
        // A typed name without a dot gets no extension.
        {0, "dest/noext", "noext", "noext"},
        {3, "dest/noext", "noext", "noext"},
        {1, "dest/whatever.pln", "LSZH-LSGG.pln", "LSZH-LSGG.sbp"},
        // A field without any separator: the whole text is the name.
        {3, "bare.pln", "bare.pln", "bare.sbp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        for (const char* f : {"msfs", "sqb"}) {
            std::filesystem::remove_all(folder / f);
            std::filesystem::create_directories(folder / f);
        }
        user.shown.clear();
        state.settings.Startup.Autogen = c.autogen;
        SwitchOn({1, 4});
        const std::string field = std::string(c.field).find('/') == std::string::npos
                                      ? std::string(c.field)
                                      : In(c.field);
        TypeDestination(field);
        EXPECT_TRUE(SaveBulk(context));
        EXPECT_EQ(FilesIn("msfs"), std::vector<std::string>{c.msfs});
        EXPECT_EQ(FilesIn("sqb"), std::vector<std::string>{c.squawkBox});
        ASSERT_EQ(user.shown.size(), 2u);
        EXPECT_EQ(user.shown[0].insert, c.msfs);
        EXPECT_EQ(user.shown[1].insert, c.squawkBox);
    }
}

TEST_F(SaveCommands, SaveBulkAsksBeforeOverwritingEachPlan)
{
    SwitchOn({1, 4});
    WriteBytes(In("msfs/route.pln"), "earlier plan");
    TypeDestination(In("dest/route.pln"));
    user.QueueAnswer(Answer::No);
    EXPECT_FALSE(SaveBulk(context));
    EXPECT_EQ(ShownIds(user),
              (std::vector<int>{IDS_MSFS_EXISTS, IDS_MSFS_NOT_SAVED, IDS_SQB_SAVED}));
    EXPECT_EQ(ReadBytes(In("msfs/route.pln")), "earlier plan");
    EXPECT_EQ(state.exports.bulkCount, 2);
    EXPECT_TRUE(user.AllAnswersUsed());
}

}  // namespace
}  // namespace rw
