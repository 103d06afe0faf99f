#include "platform/sjis.h"

#include <algorithm>

namespace vm {

namespace {

size_t Utf8Len(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;  // stray continuation byte: one character of its own
}

char32_t CodePoint(const std::string& ch) {
    if (ch.empty()) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(ch.data());
    switch (ch.size()) {
        case 1: return p[0];
        case 2: return ((p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu);
        case 3: return ((p[0] & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
        default:
            return ((p[0] & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) |
                   (p[3] & 0x3Fu);
    }
}

// Byte offsets of the characters of s, with the cp932 byte position where
// each begins.
struct Layout {
    std::vector<std::string> chars;
    std::vector<int> start;  // 1-based cp932 byte position of each character
    int bytes = 0;
};

Layout Lay(const std::string& s) {
    Layout l;
    l.chars = Chars(s);
    int pos = 1;
    for (const auto& c : l.chars) {
        l.start.push_back(pos);
        pos += CharBytes(c);
    }
    l.bytes = pos - 1;
    return l;
}

std::string Join(const std::vector<std::string>& v, size_t from, size_t to) {
    std::string out;
    for (size_t i = from; i < to && i < v.size(); ++i) out += v[i];
    return out;
}

}  // namespace

std::vector<std::string> Chars(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        const size_t n = std::min(Utf8Len(static_cast<unsigned char>(s[i])), s.size() - i);
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

bool IsHalfWidth(const std::string& ch) {
    const char32_t c = CodePoint(ch);
    return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
}

int CharBytes(const std::string& ch) { return IsHalfWidth(ch) ? 1 : 2; }

int Len(const std::string& s) { return Lay(s).bytes; }

// Byte-counted slices take whole characters: a character is included when
// its first byte falls inside the range.
std::string Mid(const std::string& s, int pos, int n) {
    if (pos < 1) pos = 1;
    const Layout l = Lay(s);
    const int last = n < 0 ? l.bytes : pos + n - 1;
    std::string out;
    for (size_t i = 0; i < l.chars.size(); ++i)
        if (l.start[i] >= pos && l.start[i] <= last) out += l.chars[i];
    return out;
}

std::string Left(const std::string& s, int n) { return n <= 0 ? std::string() : Mid(s, 1, n); }

std::string Right(const std::string& s, int n) {
    if (n <= 0) return {};
    const int bytes = Len(s);
    return n >= bytes ? s : Mid(s, bytes - n + 1);
}

int Instr(const std::string& s, const std::string& find, int start) {
    const Layout l = Lay(s);
    const Layout f = Lay(find);
    if (start < 1) start = 1;
    if (f.chars.empty()) return start <= l.bytes + 1 ? start : 0;
    for (size_t i = 0; i + f.chars.size() <= l.chars.size(); ++i) {
        if (l.start[i] < start) continue;
        if (std::equal(f.chars.begin(), f.chars.end(), l.chars.begin() + static_cast<long>(i)))
            return l.start[i];
    }
    return 0;
}

int KLen(const std::string& s) { return static_cast<int>(Chars(s).size()); }

std::string KMid(const std::string& s, int pos, int n) {
    const auto c = Chars(s);
    if (pos < 1) pos = 1;
    const size_t from = static_cast<size_t>(pos - 1);
    if (from >= c.size()) return {};
    const size_t to = n < 0 ? c.size() : std::min(c.size(), from + static_cast<size_t>(n));
    return Join(c, from, to);
}

std::string KLeft(const std::string& s, int n) { return n <= 0 ? std::string() : KMid(s, 1, n); }

std::string KRight(const std::string& s, int n) {
    const auto c = Chars(s);
    if (n <= 0) return {};
    if (static_cast<size_t>(n) >= c.size()) return s;
    return Join(c, c.size() - static_cast<size_t>(n), c.size());
}

int KInstr(const std::string& s, const std::string& find, int start) {
    const auto c = Chars(s);
    const auto f = Chars(find);
    if (start < 1) start = 1;
    if (f.empty()) return static_cast<size_t>(start) <= c.size() + 1 ? start : 0;
    for (size_t i = static_cast<size_t>(start - 1); i + f.size() <= c.size(); ++i)
        if (std::equal(f.begin(), f.end(), c.begin() + static_cast<long>(i)))
            return static_cast<int>(i) + 1;
    return 0;
}

std::string Chr(int code) {
    if (code >= 0 && code < 0x80) return std::string(1, static_cast<char>(code));
    return {};
}

int Asc(const std::string& s) {
    if (s.empty()) return 0;
    return static_cast<int>(CodePoint(Chars(s).front()));
}

}  // namespace vm
