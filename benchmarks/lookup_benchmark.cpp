// How long an airport lookup in the worldwide data file takes, beside a
// plain sequential read of the very bytes that the lookup reads: the index,
// the data file from the index offset and, when the airport is found, the
// preferred runways, each opened, read in the lookup's blocks and closed.
//
//   lookup_benchmark [benchmark options] [DATA_FILE]
//
// DATA_FILE defaults to the Fsb_apts.txt the build makes; its index and the
// preferred runways lie beside it, as the program finds them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "airports/airport_data.h"
#include "airports/runways.h"
#include "common/paths.h"
#include "console/console_file_dialogs.h"
#include "console/console_main_window.h"
#include "console/console_platform.h"
#include "console/console_user.h"
#include "shell/app_state.h"

namespace {

// A lookup with what the program's display does around it: a leg whose
// first point is the airport.
struct LookupSetting {
    explicit LookupSetting(const std::string& dataPath)
    {
        state.settings.AirpFile.Pathname = dataPath;
        state.settings.AirpFile.Filename = rw::FileNamePart(dataPath);
        state.route.legInfo[0].pointCount = 2;
    }

    rw::AppState state;
    rw::ConsoleUser user;
    rw::ConsoleMainWindow window;
    rw::ConsoleFileDialogs dialogs;
    rw::ConsoleSystem system;
    rw::Context context{state, user, window, dialogs, system};
};

// The bytes a lookup of ident reads: from the index offset, block after
// block, up to the block that holds the end of the airport's line (or to
// the end of the file).
std::size_t BytesLookupReads(const std::string& dataPath, const std::string& ident,
                             std::int32_t offset)
{
    const std::size_t size = std::filesystem::file_size(dataPath);
    std::FILE* raw = std::fopen(dataPath.c_str(), "rb");
    if (raw == nullptr || std::fseek(raw, offset, SEEK_SET) != 0) {
        if (raw != nullptr) {
            std::fclose(raw);
        }
        return 0;
    }
    std::size_t position = static_cast<std::size_t>(offset);
    std::size_t lineEnd = size;
    std::string current;
    int c;
    while ((c = std::fgetc(raw)) != EOF) {
        ++position;
        if (c != '\n') {
            current += static_cast<char>(c);
            continue;
        }
        if (rw::LineHasIdent(current, ident)) {
            lineEnd = position;
            break;
        }
        current.clear();
    }
    std::fclose(raw);
    const std::size_t block = rw::LineFile::kBlockSize;
    const std::size_t span = lineEnd - static_cast<std::size_t>(offset);
    const std::size_t read = (span + block - 1) / block * block;
    return std::min(read, size - static_cast<std::size_t>(offset));
}

void Lookup(benchmark::State& run, const std::string& dataPath, const std::string& ident,
            bool expectFound)
{
    LookupSetting setting(dataPath);
    const rw::AirportName probe =
        rw::LookupAirport(setting.context, ident, rw::AirportEnd::Departure);
    const bool found = probe != rw::NotFoundText && probe != rw::ReadErrorText;
    if (found != expectFound) {
        run.SkipWithError(("unexpected result for " + ident + ": " + probe.str()).c_str());
        return;
    }
    for (auto _ : run) {
        rw::AirportName name = rw::LookupAirport(setting.context, ident, rw::AirportEnd::Departure);
        benchmark::DoNotOptimize(name);
    }
    const std::int32_t offset = rw::IndexOffset(dataPath, ident);
    run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) *
                          static_cast<std::int64_t>(BytesLookupReads(dataPath, ident, offset)));
}

// Reads an open file from offset on in the lookup's blocks: bytes of it, or
// with kToTheEnd until a block comes back short, as a reader that must see
// the end of the file does.
constexpr std::size_t kToTheEnd = static_cast<std::size_t>(-1);

void ReadPlainly(std::FILE* file, std::int32_t offset, std::size_t bytes, char* buffer)
{
    std::setvbuf(file, nullptr, _IONBF, 0);
    std::fseek(file, offset, SEEK_SET);
    std::size_t left = bytes;
    while (left != 0) {
        const std::size_t want = std::min(left, rw::LineFile::kBlockSize);
        const std::size_t got = std::fread(buffer, 1, want, file);
        benchmark::DoNotOptimize(buffer);
        if (got < want) {
            break;
        }
        if (bytes != kToTheEnd) {
            left -= got;
        }
    }
}

// A small file, opened, read whole and closed, as the index and the
// preferred runways are.
void ReadWholeFile(const char* path, char* buffer)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file != nullptr) {
        std::setvbuf(file, nullptr, _IONBF, 0);
        while (std::fread(buffer, 1, rw::LineFile::kBlockSize, file) == rw::LineFile::kBlockSize) {
        }
        benchmark::DoNotOptimize(buffer);
        std::fclose(file);
    }
}

void PlainRead(benchmark::State& run, const std::string& dataPath, const std::string& ident,
               bool found)
{
    const std::int32_t offset = rw::IndexOffset(dataPath, ident);
    const std::size_t dataBytes = found ? BytesLookupReads(dataPath, ident, offset) : kToTheEnd;
    rw::PathText indexPath;
    rw::PathText preferredPath;
    if (!rw::IndexPathFor(dataPath, indexPath) ||
        !rw::PreferredRunwayPath(dataPath, preferredPath)) {
        run.SkipWithError("no index or preferred-runway path");
        return;
    }
    std::unique_ptr<char[]> buffer(new char[rw::LineFile::kBlockSize]);
    for (auto _ : run) {
        // In the lookup's order: the data file stays open over the others.
        std::FILE* data = std::fopen(dataPath.c_str(), "rb");
        if (data == nullptr) {
            run.SkipWithError("the data file cannot be opened");
            return;
        }
        ReadWholeFile(indexPath.c_str(), buffer.get());
        ReadPlainly(data, offset, dataBytes, buffer.get());
        if (found) {
            ReadWholeFile(preferredPath.c_str(), buffer.get());
        }
        std::fclose(data);
    }
    const std::size_t bytes =
        found ? dataBytes : std::filesystem::file_size(dataPath) - static_cast<std::size_t>(offset);
    run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) *
                          static_cast<std::int64_t>(bytes));
}

// Keeps the time of every run as the console shows it, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
                times[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }
    std::map<std::string, double> times;  // seconds
};

struct Case {
    const char* label;
    const char* ident;
    bool found;
};

// An airport of the sample plans, and an identifier that no airport has,
// whose initial comes first in the index, so that the scan runs through the
// whole file.
constexpr Case kCases[] = {
    {"found", "LSZH", true},
    {"missing", "00ZZ", false},
};

// The sanitizers of the default native build slow the lookup's own code, not
// the reading: such timings say little.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::string dataPath = RW_DEFAULT_DATA_FILE;
    if (argc > 2) {
        std::fprintf(stderr, "usage: lookup_benchmark [benchmark options] [DATA_FILE]\n");
        return 2;
    }
    if (argc == 2) {
        dataPath = argv[1];
    }
    if (!std::filesystem::is_regular_file(dataPath)) {
        std::fprintf(stderr,
                     "lookup_benchmark: no airport data file at %s\n"
                     "(build the airport-data target, or name the file)\n",
                     dataPath.c_str());
        return 1;
    }
    for (const Case& c : kCases) {
        const std::string ident = c.ident;
        const bool found = c.found;
        benchmark::RegisterBenchmark((std::string("Lookup/") + c.label).c_str(),
                                     [=](benchmark::State& run) { Lookup(run, dataPath, ident, found); })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(
            (std::string("PlainRead/") + c.label).c_str(),
            [=](benchmark::State& run) { PlainRead(run, dataPath, ident, found); })
            ->Unit(benchmark::kMicrosecond);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nData file: %s (%ju bytes)\n", dataPath.c_str(),
                static_cast<std::uintmax_t>(std::filesystem::file_size(dataPath)));
    for (const Case& c : kCases) {
        const auto lookup = reporter.times.find(std::string("Lookup/") + c.label);
        const auto plain = reporter.times.find(std::string("PlainRead/") + c.label);
        if (lookup == reporter.times.end() || plain == reporter.times.end() || plain->second <= 0) {
            continue;
        }
        std::printf("%-8s %s: lookup %.1f us, plain read %.1f us, ratio %.2f\n", c.label, c.ident,
                    lookup->second * 1e6, plain->second * 1e6, lookup->second / plain->second);
    }
    if (kSanitized) {
        std::printf("Built with the sanitizers: configure with -DRW_SANITIZE=OFF for timings.\n");
    }
    return 0;
}
