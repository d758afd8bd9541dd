// Probing the planner's binary plan files.
#include "route/fcf_probe.h"

#include <algorithm>
#include <cstring>

#include "common/texts.h"

namespace rw {
namespace {

constexpr std::uint8_t kSignature[] = {0x00, 0x0D, 0x00, 0x03, 0x00, 0x01, 0x00, 0x01, 0x00};
constexpr std::size_t kTitleLengthAt = 360;
constexpr std::size_t kScanMargin = 300;
constexpr std::size_t kTextShown = 15;
constexpr std::size_t kIdentShown = 9;

// A bounded reader over the file's bytes.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // A 32-bit little-endian length at offset; false when it is not all inside.
    bool Length(std::size_t offset, std::uint32_t& length) const
    {
        if (offset > size_ || size_ - offset < 4) {
            return false;
        }
        length = static_cast<std::uint32_t>(data_[offset]) |
                 static_cast<std::uint32_t>(data_[offset + 1]) << 8 |
                 static_cast<std::uint32_t>(data_[offset + 2]) << 16 |
                 static_cast<std::uint32_t>(data_[offset + 3]) << 24;
        return true;
    }

    // A length and the text after it, cut to shown characters and to the
    // file's end. end receives the offset just after the whole text; false
    // when the length itself cannot be read.
    bool Text(std::size_t offset, std::size_t shown, std::string& text, std::size_t& end) const
    {
        std::uint32_t length = 0;
        if (!Length(offset, length)) {
            return false;
        }
        const std::size_t start = offset + 4;
        const std::size_t available = size_ - start;
        const std::size_t taken = std::min<std::size_t>({length, available, shown});
        text.assign(reinterpret_cast<const char*>(data_ + start), taken);
        // A zero byte ends a shown text, as it would in a display buffer.
        text.resize(std::strlen(text.c_str()));
        end = length > available ? size_ : start + length;
        return true;
    }

    bool SignatureAt(std::size_t offset) const
    {
        return size_ - offset >= sizeof kSignature &&
               std::memcmp(data_ + offset, kSignature, sizeof kSignature) == 0;
    }

    std::uint8_t At(std::size_t offset) const { return data_[offset]; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

FcfRecord ReadRecord(const Bytes& bytes, std::size_t signature)
{
    FcfRecord record;
    record.longForm = signature > 0 && bytes.At(signature - 1) == '#';
    std::size_t afterName = 0;
    if (!bytes.Text(signature + 53, kTextShown, record.name, afterName)) {
        return record;
    }
    if (record.longForm) {
        std::size_t afterType = 0;
        if (bytes.Text(afterName, kTextShown, record.type, afterType)) {
            std::size_t afterIdent = 0;
            (void)bytes.Text(afterType + 83, kIdentShown, record.ident, afterIdent);
        }
    } else {
        std::size_t afterIdent = 0;
        (void)bytes.Text(afterName + 79, kIdentShown, record.ident, afterIdent);
    }
    return record;
}

}  // namespace

FcfProbe ProbeFcfBytes(const std::uint8_t* data, std::size_t size)
{
    FcfProbe probe;
    const Bytes bytes(data, size);
    std::size_t afterTitle = 0;
    (void)bytes.Text(kTitleLengthAt, kTextShown, probe.title, afterTitle);
    for (std::size_t offset = 0; size > kScanMargin && offset < size - kScanMargin; ++offset) {
        if (!bytes.SignatureAt(offset)) {
            continue;
        }
        FcfRecord record = ReadRecord(bytes, offset);
        if (!record.longForm) {
            ++probe.waypointCount;
        }
        probe.records.push_back(std::move(record));
    }
    return probe;
}

void ShowFcfProbe(User& user, const FcfProbe& probe)
{
    user.ShowText(probe.title, MessageIcon::Stop, MessageButtons::Ok);
    for (const FcfRecord& r : probe.records) {
        const std::string text =
            r.longForm ? FormatPrintf("Name: %s, Type: %s, Id: %s\n", r.name.c_str(), r.type.c_str(),
                                      r.ident.c_str())
                       : FormatPrintf("Name: %s, Id: %s\n", r.name.c_str(), r.ident.c_str());
        user.ShowText(text, MessageIcon::Stop, MessageButtons::Ok);
    }
    user.ShowText(FormatPrintf("Nbr of WPs found=%d", probe.waypointCount), MessageIcon::Exclamation,
                  MessageButtons::Ok);
}

}  // namespace rw
