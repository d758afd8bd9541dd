// The reader of the planner's exported text plan: the leg scan, the point
// pass of one leg, the open dialog that picks a plan, and the line patterns.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "route/route_store.h"
#include "shell/context.h"

namespace rw {

// Lines are examined in pieces of at most this many characters.
inline constexpr std::size_t kPieceLength = 256;

// A source plan opened for reading. A line end is CR LF or LF alike and
// reads as "\n", on every platform; positions are byte offsets in the file.
class PlanFile {
public:
    PlanFile() = default;
    ~PlanFile() { Close(); }
    PlanFile(const PlanFile&) = delete;
    PlanFile& operator=(const PlanFile&) = delete;

    [[nodiscard]] bool Open(const char* path);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    enum class Read { Piece, End, Error };

    // The next piece of a line: up to and including its line end, but at
    // most kPieceLength characters; the rest of a longer line comes as the
    // next piece. A last line without a line end is a piece too; End only
    // when nothing was left.
    [[nodiscard]] Read ReadPiece(std::string_view& piece);

    // The position after the last piece, when it fits the route store's
    // 32-bit field.
    [[nodiscard]] bool Tell(std::int32_t& position);
    [[nodiscard]] bool Seek(std::int32_t position);

private:
    std::FILE* file_ = nullptr;
    char buffer_[kPieceLength + 1] = {};
};

// One point line as read, before it goes into the store.
struct SourcePoint {
    char type = 0;  // normalised
    FixedText<kIdentLength> ident;
    char latHemisphere = 0;
    std::int32_t latDegrees = 0;
    double latMinutes = 0.0;
    char lonHemisphere = 0;
    std::int32_t lonDegrees = 0;
    double lonMinutes = 0.0;
    double altitude = 0.0;  // 0 when the line has nine fields
};

// "FPL %d": the section number of a section line.
[[nodiscard]] bool ParseSectionLine(std::string_view line, std::int32_t& number);

// "FWP %c %c %s %c %d %lf %c %d %lf %lf", or the same without the last
// field: a point line with its type normalised.
[[nodiscard]] bool ParsePointLine(std::string_view line, SourcePoint& point);

// Lower case to upper case, then 'S' and '?' to 'I'.
char NormalisePointType(char type);

// Opens sourcePath, telling the user when it is empty (40037) or cannot be
// opened (40038).
[[nodiscard]] bool OpenSourceFile(Context& context, PlanFile& file);

// The leg scan: checks the header and finds the legs' section lines.
[[nodiscard]] bool ScanLegs(Context& context);

// The point pass of leg legIndex over the file opened for the point passes,
// ending with the checks of the leg's points.
[[nodiscard]] bool ReadLegPoints(Context& context, PlanFile& file, std::uint32_t legIndex);

// Whether the file name ends in ".fcf", in any case: one of the planner's
// own binary plan files, which can only be probed.
bool HasFcfExtension(std::string_view fileName);

// The system's open dialog for a source plan; sets sourcePath, sourceTitle
// and the main window's caption when a file is chosen.
[[nodiscard]] bool OpenSourceDialog(Context& context);

}  // namespace rw
