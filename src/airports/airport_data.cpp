// The airport/runway data file and its index.
#include "airports/airport_data.h"

#include <bit>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

#include "airports/runways.h"
#include "common/field_scanner.h"
#include "common/paths.h"
#include "resources/resource.h"

namespace rw {
namespace {

// "%ld" of an index line's offset: a byte offset the data file can be
// positioned at. Offsets beyond the 32-bit long of the Windows program are
// refused on every platform alike.
bool ParseOffset(std::string_view text, std::int32_t& offset)
{
    std::size_t at = 0;
    const bool negative = TakeSign(text, at);
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

// How often a character stands in airport data, letters without regard to
// case: from the most frequent (blanks, digits, the letters of names) to the
// least; characters not listed are rarer still. Measured on the worldwide
// file; it only decides which of ident's characters a scan looks for.
constexpr std::string_view kFrequentFirst = " 01ar32_94i5.867ot-enpls\r\ndcmufkhgbywvzjxq";

unsigned char Folded(char c) { return static_cast<unsigned char>(c) | 0x20; }

std::size_t Rarity(char c)
{
    const std::size_t at = kFrequentFirst.find(static_cast<char>(Folded(c)));
    return at == std::string_view::npos ? kFrequentFirst.size() : at;
}

// Two of ident's characters and their places in it: the rarest pair, so that
// few places of a scan hold both. Bytes are compared with bit 0x20 set, which
// makes a letter's cases equal; other bytes that become equal so are
// harmless, since a place found is tested in full afterwards.
struct IdentPair {
    std::size_t firstAt = 0;
    std::size_t secondAt = 0;
    unsigned char first = 0;
    unsigned char second = 0;
};

#if defined(__GNUC__) && defined(__x86_64__) && !defined(_WIN32)
// 32 places at a time where the processor can, chosen when the program runs.
// Not on Windows, where GCC may keep 32-byte values on a stack that is only
// 16-byte aligned.
#define RW_SCAN_AVX2 1

// The pair as 32 copies of each character, and where they stand.
struct PairAvx2 {
    __m256i first;
    __m256i second;
    std::size_t firstAt;
    std::size_t secondAt;
};

// The places of 32 bytes from at on that hold the pair.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i PlacesAvx2(const char* data,
                                                                      std::size_t at,
                                                                      const PairAvx2& pair)
{
    const __m256i fold = _mm256_set1_epi8(0x20);
    const __m256i firsts =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + at + pair.firstAt));
    const __m256i seconds =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + at + pair.secondAt));
    return _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(firsts, fold), pair.first),
                            _mm256_cmpeq_epi8(_mm256_or_si256(seconds, fold), pair.second));
}

[[gnu::target("avx2"), gnu::always_inline]] inline std::uint64_t MaskAvx2(__m256i low, __m256i high)
{
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(low)) |
           static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(high))) << 32;
}

// The first place from at on that may hold the pair, looked at 128 and then
// 32 places at a time while they lie before stop; where that ends, the
// places that are left begin.
[[gnu::target("avx2")]] std::size_t SkipAvx2(const char* data, std::size_t at, std::size_t stop,
                                             const IdentPair& identPair)
{
    // Copies, which the bytes read cannot be taken to change.
    const PairAvx2 pair{_mm256_set1_epi8(static_cast<char>(identPair.first)),
                        _mm256_set1_epi8(static_cast<char>(identPair.second)), identPair.firstAt,
                        identPair.secondAt};
    for (; at + 128 <= stop; at += 128) {
        const __m256i a = PlacesAvx2(data, at, pair);
        const __m256i b = PlacesAvx2(data, at + 32, pair);
        const __m256i c = PlacesAvx2(data, at + 64, pair);
        const __m256i d = PlacesAvx2(data, at + 96, pair);
        const __m256i any = _mm256_or_si256(_mm256_or_si256(a, b), _mm256_or_si256(c, d));
        if (!_mm256_testz_si256(any, any)) {
            const std::uint64_t low = MaskAvx2(a, b);
            return low != 0 ? at + static_cast<std::size_t>(std::countr_zero(low))
                            : at + 64 + static_cast<std::size_t>(std::countr_zero(MaskAvx2(c, d)));
        }
    }
    for (; at + 32 <= stop; at += 32) {
        const auto mask =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(PlacesAvx2(data, at, pair)));
        if (mask != 0) {
            return at + static_cast<std::size_t>(std::countr_zero(mask));
        }
    }
    return at;
}

bool HasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

#if defined(__SSE2__)
// The same 64 places at a time.
std::size_t SkipSse2(const char* data, std::size_t at, std::size_t stop, const IdentPair& pair)
{
    const __m128i fold = _mm_set1_epi8(0x20);
    const __m128i first = _mm_set1_epi8(static_cast<char>(pair.first));
    const __m128i second = _mm_set1_epi8(static_cast<char>(pair.second));
    const char* const firsts = data + pair.firstAt;
    const char* const seconds = data + pair.secondAt;
    const auto places = [&](std::size_t i) {
        return _mm_and_si128(
            _mm_cmpeq_epi8(
                _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(firsts + i)), fold),
                first),
            _mm_cmpeq_epi8(
                _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(seconds + i)), fold),
                second));
    };
    for (; at + 64 <= stop; at += 64) {
        const __m128i a = places(at);
        const __m128i b = places(at + 16);
        const __m128i c = places(at + 32);
        const __m128i d = places(at + 48);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))) != 0) {
            const std::uint64_t mask =
                static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(a))) |
                static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(b))) << 16 |
                static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(c))) << 32 |
                static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(d))) << 48;
            return at + static_cast<std::size_t>(std::countr_zero(mask));
        }
    }
    return at;
}
#endif

// Finds the places where ident may begin: the places whose bytes at the
// pair's distances are the pair's characters.
class IdentSearch {
public:
    explicit IdentSearch(std::string_view ident) : length_(ident.size())
    {
        if (ident.empty()) {
            return;
        }
        // A one-character identifier has its character twice.
        pair_ = {0, 0, Folded(ident[0]), Folded(ident[0])};
        std::size_t best = 0;
        for (std::size_t i = 0; i < ident.size(); ++i) {
            for (std::size_t j = i + 1; j < ident.size(); ++j) {
                const std::size_t rarity = Rarity(ident[i]) + Rarity(ident[j]) + 1;
                if (rarity > best) {
                    best = rarity;
                    pair_ = {i, j, Folded(ident[i]), Folded(ident[j])};
                }
            }
        }
    }

    // The first place in [from, to) where ident may begin and still end
    // before to; to when there is none.
    std::size_t Find(const char* data, std::size_t from, std::size_t to) const
    {
        if (length_ == 0 || to < from || to - from < length_) {
            return to;
        }
        const std::size_t stop = to - length_ + 1;  // places before stop fit
        std::size_t at = from;
#if defined(RW_SCAN_AVX2)
        if (HasAvx2()) {
            at = SkipAvx2(data, at, stop, pair_);
        }
#endif
#if defined(__SSE2__)
        at = SkipSse2(data, at, stop, pair_);
#endif
        for (; at < stop; ++at) {
            if (Folded(data[at + pair_.firstAt]) == pair_.first &&
                Folded(data[at + pair_.secondAt]) == pair_.second) {
                return at;
            }
        }
        return to;
    }

private:
    std::size_t length_;
    IdentPair pair_;
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
    const IdentSearch search(ident);
    for (;;) {
        char* const data = buffer_.get();
        // The lines that end in the buffer, and the last line when the file
        // ends there; begin_ is where a line starts.
        std::size_t complete = end_;
        if (!atEnd_) {
            while (complete > begin_ && data[complete - 1] != '\n') {
                --complete;
            }
        }
        for (std::size_t at = begin_;;) {
            const std::size_t place = search.Find(data, at, complete);
            if (place == complete) {
                break;
            }
            // Only white space may stand before the first field.
            std::size_t start = place;
            while (start > begin_ && data[start - 1] != '\n' && IsSpace(data[start - 1])) {
                --start;
            }
            if (start == begin_ || data[start - 1] == '\n') {
                begin_ = start;
                return Next(line);
            }
            at = place + 1;
        }
        if (atEnd_) {
            begin_ = end_;
            return Read::End;
        }
        if (complete == 0 && end_ == kBlockSize) {
            // A line longer than the buffer: Next reads what is kept of it.
            return Next(line);
        }
        // The unfinished last line moves to the front, the next block
        // comes behind it.
        std::memmove(data, data + complete, end_ - complete);
        end_ -= complete;
        begin_ = 0;
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
    if (at >= line.size() || ToUpperAscii(line[at]) != ToUpperAscii(ident[0])) {
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
        if (ToUpperAscii(line[start + i]) != ToUpperAscii(ident[i])) {
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
    if (!scanner.Int(parsed.elevationFt)) {
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
