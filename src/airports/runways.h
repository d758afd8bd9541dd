// The runway lists of the main window: entries made from the data file's
// runway fields, the preselection from the preferred-runway file, and the
// runway the user picks, kept per leg.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "airports/airport_data.h"
#include "common/fixed_text.h"
#include "shell/context.h"

namespace rw {

inline constexpr std::size_t kPreferredRunwayLength = 8;
inline constexpr std::string_view kPreferredRunwayFileName = "fsb_pref_rwy.txt";

// The list of an end: 1021 (departure) or 1022 (landing).
int RunwayListId(AirportEnd end);

// The list entry of a runway field: the part before the first "-" (after
// any leading "-"), its pieces between runs of "_" each followed by a
// blank. False when the field is made of "-" only and gives no entry.
[[nodiscard]] bool MakeRunwayEntry(std::string_view field, std::string& entry);

// Empties the list of end and fills it with the entries of the fields; the
// list sorts them. An entry the list refuses is told (39) and skipped.
void FillRunwayList(Context& context, AirportEnd end, const RunwayField* fields, int count);

// The preferred-runway file beside the data file.
[[nodiscard]] bool PreferredRunwayPath(std::string_view dataPath, PathText& path);

// A line of the preferred-runway file: identifier, departure and landing
// runway (each cut to 8 characters; empty when the line lacks it) and a
// field that is not used.
struct PreferredRunwayLine {
    bool valid = false;  // not a comment and has an identifier
    std::string_view ident;
    FixedText<kPreferredRunwayLength> departure;
    FixedText<kPreferredRunwayLength> landing;
};
PreferredRunwayLine ParsePreferredRunwayLine(std::string_view line);

// The entry of the list of end that the preferred runway selects: the first
// that begins with it, ignoring case, searched from the second entry on with
// the first tried last; 0 when none does.
int PreferredRunwayIndex(const MainWindow& window, AirportEnd end, std::string_view runway);

// After the list of end was filled for ident: unless the user has picked a
// runway there for leg, the preferred-runway file's line for ident sets the
// leg's index; then the leg's index is selected and its text kept.
void ApplyPreferredRunways(Context& context, std::uint32_t leg, std::string_view ident,
                           AirportEnd end);
void ApplyPreferredRunways(Context& context, std::string_view ident, AirportEnd end);

// The user changed the selection of the list of end: the current leg keeps
// it, also over later displays.
void PickRunway(Context& context, AirportEnd end);

}  // namespace rw
