// The configuration file's keys, described once and walked by the loader.
#include "settings/settings.h"

#include <string>

#include "common/paths.h"
#include "settings/simulator_folder.h"

namespace rw {
namespace {

struct IntegerKey {
    const char* section;
    const char* key;
    int& (*field)(AppSettings&);
    int defaultValue;
};

// In the order the loader reads them.
const IntegerKey kIntegerKeys[] = {
    {"Startup", "Menuoption", [](AppSettings& s) -> int& { return s.Startup.Menuoption; }, 1},
    {"Startup", "Mouseoption", [](AppSettings& s) -> int& { return s.Startup.Mouseoption; }, 1},
    {"Startup", "Statusbar", [](AppSettings& s) -> int& { return s.Startup.Statusbar; }, 1},
    {"Startup", "Toolbar", [](AppSettings& s) -> int& { return s.Startup.Toolbar; }, 1},
    {"Startup", "Tooltips", [](AppSettings& s) -> int& { return s.Startup.Tooltips; }, 1},
    {"Startup", "Quietmode", [](AppSettings& s) -> int& { return s.Startup.Quietmode; }, 0},
    {"Startup", "Overwrite", [](AppSettings& s) -> int& { return s.Startup.Overwrite; }, 0},
    {"Startup", "EnhancedUI", [](AppSettings& s) -> int& { return s.Startup.EnhancedUI; }, 1},
    {"Startup", "HtmlHelp", [](AppSettings& s) -> int& { return s.Startup.HtmlHelp; }, 1},
    {"Startup", "Autogen", [](AppSettings& s) -> int& { return s.Startup.Autogen; }, 0},
    {"DefFlightType", "Flighttype", [](AppSettings& s) -> int& { return s.DefFlightType.Flighttype; }, 0},
    {"DefRouteType", "Routetype", [](AppSettings& s) -> int& { return s.DefRouteType.Routetype; }, 1},
    {"DefDataSource", "Datasource", [](AppSettings& s) -> int& { return s.DefDataSource.Datasource; }, 0},
    {"Startup", "FilterIndex", [](AppSettings& s) -> int& { return s.Startup.FilterIndex; }, 1},
    {"Startup", "ACS-GPS", [](AppSettings& s) -> int& { return s.Startup.ACS_GPS; }, 0},
    {"Startup", "NAV", [](AppSettings& s) -> int& { return s.Startup.NAV; }, 0},
    {"Startup", "MSFS", [](AppSettings& s) -> int& { return s.Startup.MSFS; }, 0},
    {"Startup", "RC99", [](AppSettings& s) -> int& { return s.Startup.RC99; }, 0},
    {"Startup", "SQB", [](AppSettings& s) -> int& { return s.Startup.SQB; }, 0},
    {"Startup", "SFP", [](AppSettings& s) -> int& { return s.Startup.SFP; }, 0},
};

struct TextKey {
    const char* section;
    const char* key;
    PathText& (*field)(AppSettings&);
    std::string_view defaultValue;
};

const TextKey kRecentFiles[] = {
    {"SrceFile", "Pathname", [](AppSettings& s) -> PathText& { return s.SrceFile.Pathname; }, kSelectFilePlaceholder},
    {"SrceFile", "Filename", [](AppSettings& s) -> PathText& { return s.SrceFile.Filename; }, kSelectFilePlaceholder},
    {"DestFile", "Pathname", [](AppSettings& s) -> PathText& { return s.DestFile.Pathname; }, kSelectFilePlaceholder},
    {"DestFile", "Filename", [](AppSettings& s) -> PathText& { return s.DestFile.Filename; }, kSelectFilePlaceholder},
    {"DefSrceDir", "Pathname", [](AppSettings& s) -> PathText& { return s.DefSrceDir.Pathname; }, kSelectFolderPlaceholder},
    {"DefDestDir", "Pathname", [](AppSettings& s) -> PathText& { return s.DefDestDir.Pathname; }, kSelectFolderPlaceholder},
};

// The export folders after the simulator's, in the order the loader reads them.
const TextKey kExportFolders[] = {
    {"DefNAVDir", "Pathname", [](AppSettings& s) -> PathText& { return s.DefNAVDir.Pathname; }, ""},
    {"DefACSGPSDir", "Pathname", [](AppSettings& s) -> PathText& { return s.DefACSGPSDir.Pathname; }, ""},
    {"DefRC99Dir", "Pathname", [](AppSettings& s) -> PathText& { return s.DefRC99Dir.Pathname; }, ""},
    {"DefSQBDir", "Pathname", [](AppSettings& s) -> PathText& { return s.DefSQBDir.Pathname; }, ""},
    {"DefSFPDir", "Pathname", [](AppSettings& s) -> PathText& { return s.DefSFPDir.Pathname; }, ""},
};

void ReadText(AppSettings& settings, Profile& profile, const TextKey& k)
{
    k.field(settings) = profile.ReadString(k.section, k.key, k.defaultValue);
}

// An export folder left empty falls back to the destination folder, or to
// the current folder when that is empty too.
void FallBack(PathText& folder, const AppSettings& settings, System& system)
{
    folder = settings.DefDestDir.Pathname.empty() ? system.CurrentFolder()
                                                  : settings.DefDestDir.Pathname.str();
}

}  // namespace

void LoadSettings(AppSettings& settings, Profile& profile, Registry& registry, System& system)
{
    for (const IntegerKey& k : kIntegerKeys) {
        k.field(settings) = profile.ReadInt(k.section, k.key, k.defaultValue);
    }

    settings.AirpFile.Pathname = profile.ReadString("AirpFile", "Pathname", kDefaultDataFileMarker);
    if (settings.AirpFile.Pathname == kDefaultDataFileMarker) {
        std::string path = system.ProgramPath();
        const std::size_t at = path.find_last_of(kPathSeparator);
        path.erase(at == std::string::npos ? 0 : at);
        path += kPathSeparator;
        path += "Fsb_apts.txt";
        settings.AirpFile.Pathname = path;
    }
    // The bare name always follows from the path; the file's copy is not read.
    settings.AirpFile.Filename = FileNamePart(settings.AirpFile.Pathname.view());

    for (const TextKey& k : kRecentFiles) {
        ReadText(settings, profile, k);
    }

    settings.DefMSFSDir.Pathname = profile.ReadString("DefMSFSDir", "Pathname", "");
    if (settings.DefMSFSDir.Pathname.empty()) {
        PathText simulator;
        if (FindSimulatorFolder(registry, simulator)) {
            std::string folder = simulator.str();
            folder += kPathSeparator;
            folder += "Flights";
            folder += kPathSeparator;
            folder += "MyFlts";
            settings.DefMSFSDir.Pathname = folder;
        } else {
            FallBack(settings.DefMSFSDir.Pathname, settings, system);
        }
    }

    for (const TextKey& k : kExportFolders) {
        ReadText(settings, profile, k);
        PathText& folder = k.field(settings);
        if (folder.empty()) {
            FallBack(folder, settings, system);
        }
    }
}

void SaveRecentFiles(const AppSettings& settings, Profile& profile)
{
    // Failed writes go unreported: the recent files are a convenience.
    (void)profile.WriteString("AirpFile", "Pathname", settings.AirpFile.Pathname.view());
    (void)profile.WriteString("AirpFile", "Filename", settings.AirpFile.Filename.view());
    (void)profile.WriteString("SrceFile", "Pathname", settings.SrceFile.Pathname.view());
    (void)profile.WriteString("SrceFile", "Filename", settings.SrceFile.Filename.view());
    (void)profile.WriteString("DestFile", "Pathname", settings.DestFile.Pathname.view());
    (void)profile.WriteString("DestFile", "Filename", settings.DestFile.Filename.view());
    (void)profile.WriteString("Startup", "FilterIndex", std::to_string(settings.Startup.FilterIndex));
}

}  // namespace rw
