// The batch conversion of dropped and command-line files.
#include "shell/batch.h"

#include "common/fixed_text.h"
#include "common/texts.h"
#include "export/naming.h"
#include "resources/resource.h"
#include "shell/commands.h"
#include "shell/messages.h"

namespace rw {
namespace {

// Overwrite and Quietmode on while a batch runs, put back on every way out.
class ForcedBatchSettings {
public:
    explicit ForcedBatchSettings(AppState& state)
        : state_(state), overwrite_(state.settings.Startup.Overwrite),
          quietmode_(state.settings.Startup.Quietmode)
    {
        state_.settings.Startup.Overwrite = 1;
        state_.settings.Startup.Quietmode = 1;
        state_.batchRunning = true;
    }
    ~ForcedBatchSettings() { Restore(); }
    ForcedBatchSettings(const ForcedBatchSettings&) = delete;
    ForcedBatchSettings& operator=(const ForcedBatchSettings&) = delete;

    void Restore()
    {
        if (state_.batchRunning) {
            state_.settings.Startup.Overwrite = overwrite_;
            state_.settings.Startup.Quietmode = quietmode_;
            state_.batchRunning = false;
        }
    }

private:
    AppState& state_;
    int overwrite_;
    int quietmode_;
};

// The progress window for the time of the batch, if it could be made.
class ProgressWindow {
public:
    ProgressWindow(BatchProgress& progress, int fileCount)
        : progress_(progress), exists_(progress.Create(fileCount))
    {
    }
    ~ProgressWindow() { Destroy(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void ShowFile(int number, int count, std::string_view title)
    {
        if (exists_) {
            progress_.ShowFile(FormatPrintf("%d of %d", number, count), title);
        }
    }
    void Step()
    {
        if (exists_) {
            progress_.Step();
        }
    }
    void Destroy()
    {
        if (exists_) {
            progress_.Destroy();
            exists_ = false;
        }
    }

private:
    BatchProgress& progress_;
    bool exists_;
};

// A path that does not fit the source path is not cut into another file's
// name: it is named and skipped.
bool FitsSourcePath(Context& context, const std::string& path)
{
    if (path.size() <= PathText::capacity) {
        return true;
    }
    context.user.ShowMessage(IDS_PATH_TOO_LONG, path, MessageIcon::Exclamation,
                             MessageButtons::Ok);
    return false;
}

// Build and Save of one file, as the user would give them; true when it was
// built and every plan switched on was written.
bool ConvertFile(Context& context, ProgressWindow& window, int number, int count,
                 std::string_view path, std::string_view title)
{
    AppState& state = context.state;
    MainWindow& main = context.window;
    state.route.RouteUnsaved = 0;
    main.EnableRouteCommands(false, state.settings.Startup.Toolbar != 0);
    state.sourcePath = path;
    state.sourceTitle = title;
    window.ShowFile(number, count, state.sourceTitle.view());
    main.SetText(IDC_SOURCE_PATH, state.sourcePath.view());

    const bool built = main.SendCommand(IDC_BUILD) != 0;
    NameDestinationPlan(context);
    SetDialogTitle(main, state.appName.view(), state.sourceTitle.view());
    const bool saved = main.SendCommand(IDM_SAVE) != 0;
    window.Step();
    return built && saved;
}

void ShowBatchDone(Context& context, int processed)
{
    context.user.ShowText(FormatPrintf(LoadText(IDS_BATCH_DONE), processed),
                          MessageIcon::Information, MessageButtons::Ok);
}

}  // namespace

std::string_view FileTitleOf(std::string_view path) { return path.substr(FileNameStart(path)); }

BatchResult RunDropBatch(Context& context, BatchProgress& progress,
                         const std::vector<std::string>& paths)
{
    BatchResult result;
    // A drop arriving while a message box of a batch is open would start a
    // second batch inside the first.
    if (context.state.batchRunning) {
        return result;
    }
    ForcedBatchSettings forced(context.state);
    if (!MayDropRoute(context)) {
        return result;
    }
    result.ran = true;
    const int count = static_cast<int>(paths.size());
    if (count >= 1) {
        ProgressWindow window(progress, count);
        for (int i = 0; i < count; ++i) {
            std::string path = paths[static_cast<std::size_t>(i)];
            std::string stored;
            if (context.system.StoredFileName(path, stored)) {
                path = path.substr(0, path.size() - FileTitleOf(path).size()) + stored;
            }
            if (!FitsSourcePath(context, path)) {
                ++result.failed;
                window.Step();
                continue;
            }
            const std::string_view title = FileTitleOf(path);
            if (!ConvertFile(context, window, i + 1, count, path, title)) {
                ++result.failed;
            }
            ++result.processed;
        }
    }
    forced.Restore();
    ShowBatchDone(context, result.processed);
    return result;
}

BatchResult RunCommandLineBatch(Context& context, BatchProgress& progress,
                                const std::vector<std::string>& paths)
{
    BatchResult result;
    ForcedBatchSettings forced(context.state);
    const int count = static_cast<int>(paths.size());
    ProgressWindow window(progress, count);
    for (int i = 0; i < count; ++i) {
        const std::string& path = paths[static_cast<std::size_t>(i)];
        if (!MayDropRoute(context)) {
            return result;
        }
        if (!FitsSourcePath(context, path)) {
            ++result.failed;
            window.Step();
            continue;
        }
        if (!ConvertFile(context, window, i + 1, count, path, FileTitleOf(path))) {
            ++result.failed;
        }
        ++result.processed;
    }
    window.Destroy();
    forced.Restore();
    result.ran = true;
    ShowBatchDone(context, result.processed);
    return result;
}

}  // namespace rw
