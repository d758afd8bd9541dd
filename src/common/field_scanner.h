// Reading the fields of a text line the way the scanf patterns of the
// program's files do, within the line and without the C library's locale.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/fixed_text.h"

namespace rw {

// White space as the C library sees it in the "C" locale.
inline bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Upper case of the ASCII letters only: texts are single bytes of any code page.
inline char ToUpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToUpperAscii(a[i]) != ToUpperAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// An optional "+" or "-" at at, passed over; true for "-".
inline bool TakeSign(std::string_view text, std::size_t& at)
{
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        return text[at++] == '-';
    }
    return false;
}

// The fields of a line one after the other. Each conversion first skips
// white space, as the blank before every conversion of the patterns does; a
// literal must match exactly.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view text) : text_(text) {}

    bool Literal(std::string_view word)
    {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    // "%c": the next character that is not white space.
    bool Char(char& c)
    {
        SkipSpace();
        if (at_ >= text_.size()) {
            return false;
        }
        c = text_[at_++];
        return true;
    }

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

    // "%s" into a field: the whole word is consumed, so the fields after it
    // stay in step; only the first N characters are kept.
    template <std::size_t N>
    bool Token(FixedText<N>& token)
    {
        std::string_view word;
        if (!Word(word)) {
            return false;
        }
        token.Assign(word);
        return true;
    }

    // "%d": an optional sign and decimal digits; what follows them is the
    // next field's. A number outside the 32-bit range does not match (scanf
    // leaves that undefined).
    bool Int(std::int32_t& value)
    {
        SkipSpace();
        std::size_t i = at_;
        const bool negative = TakeSign(text_, i);
        const std::size_t digits = i;
        std::int64_t magnitude = 0;
        while (i < text_.size() && IsDigit(text_[i])) {
            magnitude = magnitude * 10 + (text_[i] - '0');
            if (magnitude > 2147483648LL) {
                return false;
            }
            ++i;
        }
        if (i == digits || (!negative && magnitude > 2147483647LL)) {
            return false;
        }
        value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
        at_ = i;
        return true;
    }

    // "%lf" for decimal numbers: an optional sign, digits with an optional
    // decimal point, and an optional exponent. The words "inf" and "nan",
    // hexadecimal forms and numbers beyond the range of a double do not
    // match, so every value read is finite.
    bool Double(double& value)
    {
        SkipSpace();
        std::size_t i = at_;
        const bool negative = TakeSign(text_, i);
        const std::size_t start = i;
        std::size_t digitCount = 0;
        while (i < text_.size() && IsDigit(text_[i])) {
            ++i;
            ++digitCount;
        }
        if (i < text_.size() && text_[i] == '.') {
            ++i;
            while (i < text_.size() && IsDigit(text_[i])) {
                ++i;
                ++digitCount;
            }
        }
        if (digitCount == 0) {
            return false;
        }
        if (i < text_.size() && (text_[i] == 'e' || text_[i] == 'E')) {
            std::size_t e = i + 1;
            if (e < text_.size() && (text_[e] == '+' || text_[e] == '-')) {
                ++e;
            }
            if (e < text_.size() && IsDigit(text_[e])) {
                while (e < text_.size() && IsDigit(text_[e])) {
                    ++e;
                }
                i = e;
            }
        }
        double magnitude = 0.0;
        const char* first = text_.data() + start;
        const char* last = text_.data() + i;
        const auto result = std::from_chars(first, last, magnitude, std::chars_format::general);
        if (result.ec != std::errc() || result.ptr != last) {
            return false;
        }
        value = negative ? -magnitude : magnitude;
        at_ = i;
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

}  // namespace rw
