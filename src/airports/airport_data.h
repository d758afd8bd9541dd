// The airport/runway data file and its index: the lookup of an airport's
// name, elevation and runways, the dialog that picks the file, and the
// bounded line reading that the lookup and the preferred runways share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

#include "common/fixed_text.h"
#include "settings/app_settings.h"
#include "shell/context.h"

namespace rw {

// Which end of the leg a lookup is for: the first point and the departure
// runway list, or the last point and the landing runway list.
enum class AirportEnd { Departure, Destination };

inline constexpr std::size_t kDataLineLength = 1023;  // characters of a line that are read
inline constexpr std::size_t kAirportIdentLength = 5;
inline constexpr std::size_t kAirportNameLength = 50;
inline constexpr std::size_t kRunwayFieldLength = 50;
inline constexpr std::size_t kMaxRunwayFields = 20;

using AirportName = FixedText<kAirportNameLength>;
using RunwayField = FixedText<kRunwayFieldLength>;

// The two lookup results that stand in the place of a name.
inline constexpr std::string_view NotFoundText = "Not found in Airport/Runway Data file!";
inline constexpr std::string_view ReadErrorText = "Error reading Airport/Runway Data file!";

// A text file read line by line in large blocks, straight into one buffer.
// A line ends at "\n" (a "\r" before it stays in the line, where it reads as
// white space); offsets are byte offsets.
class LineFile {
public:
    static constexpr std::size_t kBlockSize = 64 * 1024;
    // Of a longer line only this many characters are kept: one more than a
    // line is read, so that a field cut at the limit can be told apart.
    static constexpr std::size_t kKeptLength = kDataLineLength + 1;

    LineFile();
    ~LineFile();
    LineFile(const LineFile&) = delete;
    LineFile& operator=(const LineFile&) = delete;

    [[nodiscard]] bool Open(const char* path);
    void Close();

    // Goes to offset bytes from the beginning of the file.
    [[nodiscard]] bool Seek(std::int32_t offset);

    enum class Read { Line, End, Error };

    // The next line without its "\n", at most kKeptLength characters of it;
    // the rest of a longer line is read and dropped, never taken for a line
    // of its own. A last line without "\n" is a line too. The text is valid
    // until the next call.
    [[nodiscard]] Read Next(std::string_view& line);

    // Next, but lines that do not hold two of ident's characters (ignoring
    // case) where ident would stand as their first field are passed over in
    // bulk, many bytes at a time. What comes back may still not be ident's
    // line; LineHasIdent tells.
    [[nodiscard]] Read NextStartingWith(std::string_view ident, std::string_view& line);

private:
    Read Fill();
    Read SkipRestOfLine(std::string_view& line);

    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;  // the unread bytes of the buffer
    std::size_t end_ = 0;
    bool atEnd_ = false;  // nothing left in the file beyond the buffer
    char longLine_[kKeptLength] = {};
};

// The fields of a data line as the lookup uses them, each cut to its limit.
struct AirportLine {
    int fieldCount = 0;  // fields converted, up to 25
    AirportName name;
    int elevationFt = 0;  // valid when fieldCount is 3 or more
    RunwayField runways[kMaxRunwayFields];
    int runwayCount = 0;  // fieldCount - 5, at least 0
};

// What of a line is read: the text before its first zero byte and within
// the first kDataLineLength characters, without a field that the limit cuts.
std::string_view ExaminedLine(std::string_view line);

// Whether the first field of a line equals ident, ignoring case. Only this
// field is looked at, so that most lines of a scan are passed over quickly.
bool LineHasIdent(std::string_view line, std::string_view ident);

// The 25 fields of a data line: identifier, name, elevation, two unused
// fields, up to 20 runway fields, read as the format
// "%5s %50s %d %s ... %s" reads them, except that a field longer than its
// limit is cut instead of running over into the next field.
AirportLine ParseAirportLine(std::string_view line);

// The file-name part of the data file's path: what the data-file messages
// name. It always follows from the path.
std::string_view DataFileName(const AppSettings& settings);

// The index path of a data path: everything from its last "." replaced by
// ".idx". False when the path has no "." or the index path would not fit.
[[nodiscard]] bool IndexPathFor(std::string_view dataPath, PathText& indexPath);

// Where the search for ident starts: the offset of the first index line
// whose key begins with ident's first character (compared exactly), else 0.
std::int32_t IndexOffset(std::string_view dataPath, std::string_view ident);

// Looks ident up for the given end of the current leg: on a match the runway
// list of that end is refilled, the end point's altitude becomes the
// elevation, and the result is the airport's name; otherwise NotFoundText or
// ReadErrorText, with the list and the altitudes left alone.
AirportName LookupAirport(Context& context, std::string_view ident, AirportEnd end);

// The same for the end points of leg.
AirportName LookupLegAirport(Context& context, std::uint32_t leg, std::string_view ident,
                             AirportEnd end);

// The open dialog for the data file. When a file is chosen, its path and
// name become the data file's; false when the user cancels.
[[nodiscard]] bool BrowseAirportDataFile(Context& context);

}  // namespace rw
