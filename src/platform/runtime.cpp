#include "platform/runtime.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace vm {

namespace {
std::string Message(int number, const Where& where) {
    return "run-time error " + std::to_string(number) + " at " + where.file + ":" +
           std::to_string(where.line);
}
}  // namespace

RuntimeError::RuntimeError(int number, Where where)
    : std::runtime_error(Message(number, where)),
      number_(number),
      line_(where.line),
      file_(where.file) {}

float Chk(float v, Where where) {
    if (!std::isfinite(v)) throw RuntimeError(kOverflow, where);
    return v;
}

float Div(float a, float b, Where where) {
    if (b == 0.0f) throw RuntimeError(kDivByZero, where);
    return Chk(a / b, where);
}

float Sqr(float a, Where where) {
    if (a < 0.0f || std::isnan(a)) throw RuntimeError(kIllegalCall, where);
    return Chk(std::sqrt(a), where);
}

float Pow(float a, float b, Where where) {
    if (a == 0.0f && b < 0.0f) throw RuntimeError(kDivByZero, where);
    if (a < 0.0f && std::floor(b) != b) throw RuntimeError(kIllegalCall, where);
    return Chk(std::pow(a, b), where);
}

float Atn(float a) { return std::atan(a); }

float Int(float v) { return std::floor(v); }

int16_t CInt(float v, Where where) {
    if (!std::isfinite(v)) throw RuntimeError(kOverflow, where);
    const double r = std::nearbyint(static_cast<double>(v));
    if (r < -32768.0 || r > 32767.0) throw RuntimeError(kOverflow, where);
    return static_cast<int16_t>(r);
}

int32_t CLng(float v, Where where) {
    if (!std::isfinite(v)) throw RuntimeError(kOverflow, where);
    const double r = std::nearbyint(static_cast<double>(v));
    if (r < -2147483648.0 || r > 2147483647.0) throw RuntimeError(kOverflow, where);
    return static_cast<int32_t>(r);
}

std::string NumText(float v) {
    std::string t = Str(v);
    std::erase(t, ' ');
    return t;
}

std::string Str(float v) {
    if (v == 0.0f) return " 0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.7G", static_cast<double>(v));
    std::string s = buf;
    // Split off an exponent, trim trailing zeros of the mantissa.
    std::string exp;
    if (auto e = s.find('E'); e != std::string::npos) {
        exp = s.substr(e);
        s = s.substr(0, e);
    }
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    if (!exp.empty()) {
        // "E-07" / "E+07": keep sign and two digits at least.
        std::string digits = exp.substr(2);
        while (digits.size() > 2 && digits[0] == '0') digits.erase(0, 1);
        exp = exp.substr(0, 2) + digits;
    }
    bool neg = false;
    if (!s.empty() && s[0] == '-') {
        neg = true;
        s.erase(0, 1);
    }
    if (s.size() > 1 && s[0] == '0' && s[1] == '.') s.erase(0, 1);
    return (neg ? "-" : " ") + s + exp;
}

float Val(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    std::string num;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) num += s[i++];
    bool digits = false, point = false;
    while (i < s.size()) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            num += c;
        } else if (c == '.' && !point) {
            point = true;
            num += c;
        } else if (c == ' ') {
            // blanks inside a number are skipped, as the run-time does
        } else {
            break;
        }
        ++i;
    }
    if (digits && i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string e = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '-' || s[j] == '+')) e += s[j++];
        bool ed = false;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            e += s[j++];
            ed = true;
        }
        if (ed) num += e;
    }
    if (!digits) return 0.0f;
    const double d = std::strtod(num.c_str(), nullptr);
    if (!std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max()) return 0.0f;
    return static_cast<float>(d);
}

}  // namespace vm
