#include "platform/sjis.h"

#include <algorithm>
#include <climits>
#include <string_view>

// Every helper but Chars walks the UTF-8 bytes in place: the prompts run
// Instr and KMid once per drawn character, and splitting the whole text
// into one string per character on each call cost a quarter of the work
// of drawing a scene.

namespace vm {

namespace {

size_t Utf8Len(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;  // stray continuation byte: one character of its own
}

// UTF-8 length of the character that begins at byte i of s; the last
// character of a text may be cut short by the end of the text.
size_t CharSize(std::string_view s, size_t i) {
    return std::min(Utf8Len(static_cast<unsigned char>(s[i])), s.size() - i);
}

// A character cut short is decoded from the bytes it has, so a cut
// "\xE0\xA0" reads as U+0020 and counts as half-width.
char32_t CodePoint(std::string_view ch) {
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

bool HalfWidth(std::string_view ch) {
    const char32_t c = CodePoint(ch);
    return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
}

// One character of a text at a time: where it begins in the UTF-8 bytes
// and at which cp932 byte position.
class CharWalk {
public:
    explicit CharWalk(std::string_view s) : s_(s) {}

    bool Done() const { return at_ >= s_.size(); }
    size_t At() const { return at_; }
    int Pos() const { return pos_; }

    void Next() {
        // Most text is ASCII: skip the decoding for it.
        if (static_cast<unsigned char>(s_[at_]) < 0x80) {
            ++at_;
            ++pos_;
            return;
        }
        const size_t n = CharSize(s_, at_);
        pos_ += HalfWidth(s_.substr(at_, n)) ? 1 : 2;
        at_ += n;
    }

private:
    std::string_view s_;
    size_t at_ = 0;
    int pos_ = 1;
};

// Whether the last character of t is cut short by its end. Such a text,
// searched for, matches only where the searched text ends the same way:
// anywhere else the character there is longer.
bool EndsCut(std::string_view t) {
    size_t i = 0;
    while (i < t.size()) i += Utf8Len(static_cast<unsigned char>(t[i]));
    return i > t.size();
}

// find, whole characters, at the character beginning at byte i of s.
// Characters are split by their lead byte alone, so equal bytes from a
// character boundary split the same way, except for a last character of
// find that is cut short. find is not empty and i lies inside s.
bool FoundAt(std::string_view s, size_t i, std::string_view find, bool cut) {
    return s[i] == find[0] && s.substr(i, find.size()) == find &&
           (!cut || i + find.size() == s.size());
}

// Byte offset of the character at 1-based character position k of s (the
// size of s when s has fewer characters).
size_t CharOffset(std::string_view s, int k) {
    size_t i = 0;
    for (; k > 1 && i < s.size(); --k) i += CharSize(s, i);
    return i;
}

}  // namespace

std::vector<std::string> Chars(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        const size_t n = CharSize(s, i);
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

bool IsHalfWidth(const std::string& ch) { return HalfWidth(ch); }

int CharBytes(const std::string& ch) { return HalfWidth(ch) ? 1 : 2; }

int Len(const std::string& s) {
    CharWalk w(s);
    while (!w.Done()) w.Next();
    return w.Pos() - 1;
}

// Byte-counted slices take whole characters: a character is included when
// its first byte falls inside the range.
std::string Mid(const std::string& s, int pos, int n) {
    if (pos < 1) pos = 1;
    const long long last = n < 0 ? LLONG_MAX : static_cast<long long>(pos) + n - 1;
    CharWalk w(s);
    while (!w.Done() && w.Pos() < pos) w.Next();
    const size_t from = w.At();
    while (!w.Done() && w.Pos() <= last) w.Next();
    return s.substr(from, w.At() - from);
}

std::string Left(const std::string& s, int n) { return n <= 0 ? std::string() : Mid(s, 1, n); }

std::string Right(const std::string& s, int n) {
    if (n <= 0) return {};
    const int bytes = Len(s);
    return n >= bytes ? s : Mid(s, bytes - n + 1);
}

int Instr(const std::string& s, const std::string& find, int start) {
    if (start < 1) start = 1;
    if (find.empty()) return start <= Len(s) + 1 ? start : 0;
    const bool cut = EndsCut(find);
    for (CharWalk w(s); !w.Done(); w.Next())
        if (w.Pos() >= start && FoundAt(s, w.At(), find, cut)) return w.Pos();
    return 0;
}

int KLen(const std::string& s) {
    int n = 0;
    for (size_t i = 0; i < s.size(); i += CharSize(s, i)) ++n;
    return n;
}

std::string KMid(const std::string& s, int pos, int n) {
    const size_t from = CharOffset(s, pos);
    if (from >= s.size()) return {};
    if (n < 0) return s.substr(from);
    size_t to = from;
    for (int k = 0; k < n && to < s.size(); ++k) to += CharSize(s, to);
    return s.substr(from, to - from);
}

std::string KLeft(const std::string& s, int n) { return n <= 0 ? std::string() : KMid(s, 1, n); }

std::string KRight(const std::string& s, int n) {
    if (n <= 0) return {};
    const int chars = KLen(s);
    return n >= chars ? s : s.substr(CharOffset(s, chars - n + 1));
}

int KInstr(const std::string& s, const std::string& find, int start) {
    if (start < 1) start = 1;
    if (find.empty()) return start <= KLen(s) + 1 ? start : 0;
    const bool cut = EndsCut(find);
    int k = 1;
    for (size_t i = 0; i < s.size(); i += CharSize(s, i), ++k)
        if (k >= start && FoundAt(s, i, find, cut)) return k;
    return 0;
}

std::string Chr(int code) {
    if (code >= 0 && code < 0x80) return std::string(1, static_cast<char>(code));
    return {};
}

int Asc(const std::string& s) {
    if (s.empty()) return 0;
    return static_cast<int>(CodePoint(std::string_view(s).substr(0, CharSize(s, 0))));
}

}  // namespace vm
