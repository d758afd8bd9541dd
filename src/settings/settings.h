// Loading the settings from the configuration file and saving the recent
// files back, both walking one table of the file's keys.
#pragma once

#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "settings/app_settings.h"

namespace rw {

// The marker that stands for "the data file beside the program".
inline constexpr std::string_view kDefaultDataFileMarker = "%$#@!42";

// Reads every setting (but AirpFile Filename, which follows from the data
// file's path) and derives the data file and the export folders left empty.
void LoadSettings(AppSettings& settings, Profile& profile, Registry& registry, System& system);

// Writes the data file, the last source and destination plans and the
// Save-as type.
void SaveRecentFiles(const AppSettings& settings, Profile& profile);

}  // namespace rw
