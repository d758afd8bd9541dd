// Runs the Windows implementations of the platform interfaces on their own,
// under Wine, for the tests: the registry's simulator folder, the
// private-profile services, and the plan writers with the system's date and
// file replacement, so that their bytes can be compared with the golden plans.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "export/export_kind.h"
#include "export/plan_formats.h"
#include "fakes/fake_main_window.h"
#include "plan_fixture.h"
#include "profile_script.h"
#include "settings/simulator_folder.h"
#include "win32/win32_platform.h"

namespace {

int FindSimulator()
{
    rw::Win32Registry registry;
    rw::PathText folder;
    if (!rw::FindSimulatorFolder(registry, folder)) {
        std::printf("none\n");
        return 0;
    }
    std::printf("%s\n", folder.c_str());
    return 0;
}

// Writes the start file at path, runs the sequence through the system's
// private-profile services and prints the answers.
int ProfileScript(const char* path)
{
    std::FILE* f = std::fopen(path, "wb");
    if (f == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return 1;
    }
    std::fputs(rw::test::kProfileScriptStart, f);
    std::fclose(f);
    rw::AppState state;
    state.configFileName = path;
    rw::Win32Profile profile(state);
    std::fputs(rw::test::RunProfileScript(profile).c_str(), stdout);
    // Let the system write its cached copy of the file.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
    return 0;
}

// Messages go to the output, so the test can show them; questions are
// answered Yes.
class ProbeUser : public rw::User {
public:
    rw::Answer ShowMessage(int textId, std::string_view insert, rw::MessageIcon,
                           rw::MessageButtons buttons) override
    {
        std::printf("message %d: %s\n", textId, std::string(insert).c_str());
        return buttons == rw::MessageButtons::Ok ? rw::Answer::Ok : rw::Answer::Yes;
    }
    rw::Answer ShowText(std::string_view text, rw::MessageIcon, rw::MessageButtons) override
    {
        std::printf("text: %s\n", std::string(text).c_str());
        return rw::Answer::Ok;
    }
};

class ProbeDialogs : public rw::FileDialogs {
public:
    bool ShowOpenDialog(const rw::OpenFileRequest&, rw::ChosenFile&) override { return false; }
    bool ShowSaveDialog(const rw::SaveFileRequest&, rw::ChosenFile&) override { return false; }
};

// The system's own file replacement; the date is the golden plans' for the
// moment SOURCE_DATE_EPOCH gives them, so a moment that did not arrive shows.
class ProbeSystem : public rw::Win32System {
public:
    std::string LongDate(std::int64_t unixSeconds) override
    {
        if (unixSeconds == std::strtoll(rw::test::kFixtureEpoch, nullptr, 10)) {
            return rw::test::kFixtureDate;
        }
        return "unexpected moment " + std::to_string(unixSeconds);
    }
};

// Writes the fixture's plans into folder: the six golden plans, a
// SquawkBox plan over an earlier file (replace.sbp), and a Nav plan that
// fails part-way over an earlier file (kept.pln), which must stay.
int WritePlans(const char* folder)
{
    rw::AppState state;
    ProbeUser user;
    rw::test::FakeMainWindow window;
    ProbeDialogs dialogs;
    ProbeSystem system;
    rw::Context context{state, user, window, dialogs, system};
    rw::test::FillPlanFixture(state, window);
    state.settings.Startup.Overwrite = 1;

    const std::string base = std::string(folder) + "\\";
    int failures = 0;
    const auto write = [&](rw::ExportKind kind, const std::string& fileName) {
        rw::PathText path(base + fileName);
        rw::PathText name(fileName);
        if (!rw::FindExportFormat(static_cast<int>(kind))->writer(context, path, name)) {
            std::printf("FAIL: %s was not written\n", fileName.c_str());
            ++failures;
        }
    };
    for (const rw::test::FixturePlan& plan : rw::test::kFixturePlans) {
        write(plan.kind, plan.fileName);
    }

    const auto putEarlier = [&](const std::string& fileName) {
        std::FILE* f = std::fopen((base + fileName).c_str(), "wb");
        if (f != nullptr) {
            std::fputs("earlier plan", f);
            std::fclose(f);
        }
    };
    putEarlier("replace.sbp");
    write(rw::ExportKind::SquawkBox, "replace.sbp");

    putEarlier("kept.pln");
    rw::PathText path(base + "kept.pln");
    rw::PathText name("kept.pln");
    if (rw::WritePlanFile(context, path, name, rw::ExportKind::Nav, rw::WriteNavLines, 100)) {
        std::printf("FAIL: a failing plan was reported written\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}

class StringSink : public rw::PlanSink {
public:
    std::string text;

protected:
    bool Take(const char* data, std::size_t size) override
    {
        text.append(data, size);
        return true;
    }
};

// Prints each tie as the writers of this build print it, and whether that
// is the expected text.
int FormatTies()
{
    int failures = 0;
    for (const rw::test::FormatTie& tie : rw::test::kFormatTies) {
        StringSink sink;
        sink.Print(tie.format, tie.value);
        const bool same = sink.text == tie.printed;
        failures += same ? 0 : 1;
        std::printf("%s %s of %.17g -> %s (expected %s)\n", same ? "ok:" : "FAIL:", tie.format,
                    tie.value, sink.text.c_str(), tie.printed);
    }
    return failures == 0 ? 0 : 1;
}

int LongDate(const char* seconds)
{
    rw::Win32System system;
    std::printf("%s\n", system.LongDate(std::strtoll(seconds, nullptr, 10)).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "find-simulator") == 0) return FindSimulator();
    if (argc > 2 && std::strcmp(argv[1], "profile-script") == 0) return ProfileScript(argv[2]);
    if (argc > 2 && std::strcmp(argv[1], "write-plans") == 0) return WritePlans(argv[2]);
    if (argc > 1 && std::strcmp(argv[1], "format-ties") == 0) return FormatTies();
    if (argc > 2 && std::strcmp(argv[1], "long-date") == 0) return LongDate(argv[2]);
    std::fprintf(stderr,
                 "usage: rwprobe find-simulator | profile-script FILE | write-plans FOLDER |\n"
                 "       format-ties | long-date SECONDS\n");
    return 2;
}
