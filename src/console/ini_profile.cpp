// INI reading and writing for the command-line program.
#include "console/ini_profile.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

namespace rw {
namespace {

constexpr std::size_t kValueLimit = 259;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// One line of the file as read, without its line end.
struct Line {
    enum class Kind { Section, Entry, Other } kind = Kind::Other;
    std::string text;
    std::string name;   // section or key name, trimmed
    std::string value;  // trimmed
    bool hasValue = false;
};

Line Classify(std::string text)
{
    Line line;
    const std::string_view body = Trim(text);
    if (!body.empty() && body.front() == '[') {
        const std::size_t close = body.find(']');
        line.kind = Line::Kind::Section;
        line.name = Trim(body.substr(1, close == std::string_view::npos ? std::string_view::npos
                                                                       : close - 1));
    } else if (!body.empty()) {
        line.kind = Line::Kind::Entry;
        const std::size_t equals = body.find('=');
        line.name = Trim(body.substr(0, equals));
        if (equals != std::string_view::npos) {
            line.hasValue = true;
            line.value = Trim(body.substr(equals + 1));
        }
    }
    line.text = std::move(text);
    return line;
}

struct IniFile {
    std::vector<Line> lines;
    std::string lineEnd = "\r\n";
    bool lastLineEnded = true;
};

bool Load(const std::string& path, IniFile& file)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t firstEnd = all.find('\n');
    if (firstEnd != std::string::npos) {
        file.lineEnd = (firstEnd > 0 && all[firstEnd - 1] == '\r') ? "\r\n" : "\n";
    }
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        const bool ended = end != std::string::npos;
        if (!ended) {
            end = all.size();
        }
        std::string text = all.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        file.lines.push_back(Classify(std::move(text)));
        file.lastLineEnded = ended;
        start = end + 1;
    }
    return true;
}

// Index of the section's header line, or lines.size() when there is none.
std::size_t FindSection(const IniFile& file, std::string_view section)
{
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        if (file.lines[i].kind == Line::Kind::Section && SameName(file.lines[i].name, section)) {
            return i;
        }
    }
    return file.lines.size();
}

// Index of the key's line inside the section starting at header, or npos.
std::size_t FindKey(const IniFile& file, std::size_t header, std::string_view key)
{
    for (std::size_t i = header + 1; i < file.lines.size(); ++i) {
        const Line& line = file.lines[i];
        if (line.kind == Line::Kind::Section) {
            break;
        }
        if (line.kind == Line::Kind::Entry && SameName(line.name, key)) {
            return i;
        }
    }
    return std::string::npos;
}

// A value in matching quotes is read without them.
std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool Save(const std::string& path, const IniFile& file)
{
    // Written beside the file and renamed over it, so the old file stays
    // whole until the new one is complete.
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    bool ok = true;
    for (std::size_t i = 0; i < file.lines.size() && ok; ++i) {
        const std::string& text = file.lines[i].text;
        ok = std::fwrite(text.data(), 1, text.size(), out) == text.size();
        const bool last = i + 1 == file.lines.size();
        if (ok && (!last || file.lastLineEnded)) {
            ok = std::fputs(file.lineEnd.c_str(), out) >= 0;
        }
    }
    ok = std::fflush(out) == 0 && ok;
    ok = ::fsync(::fileno(out)) == 0 && ok;
    ok = std::fclose(out) == 0 && ok;
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

int ProfileInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        const char p = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        base = p == 'x' ? 16 : p == 'o' ? 8 : p == 'b' ? 2 : 10;
        if (base != 10) {
            i += 2;
        }
    }
    unsigned value = 0;  // wraps like the 32-bit result of the system's conversion
    for (; i < text.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        unsigned digit;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'z') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else {
            break;
        }
        if (digit >= base) {
            break;
        }
        value = value * base + digit;
    }
    return static_cast<int>(negative ? 0u - value : value);
}

std::string IniProfile::ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue)
{
    IniFile file;
    std::string value;
    bool found = false;
    if (Load(path_, file)) {
        const std::size_t header = FindSection(file, section);
        if (header < file.lines.size()) {
            const std::size_t at = FindKey(file, header, key);
            if (at != std::string::npos) {
                found = true;
                value = Unquote(file.lines[at].value);
            }
        }
    }
    if (!found) {
        // Trailing blanks of a default are dropped, as the system does.
        while (!defaultValue.empty() && defaultValue.back() == ' ') {
            defaultValue.remove_suffix(1);
        }
        value = defaultValue;
    }
    if (value.size() > kValueLimit) {
        value.resize(kValueLimit);
    }
    return value;
}

int IniProfile::ReadInt(std::string_view section, std::string_view key, int defaultValue)
{
    const std::string text = ReadString(section, key, "");
    return text.empty() ? defaultValue : ProfileInteger(text);
}

bool IniProfile::WriteString(std::string_view section, std::string_view key,
                             std::string_view value)
{
    // A line break in a name or value would change the file's structure.
    for (const std::string_view part : {section, key, value}) {
        if (part.find_first_of("\r\n") != std::string_view::npos) {
            return false;
        }
    }
    IniFile file;
    Load(path_, file);

    std::string entry(key);
    entry += '=';
    entry += value;

    std::size_t header = FindSection(file, section);
    if (header == file.lines.size()) {
        file.lines.push_back(Classify("[" + std::string(section) + "]"));
        file.lines.push_back(Classify(entry));
        file.lastLineEnded = true;
        return Save(path_, file);
    }
    const std::size_t at = FindKey(file, header, key);
    if (at != std::string::npos) {
        // The key keeps the spelling it has in the file.
        file.lines[at] = Classify(file.lines[at].name + "=" + std::string(value));
        return Save(path_, file);
    }
    // A new key goes after the section's last entry.
    std::size_t insertAt = header + 1;
    for (std::size_t i = header + 1; i < file.lines.size(); ++i) {
        if (file.lines[i].kind == Line::Kind::Section) {
            break;
        }
        if (file.lines[i].kind == Line::Kind::Entry) {
            insertAt = i + 1;
        }
    }
    if (insertAt == file.lines.size()) {
        file.lastLineEnded = true;
    }
    file.lines.insert(file.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), Classify(entry));
    return Save(path_, file);
}

}  // namespace rw
