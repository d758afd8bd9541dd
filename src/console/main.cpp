// routewright: the command-line program. Converts each plan named on its
// command line as the Windows program converts the files named on its own.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/texts.h"
#include "console/console_file_dialogs.h"
#include "console/console_main_window.h"
#include "console/console_platform.h"
#include "console/console_route_tree.h"
#include "console/console_user.h"
#include "console/ini_profile.h"
#include "export/naming.h"
#include "resources/resource.h"
#include "settings/settings.h"
#include "shell/batch.h"
#include "shell/commands.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

void PrintUsage(std::FILE* out)
{
    std::fprintf(out,
                 "Usage: routewright [--config FILE] PLAN...\n"
                 "Converts FliteStar/FliteMap \"Generic Text\" flight plans into every plan\n"
                 "format switched on in the configuration file, each into its own folder.\n"
                 "Messages go to standard error; every plan written is listed on standard\n"
                 "output, one path a line.\n"
                 "\n"
                 "  --config FILE  settings to use (default: Routewright.cfg in the\n"
                 "                 user's configuration folder)\n"
                 "  --help         show this text\n"
                 "  --version      show the program's version\n"
                 "\n"
                 "Exit status: 0 when every plan was built and every format switched on\n"
                 "was written, 1 when anything failed, 2 for a usage error.\n");
}

int UsageError(const char* what, const char* argument)
{
    std::fprintf(stderr, "routewright: %s%s\n", what, argument);
    std::fprintf(stderr, "Try 'routewright --help' for more information.\n");
    return kExitUsage;
}

// The progress window has no place on a terminal.
class NoProgress : public rw::BatchProgress {
public:
    bool Create(int) override { return false; }
    void ShowFile(std::string_view, std::string_view) override {}
    void Step() override {}
    void Destroy() override {}
};

}  // namespace

int main(int argc, char** argv)
{
    std::string configPath;
    bool configGiven = false;
    std::vector<std::string> plans;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (options && std::strcmp(arg, "--") == 0) {
            options = false;
        } else if (options && std::strcmp(arg, "--help") == 0) {
            PrintUsage(stdout);
            return kExitOk;
        } else if (options && std::strcmp(arg, "--version") == 0) {
            std::printf("%s %s\n", rw::LoadText(IDS_APP_NAME), RW_VERSION_TEXT);
            return kExitOk;
        } else if (options && std::strcmp(arg, "--config") == 0) {
            if (i + 1 >= argc) {
                return UsageError("--config needs a file name", "");
            }
            configPath = argv[++i];
            configGiven = true;
        } else if (options && std::strncmp(arg, "--config=", 9) == 0) {
            configPath = arg + 9;
            configGiven = true;
        } else if (options && arg[0] == '-' && arg[1] != '\0') {
            return UsageError("unknown option ", arg);
        } else {
            plans.emplace_back(arg);
        }
    }
    if (plans.empty()) {
        return UsageError("no flight plan named", "");
    }
    if (!configGiven) {
        configPath = rw::DefaultConfigPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    } else if (std::FILE* file = std::fopen(configPath.c_str(), "r")) {
        std::fclose(file);
    } else {
        // A file named on purpose and not there is a mistake, not a wish for
        // the defaults (which switch every format off).
        return UsageError("cannot read the configuration file ", configPath.c_str());
    }

    rw::AppState state;
    state.appName = rw::LoadText(IDS_APP_NAME);
    state.configFileName = configPath;
    rw::IniProfile profile(configPath);
    rw::ConsoleRegistry registry;
    rw::ConsoleSystem system;
    rw::LoadSettings(state.settings, profile, registry, system);
    if (state.settings.Startup.Autogen == rw::kAutogenNone) {
        std::fprintf(stderr,
                     "routewright: nothing converted: the setting Autogen in section [Startup]\n"
                     "of %s is 3 (None (Let user choose)), so plans get no names.\n"
                     "Set Autogen to 0 (the source plan's name), 1 (the airport identifiers)\n"
                     "or 2 (the airport names) to convert plans.\n",
                     configPath.c_str());
        return kExitUsage;
    }

    rw::ConsoleUser user;
    rw::ConsoleMainWindow window;
    rw::ConsoleFileDialogs dialogs;
    rw::Context context{state, user, window, dialogs, system};
    rw::ConsoleRouteTree tree;
    rw::ConsoleLegTabs tabs;
    rw::RouteViews views{tree, tabs, {}};
    window.SetCommandHandler([&](int id) {
        std::intptr_t result = 0;
        (void)rw::RunRouteCommand(context, views, id, result);
        return result;
    });
    window.SetChangeHandler([&](int id) {
        if (id == IDC_DEST_PATH) {
            rw::DestinationChanged(context);
        }
    });
    rw::CheckDefaultRadios(window, state.settings);
    window.SetText(IDC_SOURCE_PATH, state.sourcePath.view());
    window.SetText(IDC_DEST_PATH, state.destPath.view());
    state.exports.planWritten = [](const std::string& path) {
        std::printf("%s\n", path.c_str());
        std::fflush(stdout);
    };

    NoProgress progress;
    const rw::BatchResult result = rw::RunCommandLineBatch(context, progress, plans);
    // Builds posted by a Save without a built route would run after the
    // batch; the Windows program closes before they do, and so does this.
    return result.ran && result.failed == 0 ? kExitOk : kExitFailed;
}
