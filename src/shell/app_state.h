// The process-wide state of the program in one object: main() or WinMain()
// owns it and hands it to the flows, so a test can start from a fresh one.
#pragma once

#include <functional>
#include <string>

#include "common/fixed_text.h"
#include "route/route_store.h"
#include "settings/app_settings.h"

namespace rw {

// What Save and Save as keep from one command to the next.
struct ExportState {
    // The destination field's text changed since the bulk save last took it
    // (set by the field's change notification, also when the program writes
    // the field).
    bool destinationEdited = false;
    PathText bulkPath;  // path and file name the bulk save forms per format
    PathText bulkName;
    int bulkCount = 0;  // formats handled by the current bulk save
    // Told the path of every plan written, when set.
    std::function<void(const std::string& path)> planWritten;
};

struct AppState {
    AppState() = default;
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Shell texts, loaded from the string table at start.
    PathText appName;         // caption of every message box and window
    PathText configFileName;  // the configuration file, as a bare name
    PathText helpFile;        // path of the help file

    AppSettings settings;

    // The source plan and the plan to be created are the recent files of
    // the settings: one place, loaded and saved with them.
    PathText& sourcePath = settings.SrceFile.Pathname;
    PathText& sourceTitle = settings.SrceFile.Filename;
    PathText& destPath = settings.DestFile.Pathname;
    PathText& destTitle = settings.DestFile.Filename;

    // The route read from the source plan, with its flags.
    RouteStore route;

    ExportState exports;

    // A batch conversion is under way (its message boxes run their own loops).
    bool batchRunning = false;
};

}  // namespace rw
