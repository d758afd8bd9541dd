// The runway lists, the preferred runways and the user's runway choice.
#include "airports/runways.h"

#include "common/field_scanner.h"
#include "common/paths.h"
#include "resources/resource.h"

namespace rw {
namespace {

bool BeginsWithIgnoringCase(std::string_view text, std::string_view start)
{
    return text.size() >= start.size() && EqualsIgnoringCase(text.substr(0, start.size()), start);
}

// "%s": the next run of characters that are not white space, from at on.
std::string_view NextWord(std::string_view text, std::size_t& at)
{
    while (at < text.size() && IsSpace(text[at])) {
        ++at;
    }
    const std::size_t start = at;
    while (at < text.size() && !IsSpace(text[at])) {
        ++at;
    }
    return text.substr(start, at - start);
}

bool IsCommentLine(std::string_view line)
{
    return !line.empty() && (line[0] == ' ' || line[0] == '*' || line[0] == ';');
}

// The leg's index, text and chosen flag of one end.
struct RunwayChoice {
    std::int32_t& index;
    FixedText<kRunwayTextLength>& text;
    std::int32_t& chosen;
};

RunwayChoice ChoiceOf(LegInfo& info, AirportEnd end)
{
    if (end == AirportEnd::Departure) {
        return {info.depRunwayIndex, info.depRunway, info.depRunwayChosen};
    }
    return {info.arrRunwayIndex, info.arrRunway, info.arrRunwayChosen};
}

// An entry of 41 or more characters can be selected but is not kept as the
// leg's runway.
void KeepEntryText(const MainWindow& window, int listId, int index,
                   FixedText<kRunwayTextLength>& text)
{
    std::string entry;
    if (window.ListEntry(listId, index, entry) && entry.size() <= kRunwayTextLength) {
        text = entry;
    }
}

}  // namespace

int RunwayListId(AirportEnd end)
{
    return end == AirportEnd::Departure ? IDC_DEPARTURE_RUNWAYS : IDC_LANDING_RUNWAYS;
}

bool MakeRunwayEntry(std::string_view field, std::string& entry)
{
    const std::size_t first = field.find_first_not_of('-');
    if (first == std::string_view::npos) {
        return false;
    }
    field = field.substr(first);
    field = field.substr(0, field.find('-'));
    entry.clear();
    std::size_t at = 0;
    while (at < field.size()) {
        const std::size_t piece = field.find_first_not_of('_', at);
        if (piece == std::string_view::npos) {
            break;
        }
        const std::size_t pieceEnd = field.find('_', piece);
        entry += field.substr(piece, pieceEnd == std::string_view::npos ? std::string_view::npos
                                                                         : pieceEnd - piece);
        entry += ' ';
        at = pieceEnd == std::string_view::npos ? field.size() : pieceEnd;
    }
    return true;
}

void FillRunwayList(Context& context, AirportEnd end, const RunwayField* fields, int count)
{
    const int listId = RunwayListId(end);
    MainWindow& window = context.window;
    window.ClearList(listId);
    window.SetListRedraw(listId, false);
    std::string entry;
    for (int i = 0; i < count; ++i) {
        if (!MakeRunwayEntry(fields[i].view(), entry)) {
            continue;
        }
        if (window.AddListEntry(listId, entry) < 0) {
            context.user.ShowMessage(IDS_RUNWAY_ADD_FAILED, "", MessageIcon::Stop,
                                     MessageButtons::Ok);
        }
    }
    window.SetListRedraw(listId, true);
}

bool PreferredRunwayPath(std::string_view dataPath, PathText& path)
{
    const std::size_t separator = dataPath.find_last_of(kPathSeparator);
    // A bare file name lies in the current folder, and so does its neighbour.
    std::string preferred =
        separator == std::string_view::npos
            ? std::string()
            : std::string(dataPath.substr(0, separator)) + kPathSeparator;
    preferred += kPreferredRunwayFileName;
    if (preferred.size() > PathText::capacity) {
        return false;
    }
    path = preferred;
    return true;
}

PreferredRunwayLine ParsePreferredRunwayLine(std::string_view line)
{
    PreferredRunwayLine parsed;
    line = ExaminedLine(line);
    if (IsCommentLine(line)) {
        return parsed;
    }
    std::size_t at = 0;
    parsed.ident = NextWord(line, at);
    if (parsed.ident.empty()) {
        return parsed;
    }
    parsed.valid = true;
    // Runways are cut to 8 characters; the fourth field is not used.
    parsed.departure = NextWord(line, at);
    parsed.landing = NextWord(line, at);
    return parsed;
}

int PreferredRunwayIndex(const MainWindow& window, AirportEnd end, std::string_view runway)
{
    // A line without this runway selects nothing; an empty text would begin
    // every entry.
    if (runway.empty()) {
        return 0;
    }
    const int listId = RunwayListId(end);
    const int count = window.ListCount(listId);
    std::string entry;
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        if (window.ListEntry(listId, index, entry) && BeginsWithIgnoringCase(entry, runway)) {
            return index;
        }
    }
    return 0;
}

void ApplyPreferredRunways(Context& context, std::uint32_t leg, std::string_view ident,
                           AirportEnd end)
{
    if (leg >= kMaxLegs) {
        return;
    }
    const RunwayChoice choice = ChoiceOf(context.state.route.legInfo[leg], end);
    PathText path;
    LineFile file;
    if (PreferredRunwayPath(context.state.settings.AirpFile.Pathname.view(), path) &&
        file.Open(path.c_str())) {
        std::string_view line;
        while (file.Next(line) == LineFile::Read::Line) {
            const PreferredRunwayLine preferred = ParsePreferredRunwayLine(line);
            if (!preferred.valid || !EqualsIgnoringCase(preferred.ident, ident)) {
                continue;
            }
            if (!choice.chosen) {
                choice.index = PreferredRunwayIndex(
                    context.window, end,
                    end == AirportEnd::Departure ? preferred.departure.view()
                                                 : preferred.landing.view());
            }
            break;
        }
        file.Close();
    }
    const int listId = RunwayListId(end);
    context.window.SelectListEntry(listId, choice.index);
    KeepEntryText(context.window, listId, choice.index, choice.text);
}

void ApplyPreferredRunways(Context& context, std::string_view ident, AirportEnd end)
{
    ApplyPreferredRunways(context, context.state.route.currentLeg, ident, end);
}

void PickRunway(Context& context, AirportEnd end)
{
    RouteStore& route = context.state.route;
    if (route.currentLeg >= kMaxLegs) {
        return;
    }
    const RunwayChoice choice = ChoiceOf(route.legInfo[route.currentLeg], end);
    const int listId = RunwayListId(end);
    choice.index = context.window.SelectedListEntry(listId);
    KeepEntryText(context.window, listId, choice.index, choice.text);
    choice.chosen = 1;
}

}  // namespace rw
