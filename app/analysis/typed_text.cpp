#include "analysis/typed_text.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace tavrel {

namespace {

// The character tables below are those of Unicode 15.0. They are small and
// change rarely; a test holds them against the system's Unicode library for
// every code point. The rules do not link that library themselves because
// they must also build where it is not available (the WebAssembly edition).

// White_Space, apart from the ASCII ones handled on the fast path.
bool isUnicodeSpace(char32_t c) {
    switch (c) {
        case 0x0085:
        case 0x00A0:
        case 0x1680:
        case 0x2028:
        case 0x2029:
        case 0x202F:
        case 0x205F:
        case 0x3000:
            return true;
        default:
            return c >= 0x2000 && c <= 0x200A;
    }
}

// The digit zero of every block of decimal digits (general category Nd); each
// block holds the ten digits 0 to 9 at consecutive code points.
constexpr char32_t kDigitZeros[] = {
    0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,
    0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0,
};

// The digit's value, or -1 when `c` is not a decimal digit.
int decimalDigit(char32_t c) {
    const auto* next = std::upper_bound(std::begin(kDigitZeros), std::end(kDigitZeros), c);
    if (next == std::begin(kDigitZeros)) return -1;
    const char32_t zero = *(next - 1);
    return c - zero < 10 ? static_cast<int>(c - zero) : -1;
}

struct Range {
    char32_t first, last;
};

// Format characters (general category Cf), as inclusive ranges.
constexpr Range kFormatCharacters[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

bool isFormatCharacter(char32_t c) {
    const auto* next = std::upper_bound(std::begin(kFormatCharacters), std::end(kFormatCharacters),
                                        c, [](char32_t v, const Range& r) { return v < r.first; });
    return next != std::begin(kFormatCharacters) && c <= (next - 1)->last;
}

// ASCII characters that are White_Space but not what the reader skips.
bool isAsciiLineSpace(unsigned char b) {
    return b >= 0x0A && b <= 0x0D;
}

// One UTF-8 sequence at the start of `s`: its code point and length, or a
// length of 0 when the bytes are not well formed (overlong forms and
// surrogates included).
struct Decoded {
    char32_t code = 0;
    size_t length = 0;
};

Decoded decodeUtf8(std::string_view s) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    size_t length;
    char32_t code;
    char32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return {};
    }
    if (s.size() < length) return {};
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {};
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

// What a code point becomes: a plain ASCII character, nothing, or itself.
enum class Kind { Ascii, Dropped, Kept };

Kind classify(char32_t c, char& ascii) {
    if (isUnicodeSpace(c)) {
        ascii = ' ';
        return Kind::Ascii;
    }
    if (c >= 0xFF01 && c <= 0xFF5E) {  // full-width forms of '!' to '~'
        ascii = static_cast<char>(c - 0xFF01 + '!');
        return Kind::Ascii;
    }
    if (const int digit = decimalDigit(c); digit >= 0) {
        ascii = static_cast<char>('0' + digit);
        return Kind::Ascii;
    }
    if (isFormatCharacter(c)) return Kind::Dropped;
    return Kind::Kept;
}

}  // namespace

std::string_view normaliseTypedText(std::string_view text, std::string& scratch) {
    // Typing plain digits is by far the common case: one scan, no copy.
    const auto needsWork = [](char ch) {
        const auto b = static_cast<unsigned char>(ch);
        return b >= 0x80 || isAsciiLineSpace(b);
    };
    const auto first = std::find_if(text.begin(), text.end(), needsWork);
    if (first == text.end()) return text;

    scratch.clear();
    scratch.reserve(text.size());  // every change keeps or shortens the text
    scratch.append(text.begin(), first);
    size_t i = static_cast<size_t>(first - text.begin());
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            scratch.push_back(isAsciiLineSpace(b) ? ' ' : text[i]);
            ++i;
            continue;
        }
        const Decoded d = decodeUtf8(text.substr(i));
        if (d.length == 0) {
            // Not UTF-8: a question mark stops the reader just as the byte
            // would, and cannot join the bytes around it into a character.
            scratch.push_back('?');
            ++i;
            continue;
        }
        char ascii = 0;
        switch (classify(d.code, ascii)) {
            case Kind::Ascii:
                scratch.push_back(ascii);
                break;
            case Kind::Dropped:
                break;
            case Kind::Kept:
                scratch.append(text.substr(i, d.length));
                break;
        }
        i += d.length;
    }
    return scratch;
}

std::string withoutFormatCharacters(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const Decoded d =
            static_cast<unsigned char>(text[i]) < 0x80 ? Decoded{} : decodeUtf8(text.substr(i));
        if (d.length == 0) {
            plain.push_back(text[i++]);
            continue;
        }
        if (!isFormatCharacter(d.code)) plain.append(text.substr(i, d.length));
        i += d.length;
    }
    return plain;
}

size_t firstInvalidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const size_t length = decodeUtf8(text.substr(i)).length;
        if (length == 0) return i;
        i += length;
    }
    return std::string_view::npos;
}

}  // namespace tavrel
