// Every setting of the configuration file in one record, each field named
// after its section and key, holding the default until the file is read.
#pragma once

#include <string_view>

#include "common/fixed_text.h"

namespace rw {

// Stands in the path fields until the user chooses a file or folder.
inline constexpr std::string_view kSelectFilePlaceholder = "Please select a valid path and filename";
inline constexpr std::string_view kSelectFolderPlaceholder = "Please select a valid path";

struct AppSettings {
    struct StartupSection {
        int Menuoption = 1;
        int Mouseoption = 1;
        int Statusbar = 1;
        int Toolbar = 1;
        int Tooltips = 1;
        int Quietmode = 0;
        int Overwrite = 0;
        int EnhancedUI = 1;
        int HtmlHelp = 1;
        int Autogen = 0;
        int FilterIndex = 1;
        int ACS_GPS = 0;  // key "ACS-GPS"
        int NAV = 0;
        int MSFS = 0;
        int RC99 = 0;
        int SQB = 0;
        int SFP = 0;
    };
    struct FlightTypeSection {
        int Flighttype = 0;
    };
    struct RouteTypeSection {
        int Routetype = 1;
    };
    struct DataSourceSection {
        int Datasource = 0;
    };
    struct FileSection {
        PathText Pathname;
        PathText Filename;
    };
    struct FolderSection {
        PathText Pathname;
    };

    StartupSection Startup;
    FlightTypeSection DefFlightType;
    RouteTypeSection DefRouteType;
    DataSourceSection DefDataSource;
    FileSection AirpFile;  // Filename is the data file's bare name
    FileSection SrceFile{kSelectFilePlaceholder, kSelectFilePlaceholder};
    FileSection DestFile{kSelectFilePlaceholder, kSelectFilePlaceholder};
    FolderSection DefSrceDir{kSelectFolderPlaceholder};
    FolderSection DefDestDir{kSelectFolderPlaceholder};
    FolderSection DefMSFSDir;
    FolderSection DefNAVDir;
    FolderSection DefACSGPSDir;
    FolderSection DefRC99Dir;
    FolderSection DefSQBDir;
    FolderSection DefSFPDir;
};

}  // namespace rw
