// The airport/runway data file and its index.
#include "airports/airport_data.h"

#include <bit>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "airports/runways.h"
#include "common/paths.h"
#include "resources/resource.h"

namespace rw {
namespace {

// White space as the format's conversions skip it; "\n" never reaches a
// line.
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\n';
}

char ToUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Reads the fields of an examined line one after the other, as the blanks
// and conversions of a scanf format do.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view text) : text_(text) {}

    // "%s": the next run of characters that are not white space.
    bool Word(std::string_view& word)
    {
        SkipSpace();
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsSpace(text_[at_])) {
            ++at_;
        }
        word = text_.substr(start, at_ - start);
        return !word.empty();
    }

    // "%d": a sign and decimal digits; what follows them is the next field's.
    // A value beyond int is not converted.
    bool Integer(int& value)
    {
        SkipSpace();
        std::size_t at = at_;
        bool negative = false;
        if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) {
            negative = text_[at] == '-';
            ++at;
        }
        const std::size_t digits = at;
        long long magnitude = 0;
        while (at < text_.size() && text_[at] >= '0' && text_[at] <= '9') {
            magnitude = magnitude * 10 + (text_[at] - '0');
            if (magnitude > static_cast<long long>(std::numeric_limits<int>::max()) + 1) {
                return false;
            }
            ++at;
        }
        if (at == digits) {
            return false;
        }
        const long long signedValue = negative ? -magnitude : magnitude;
        if (signedValue > std::numeric_limits<int>::max()) {
            return false;
        }
        value = static_cast<int>(signedValue);
        at_ = at;
        return true;
    }

private:
    void SkipSpace()
    {
        while (at_ < text_.size() && IsSpace(text_[at_])) {
            ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

// "%ld" of an index line's offset: a byte offset the data file can be
// positioned at. Offsets beyond the 32-bit long of the Windows program are
// refused on every platform alike.
bool ParseOffset(std::string_view text, std::int32_t& offset)
{
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t digits = at;
    std::int64_t value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        value = value * 10 + (text[at] - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            return false;
        }
        ++at;
    }
    if (at == digits || (negative && value != 0)) {
        return false;
    }
    offset = static_cast<std::int32_t>(value);
    return true;
}

// Whether a line may have ident as its first field, by its first two bytes:
// they are ident's (ignoring case), or the field follows white space or a
// control character. A superset is harmless: the line is tested in full
// afterwards.
class LineStartTest {
public:
    explicit LineStartTest(std::string_view ident)
        : first_(ident.empty() ? 0 : Fold(ident[0])),
          second_(ident.size() < 2 ? 0 : Fold(ident[1]))
    {
    }

    bool MayBegin(unsigned char b1, unsigned char b2) const
    {
        if (b1 <= 0x20) {
            return true;
        }
        if ((b1 | 0x20) != first_) {
            return false;
        }
        // A one-character identifier is followed by white space, a zero byte
        // or the line end.
        return second_ == 0 ? b2 <= 0x20 : (b2 | 0x20) == second_;
    }

    // The first line start in (from, end) that may begin so, or end. Only
    // line starts whose two bytes both lie before end are looked at.
    std::size_t NextLineStart(const char* data, std::size_t from, std::size_t end) const
    {
        std::size_t at = from;
#if defined(__SSE2__)
        // Thirty-two places at a time: a "\n" followed by two such bytes.
        const __m128i newline = _mm_set1_epi8('\n');
        const __m128i caseBit = _mm_set1_epi8(0x20);
        const __m128i first = _mm_set1_epi8(static_cast<char>(first_));
        const __m128i second = _mm_set1_epi8(static_cast<char>(second_));
        const auto places = [&](const char* p) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i b1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
            const __m128i b2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2));
            const __m128i low1 = _mm_cmpeq_epi8(_mm_subs_epu8(b1, caseBit), _mm_setzero_si128());
            const __m128i ends2 = _mm_cmpeq_epi8(_mm_subs_epu8(b2, caseBit), _mm_setzero_si128());
            const __m128i same1 = _mm_cmpeq_epi8(_mm_or_si128(b1, caseBit), first);
            const __m128i same2 = second_ == 0
                                      ? ends2
                                      : _mm_cmpeq_epi8(_mm_or_si128(b2, caseBit), second);
            const __m128i may = _mm_or_si128(low1, _mm_and_si128(same1, same2));
            return static_cast<std::uint32_t>(
                _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(here, newline), may)));
        };
        while (at + 34 <= end) {
            const std::uint32_t mask = places(data + at) | (places(data + at + 16) << 16);
            if (mask != 0) {
                return at + static_cast<std::size_t>(std::countr_zero(mask)) + 1;
            }
            at += 32;
        }
#endif
        for (; at + 2 < end; ++at) {
            if (data[at] == '\n' && MayBegin(static_cast<unsigned char>(data[at + 1]),
                                             static_cast<unsigned char>(data[at + 2]))) {
                return at + 1;
            }
        }
        return end;
    }

private:
    static unsigned char Fold(char c) { return static_cast<unsigned char>(c) | 0x20; }

    unsigned char first_;
    unsigned char second_;
};

}  // namespace

LineFile::LineFile() : buffer_(new char[kBlockSize]) {}

LineFile::~LineFile() { Close(); }

bool LineFile::Open(const char* path)
{
    Close();
    file_ = std::fopen(path, "rb");
    if (file_ == nullptr) {
        return false;
    }
    // The blocks go straight into our buffer, not through a second one.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    begin_ = end_ = 0;
    atEnd_ = false;
    inPassedLine_ = false;
    return true;
}

void LineFile::Close()
{
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

bool LineFile::Seek(std::int32_t offset)
{
    if (file_ == nullptr || offset < 0 || std::fseek(file_, offset, SEEK_SET) != 0) {
        return false;
    }
    begin_ = end_ = 0;
    atEnd_ = false;
    inPassedLine_ = false;
    return true;
}

LineFile::Read LineFile::Fill()
{
    const std::size_t wanted = kBlockSize - end_;
    const std::size_t got = std::fread(buffer_.get() + end_, 1, wanted, file_);
    end_ += got;
    if (got < wanted) {
        if (std::ferror(file_)) {
            return Read::Error;
        }
        atEnd_ = true;
    }
    return Read::Line;
}

LineFile::Read LineFile::SkipRestOfLine(std::string_view& line)
{
    // The whole buffer is one line's start: keep what is read of it, then
    // drop block after block up to its end.
    std::memcpy(longLine_, buffer_.get(), kKeptLength);
    line = std::string_view(longLine_, kKeptLength);
    begin_ = end_ = 0;
    while (!atEnd_) {
        if (Fill() == Read::Error) {
            return Read::Error;
        }
        const void* newline = std::memchr(buffer_.get(), '\n', end_);
        if (newline != nullptr) {
            begin_ = static_cast<std::size_t>(static_cast<const char*>(newline) - buffer_.get()) + 1;
            return Read::Line;
        }
        end_ = 0;
    }
    return Read::Line;
}

LineFile::Read LineFile::Next(std::string_view& line)
{
    if (file_ == nullptr) {
        return Read::Error;
    }
    for (;;) {
        char* const start = buffer_.get() + begin_;
        const std::size_t available = end_ - begin_;
        if (available != 0) {
            const void* newline = std::memchr(start, '\n', available);
            if (newline != nullptr) {
                const std::size_t length =
                    static_cast<std::size_t>(static_cast<const char*>(newline) - start);
                line = std::string_view(start, length < kKeptLength ? length : kKeptLength);
                begin_ += length + 1;
                return Read::Line;
            }
        }
        if (atEnd_) {
            if (available == 0) {
                return Read::End;
            }
            line = std::string_view(start, available < kKeptLength ? available : kKeptLength);
            begin_ = end_;
            return Read::Line;
        }
        // The line goes on beyond the buffer: move its start to the front
        // and read the next block behind it.
        if (begin_ != 0) {
            std::memmove(buffer_.get(), start, available);
            begin_ = 0;
            end_ = available;
        }
        if (end_ == kBlockSize) {
            return SkipRestOfLine(line);
        }
        if (Fill() == Read::Error) {
            return Read::Error;
        }
    }
}

LineFile::Read LineFile::NextStartingWith(std::string_view ident, std::string_view& line)
{
    if (file_ == nullptr) {
        return Read::Error;
    }
    const LineStartTest test(ident);
    for (;;) {
        char* const data = buffer_.get();
        if (inPassedLine_) {
            const void* newline = std::memchr(data + begin_, '\n', end_ - begin_);
            if (newline != nullptr) {
                begin_ = static_cast<std::size_t>(static_cast<const char*>(newline) - data) + 1;
                inPassedLine_ = false;
            } else {
                begin_ = end_;
            }
        }
        if (!inPassedLine_ && begin_ < end_) {
            // A line start whose second byte is not read yet is taken as it is.
            if (begin_ + 1 == end_ ||
                test.MayBegin(static_cast<unsigned char>(data[begin_]),
                              static_cast<unsigned char>(data[begin_ + 1]))) {
                return Next(line);
            }
            const std::size_t start = test.NextLineStart(data, begin_, end_);
            if (start < end_) {
                begin_ = start;
                return Next(line);
            }
            // Every line start in the buffer whose two bytes are there has
            // been looked at; the last line, if it was not, comes first
            // next time, else it is passed over to its end.
            std::size_t lastStart = end_;
            while (lastStart > begin_ && data[lastStart - 1] != '\n') {
                --lastStart;
            }
            if (lastStart + 1 >= end_) {
                // Its second byte (or even its first) is not read yet.
                std::memmove(data, data + lastStart, end_ - lastStart);
                end_ -= lastStart;
                begin_ = 0;
                if (atEnd_) {
                    return Next(line);
                }
                if (Fill() == Read::Error) {
                    return Read::Error;
                }
                continue;
            }
            inPassedLine_ = true;
            begin_ = end_;
        }
        if (atEnd_) {
            return Read::End;
        }
        begin_ = end_ = 0;
        if (Fill() == Read::Error) {
            return Read::Error;
        }
    }
}

std::string_view ExaminedLine(std::string_view line)
{
    const std::size_t zero = line.find('\0');
    if (zero != std::string_view::npos) {
        line = line.substr(0, zero);
    }
    if (line.size() > kDataLineLength) {
        const bool fieldGoesOn = !IsSpace(line[kDataLineLength]);
        line = line.substr(0, kDataLineLength);
        // A field that runs past the limit is not read at all.
        while (fieldGoesOn && !line.empty() && !IsSpace(line.back())) {
            line.remove_suffix(1);
        }
    }
    return line;
}

bool LineHasIdent(std::string_view line, std::string_view ident)
{
    if (ident.empty()) {
        return false;
    }
    std::size_t at = 0;
    while (at < line.size() && IsSpace(line[at])) {
        ++at;
    }
    // Most lines of a scan differ in the first character already.
    if (at >= line.size() || ToUpper(line[at]) != ToUpper(ident[0])) {
        return false;
    }
    const std::size_t start = at;
    while (at < line.size() && !IsSpace(line[at]) && line[at] != '\0') {
        ++at;
    }
    // A field cut by the line limit is not read, so it matches nothing.
    if (at > kDataLineLength || at - start != ident.size()) {
        return false;
    }
    for (std::size_t i = 1; i < ident.size(); ++i) {
        if (ToUpper(line[start + i]) != ToUpper(ident[i])) {
            return false;
        }
    }
    return true;
}

AirportLine ParseAirportLine(std::string_view line)
{
    AirportLine parsed;
    FieldScanner scanner(ExaminedLine(line));
    std::string_view word;
    // The identifier is compared whole by LineHasIdent; an identifier longer
    // than 5 characters never equals a route point's.
    if (!scanner.Word(word)) {
        return parsed;
    }
    parsed.fieldCount = 1;
    if (!scanner.Word(word)) {
        return parsed;
    }
    parsed.name = word;  // cut to 50 characters
    parsed.fieldCount = 2;
    if (!scanner.Integer(parsed.elevationFt)) {
        return parsed;
    }
    parsed.fieldCount = 3;
    // Fields 4 and 5 are read and not used.
    for (int i = 0; i < 2; ++i) {
        if (!scanner.Word(word)) {
            return parsed;
        }
        ++parsed.fieldCount;
    }
    while (parsed.runwayCount < static_cast<int>(kMaxRunwayFields) && scanner.Word(word)) {
        parsed.runways[parsed.runwayCount++] = word;  // cut to 50 characters
        ++parsed.fieldCount;
    }
    return parsed;
}

std::string_view DataFileName(const AppSettings& settings)
{
    return FileNamePart(settings.AirpFile.Pathname.view());
}

bool IndexPathFor(std::string_view dataPath, PathText& indexPath)
{
    constexpr std::string_view kIndexExtension = ".idx";
    const std::size_t dot = dataPath.rfind('.');
    if (dot == std::string_view::npos || dot + kIndexExtension.size() > PathText::capacity) {
        return false;
    }
    std::string path(dataPath.substr(0, dot));
    path += kIndexExtension;
    indexPath = path;
    return true;
}

std::int32_t IndexOffset(std::string_view dataPath, std::string_view ident)
{
    PathText indexPath;
    if (ident.empty() || !IndexPathFor(dataPath, indexPath)) {
        return 0;
    }
    LineFile index;
    if (!index.Open(indexPath.c_str())) {
        return 0;
    }
    std::string_view line;
    while (index.Next(line) == LineFile::Read::Line) {
        FieldScanner scanner(ExaminedLine(line));
        std::string_view key;
        if (!scanner.Word(key) || key[0] != ident[0]) {
            continue;
        }
        // The first key with the character decides; an offset that cannot
        // be used there starts the search at the beginning, which never
        // misses an airport.
        std::string_view offsetText;
        std::int32_t offset = 0;
        if (scanner.Word(offsetText) && ParseOffset(offsetText, offset)) {
            return offset;
        }
        return 0;
    }
    return 0;
}

AirportName LookupLegAirport(Context& context, std::uint32_t leg, std::string_view ident,
                             AirportEnd end)
{
    AppSettings& settings = context.state.settings;
    LineFile data;
    while (!data.Open(settings.AirpFile.Pathname.c_str())) {
        const Answer answer = context.user.ShowMessage(
            IDS_DATA_OPEN_FAILED, DataFileName(settings), MessageIcon::Exclamation,
            MessageButtons::YesNo);
        if (answer != Answer::Yes) {
            return ReadErrorText;
        }
        // A cancelled dialog leaves the path as it was: the same question follows.
        (void)BrowseAirportDataFile(context);
    }

    const std::int32_t offset = IndexOffset(settings.AirpFile.Pathname.view(), ident);
    bool readable = data.Seek(offset);
    std::string_view line;
    while (readable) {
        const LineFile::Read read = data.NextStartingWith(ident, line);
        if (read == LineFile::Read::End) {
            return NotFoundText;
        }
        if (read == LineFile::Read::Error) {
            break;
        }
        if (!LineHasIdent(line, ident)) {
            continue;
        }
        const AirportLine airport = ParseAirportLine(line);
        RouteStore& route = context.state.route;
        if (airport.fieldCount >= 3 && leg < kMaxLegs) {
            const std::uint32_t count = route.legInfo[leg].pointCount;
            RoutePoint* point =
                count == 0 ? nullptr
                           : route.PointAt(leg, end == AirportEnd::Departure ? 0 : count - 1);
            if (point != nullptr) {
                point->altitude = static_cast<double>(airport.elevationFt);
            }
        }
        // Without a converted elevation the point keeps the altitude of the
        // source plan.
        FillRunwayList(context, end, airport.runways, airport.runwayCount);
        ApplyPreferredRunways(context, leg, ident, end);
        return airport.name;
    }
    context.user.ShowMessage(IDS_DATA_READ_ERROR, DataFileName(settings), MessageIcon::Stop,
                             MessageButtons::Ok);
    return ReadErrorText;
}

AirportName LookupAirport(Context& context, std::string_view ident, AirportEnd end)
{
    return LookupLegAirport(context, context.state.route.currentLeg, ident, end);
}

bool BrowseAirportDataFile(Context& context)
{
    OpenFileRequest request;
    request.title = "Open Airport/Runway data file";
    request.filters = {{"Airport/Runway files (*.TXT)", "*.TXT"}, {"All files (*.*)", "*.*"}};
    request.initialFileName = "Fsb_apts.txt";
    request.initialFolder = context.system.CurrentFolder();
    request.defaultExtension = "txt";
    request.pathMustExist = true;
    request.fileMustExist = true;
    ChosenFile chosen;
    if (!context.dialogs.ShowOpenDialog(request, chosen)) {
        return false;
    }
    context.state.settings.AirpFile.Pathname = chosen.path;
    context.state.settings.AirpFile.Filename = chosen.fileName;
    return true;
}

}  // namespace rw
