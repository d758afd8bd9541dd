// Probing the planner's binary plan files, on small files made here.
#include "route/fcf_probe.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/scripted_user.h"

namespace rw {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kSignature = {0x00, 0x0D, 0x00, 0x03, 0x00, 0x01, 0x00, 0x01, 0x00};

void PutLength(Bytes& file, std::size_t at, std::uint32_t length)
{
    if (file.size() < at + 4) {
        file.resize(at + 4);
    }
    for (int i = 0; i < 4; ++i) {
        file[at + i] = static_cast<std::uint8_t>(length >> (8 * i));
    }
}

// Writes a length and its text at at; gives the offset after the text.
std::size_t PutText(Bytes& file, std::size_t at, const std::string& text)
{
    PutLength(file, at, static_cast<std::uint32_t>(text.size()));
    if (file.size() < at + 4 + text.size()) {
        file.resize(at + 4 + text.size());
    }
    std::copy(text.begin(), text.end(), file.begin() + static_cast<std::ptrdiff_t>(at + 4));
    return at + 4 + text.size();
}

Bytes FileWithTitle(const std::string& title)
{
    Bytes file(400, 0x20);
    PutText(file, 360, title);
    return file;
}

// A record at at: marker byte, signature, then name and type or identifier.
std::size_t PutRecord(Bytes& file, std::size_t at, bool longForm, const std::string& name,
                      const std::string& type, const std::string& ident)
{
    if (file.size() < at + 1 + kSignature.size()) {
        file.resize(at + 1 + kSignature.size());
    }
    file[at] = longForm ? '#' : '!';
    const std::size_t signature = at + 1;
    std::copy(kSignature.begin(), kSignature.end(), file.begin() + static_cast<std::ptrdiff_t>(signature));
    std::size_t end = PutText(file, signature + 53, name);
    if (longForm) {
        end = PutText(file, end, type);
        end = PutText(file, end + 83, ident);
    } else {
        end = PutText(file, end + 79, ident);
    }
    return end;
}

TEST(FcfProbe, TitleWithoutSignatures)
{
    const Bytes file = FileWithTitle("Zurich tour");
    const FcfProbe probe = ProbeFcfBytes(file.data(), file.size());
    EXPECT_EQ(probe.title, "Zurich tour");
    EXPECT_TRUE(probe.records.empty());
    EXPECT_EQ(probe.waypointCount, 0);

    test::ScriptedUser user;
    ShowFcfProbe(user, probe);
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_EQ(user.shown[0].text, "Zurich tour");
    EXPECT_EQ(user.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(user.shown[1].text, "Nbr of WPs found=0");
    EXPECT_EQ(user.shown[1].icon, MessageIcon::Exclamation);
}

TEST(FcfProbe, RecordsOfBothFormsAndTheirCount)
{
    Bytes file = FileWithTitle("A title longer than fifteen");
    std::size_t at = PutRecord(file, 420, true, "Zurich Kloten", "Airport", "LSZH");
    at = PutRecord(file, at + 10, false, "Trasadingen VOR-DME", "", "TRA");
    at = PutRecord(file, at + 10, false, "Willisau", "", "WILLISAU12");
    file.resize(at + 400, 0x20);  // the scan stops 300 bytes before the end
    const FcfProbe probe = ProbeFcfBytes(file.data(), file.size());
    EXPECT_EQ(probe.title, "A title longer ");
    ASSERT_EQ(probe.records.size(), 3u);
    EXPECT_EQ(probe.waypointCount, 2);

    test::ScriptedUser user;
    ShowFcfProbe(user, probe);
    std::vector<std::string> texts;
    for (const auto& m : user.shown) {
        texts.push_back(m.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "A title longer ",
                         "Name: Zurich Kloten, Type: Airport, Id: LSZH\n",
                         "Name: Trasadingen VOR, Id: TRA\n",  // a 19-character name shows 15
                         "Name: Willisau, Id: WILLISAU1\n",   // identifiers show 9
                         "Nbr of WPs found=2"}));
}

TEST(FcfProbe, NothingIsReadOutsideTheFile)
{
    struct Case {
        const char* what;
        Bytes file;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"shorter than the title", Bytes(363, 0)});
    {
        Bytes file = FileWithTitle("x");
        PutLength(file, 360, 0xFFFFFFFFu);  // title length past the end
        cases.push_back({"title length past the end", file});
    }
    {
        // A signature at offset 0 has no marker byte before it.
        Bytes file(700, 0);
        std::copy(kSignature.begin(), kSignature.end(), file.begin());
        PutText(file, 53, "First");
        PutLength(file, 53 + 4 + 5 + 79, 0x7FFFFFFFu);
        cases.push_back({"signature at the start, identifier past the end", file});
    }
    {
        Bytes file(600, 0);
        const std::size_t at = 200;
        file[at] = '#';
        std::copy(kSignature.begin(), kSignature.end(), file.begin() + at + 1);
        PutLength(file, at + 1 + 53, 0xFFFFFF00u);  // name runs past the end
        cases.push_back({"name past the end", file});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Copied to an exact-size buffer so that the sanitizer sees any stray read.
        std::vector<std::uint8_t> exact(c.file.begin(), c.file.end());
        const FcfProbe probe = ProbeFcfBytes(exact.empty() ? nullptr : exact.data(), exact.size());
        EXPECT_LE(probe.title.size(), 15u);
        for (const FcfRecord& r : probe.records) {
            EXPECT_LE(r.name.size(), 15u);
            EXPECT_LE(r.ident.size(), 9u);
        }
    }
    // What can be read is shown: the record at the start is a waypoint with
    // its name and without the identifier that lies past the end.
    const Bytes& atStart = cases[3].file;
    const FcfProbe probe = ProbeFcfBytes(atStart.data(), atStart.size());
    ASSERT_EQ(probe.records.size(), 1u);
    EXPECT_FALSE(probe.records[0].longForm);
    EXPECT_EQ(probe.records[0].name, "First");
    EXPECT_EQ(probe.records[0].ident, "");
    EXPECT_EQ(probe.waypointCount, 1);
}

}  // namespace
}  // namespace rw
