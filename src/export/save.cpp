// The Save as and Save commands.
#include "export/save.h"

#include "common/paths.h"
#include "export/export_kind.h"
#include "export/naming.h"
#include "resources/resource.h"
#include "shell/messages.h"

namespace rw {
namespace {

// The save commands run on a built route only; without one, the Build
// runs after the command and the user saves again.
bool RouteReady(Context& context)
{
    if (context.state.route.RouteBuilt) {
        return true;
    }
    context.user.ShowMessage(IDS_NOT_BUILT, "", MessageIcon::Exclamation, MessageButtons::Ok);
    context.window.PostCommand(IDC_BUILD);
    return false;
}

// Runs the format's writer and tells its result, naming name.
bool WriteAndTell(Context& context, const ExportFormat& format, PathText& path, PathText& name)
{
    const bool written = format.writer(context, path, name);
    if (written) {
        ShowSavedMessage(context.user, context.state.settings, name.view(), format.savedText);
    } else {
        ShowFailedMessage(context.user, name.view(), format.failedText);
    }
    return written;
}

constexpr ExportKind kBulkOrder[] = {ExportKind::Msfs,      ExportKind::AcsGps,
                                     ExportKind::SquawkBox, ExportKind::RadarContact,
                                     ExportKind::Sfp,       ExportKind::Nav};

}  // namespace

bool ChoosePlanFile(Context& context, PathText& path, PathText& name)
{
    AppSettings& settings = context.state.settings;
    SaveFileRequest request;
    request.title = "Save as... Flight plan";
    request.filters = {
        {"MS FS2000/2002 Flightplan Files (*.pln)", "*.pln"},
        {"ACS-GPS Flightplan Files (*.prg)", "*.prg"},
        {"Radar Contact Flightplan Files (*.apl)", "*.apl"},
        {"SquawkBox Flightplan Files (*.sbp)", "*.sbp"},
        {"SFP Flightplan Files (*.pln)", "*.pln"},
        {"Nav Flightplan Files (*.pln)", "*.pln"},
        {"All files (*.*)", "*.*"},
    };
    request.filterIndex = settings.Startup.FilterIndex;
    request.initialFileName = path.view();
    request.initialFolder = settings.DefDestDir.Pathname.view();
    request.defaultExtension = "pln";
    request.pathMustExist = true;
    // The writers ask before they overwrite.
    request.overwritePrompt = false;

    ChosenFile chosen;
    if (!context.dialogs.ShowSaveDialog(request, chosen)) {
        return false;
    }
    settings.Startup.FilterIndex = chosen.filterIndex;
    const int kind = chosen.filterIndex;
    if (kind == static_cast<int>(ExportKind::AcsGps) ||
        kind == static_cast<int>(ExportKind::RadarContact) ||
        kind == static_cast<int>(ExportKind::SquawkBox)) {
        context.user.ShowMessage(IDS_TYPE_NOT_TESTED, "", MessageIcon::Exclamation,
                                 MessageButtons::Ok);
    }
    path = chosen.path.view();
    name = chosen.fileName.view();
    return true;
}

bool SaveAs(Context& context)
{
    if (!RouteReady(context)) {
        return false;
    }
    AppState& state = context.state;
    if (!ChoosePlanFile(context, state.destPath, state.destTitle)) {
        return false;
    }
    context.window.SetText(IDC_DEST_PATH, state.destPath.view());
    // "All files" writes nothing and says nothing.
    const ExportFormat* format = FindExportFormat(state.settings.Startup.FilterIndex);
    if (format == nullptr) {
        return false;
    }
    return WriteAndTell(context, *format, state.destPath, state.destTitle);
}

bool SaveBulk(Context& context)
{
    AppState& state = context.state;
    ExportState& exports = state.exports;
    exports.bulkCount = 0;
    if (!RouteReady(context)) {
        return false;
    }
    if (exports.destinationEdited) {
        exports.bulkPath = context.window.Text(IDC_DEST_PATH);
        exports.bulkName = FileNamePart(exports.bulkPath.view());
        exports.destinationEdited = false;
    }

    bool allWritten = true;
    for (const ExportKind kind : kBulkOrder) {
        const ExportFormat& format = ExportFormatOf(kind);
        if (!BulkSwitchOn(state.settings, format)) {
            continue;
        }
        MakePlanFileName(context, DefaultFolder(state.settings, format).view(), exports.bulkPath,
                         exports.bulkName, static_cast<int>(kind));
        allWritten =
            WriteAndTell(context, format, exports.bulkPath, exports.bulkName) && allWritten;
        // A failed format counts too, and does not stop the next one.
        ++exports.bulkCount;
    }
    if (exports.bulkCount == 0) {
        context.user.ShowMessage(IDS_NO_BULK_PLANS, "", MessageIcon::Exclamation,
                                 MessageButtons::Ok);
        return false;
    }
    return allWritten;
}

}  // namespace rw
