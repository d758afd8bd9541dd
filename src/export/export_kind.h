// The output formats by number, as the Save-as dialog lists them, with all
// that depends on the number: extension, folder, bulk switch, writer, texts.
#pragma once

#include <string_view>

#include "common/fixed_text.h"
#include "settings/app_settings.h"

namespace rw {

struct Context;

// The position in the Save-as dialog's type list and the FilterIndex value.
enum class ExportKind : int {
    Msfs = 1,
    AcsGps = 2,
    RadarContact = 3,
    SquawkBox = 4,
    Sfp = 5,
    Nav = 6,
    AllFiles = 7,  // writes nothing
};

// The contract of the six writers: path and name are the plan's full path
// and file name, both given their format's extension in place; the current
// leg is written, and the result says whether the plan was.
using PlanWriter = bool (*)(Context& context, PathText& path, PathText& name);

struct ExportFormat {
    ExportKind kind;
    std::string_view extension;  // with the dot
    AppSettings::FolderSection AppSettings::*defaultFolder;
    int AppSettings::StartupSection::*bulkSwitch;
    PlanWriter writer;
    int savedText;  // the commands' messages after the writer returned
    int failedText;
    int noNameText;  // the writer frame's messages
    int existsText;
    int createFailedText;
    int writeErrorText;
};

// The format of kind, or null for "All files" and any number that names none.
const ExportFormat* FindExportFormat(int kind);
const ExportFormat& ExportFormatOf(ExportKind kind);  // kind is one of the six formats

// The extension a generated name takes for kind: ".pln" also for 0, 7 and
// any number that names no format.
std::string_view PlanExtension(int kind);

// The format's default folder and bulk switch in the settings.
const PathText& DefaultFolder(const AppSettings& settings, const ExportFormat& format);
bool BulkSwitchOn(const AppSettings& settings, const ExportFormat& format);

}  // namespace rw
