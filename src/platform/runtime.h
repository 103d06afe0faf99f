// Run-time checks, number conversion and the errors that end a run.
//
// The programs compute in single precision. C++ floats never trap, so every
// operation that the classroom run-time would have refused (division by zero,
// the root of a negative number, overflow, an index past an array's end) is
// checked here and raised as a RuntimeError, which unwinds to the error stop.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vm {

// Error numbers shown by the error stop.
enum ErrorCode : int {
    kIllegalCall = 5,   // root of a negative number, log of 0, bad argument
    kOverflow = 6,      // result not finite, whole number out of range
    kOutOfMemory = 7,   // memory ran out (any allocation of the program)
    kSubscript = 9,     // array index outside its bounds
    kDivByZero = 11,
    kInternal = 51,     // any other fault that escaped a routine
};

// The place in the source that asked for a check: used as a default argument,
// Here() names the caller's file and line. It stands in for
// std::source_location, which clang before 15 cannot compile against
// libstdc++; both compilers have had these builtins for years.
struct Where {
    static constexpr Where Here(const char* file = __builtin_FILE(),
                                int line = __builtin_LINE()) noexcept {
        return Where{file, line};
    }
    const char* file;
    int line;
};

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number, Where where = Where::Here());
    int number() const { return number_; }
    // A stable number for the place that failed: the source line.
    int line() const { return line_; }
    const char* file() const { return file_; }

private:
    int number_;
    int line_;
    const char* file_;
};

// Thrown when the window is closed (or a scripted key sequence runs out):
// the program ends at once, from whatever wait it was in.
struct WindowClosed {};

// Checked arithmetic.
float Chk(float v, Where where = Where::Here());
float Div(float a, float b, Where where = Where::Here());
float Sqr(float a, Where where = Where::Here());
float Pow(float a, float b, Where where = Where::Here());
float Atn(float a);
// INT: the greatest whole number not above v.
float Int(float v);
// 16-bit whole-number conversion: rounds to nearest, raises overflow outside
// -32768..32767.
int16_t CInt(float v, Where where = Where::Here());
// 32-bit whole-number conversion with the same rules.
int32_t CLng(float v, Where where = Where::Here());

// STR$: a blank before a value that is not negative, 7 significant digits,
// no decimal point for a whole number, no zero before the point below 1.
std::string Str(float v);
// STR$ without its blanks: "8", "-3", ".5".
std::string NumText(float v);
// VAL: the leading number of the text; none gives 0. Stops at any character
// that cannot continue a number ("/" included).
float Val(const std::string& s);

}  // namespace vm
