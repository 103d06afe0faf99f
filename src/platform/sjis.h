// String operations that count the way code page 932 does.
//
// Text is held as UTF-8, but the programs measure it as the classroom
// machines did: a half-width character (ASCII or half-width katakana such as
// "ﾀ" and "ﾝ") is one byte, every other character two. The byte forms (Len,
// Left, Mid, Right, Instr) count such bytes; the K forms count characters.
// Positions start at 1, Instr gives 0 when the text is absent.
#pragma once

#include <string>
#include <vector>

namespace vm {

// The characters of a UTF-8 text, one string each.
std::vector<std::string> Chars(const std::string& s);
// 1 for a half-width character, 2 for any other.
int CharBytes(const std::string& ch);
bool IsHalfWidth(const std::string& ch);

int Len(const std::string& s);
std::string Left(const std::string& s, int n);
std::string Right(const std::string& s, int n);
std::string Mid(const std::string& s, int pos, int n = -1);
int Instr(const std::string& s, const std::string& find, int start = 1);

int KLen(const std::string& s);
std::string KLeft(const std::string& s, int n);
std::string KRight(const std::string& s, int n);
std::string KMid(const std::string& s, int pos, int n = -1);
int KInstr(const std::string& s, const std::string& find, int start = 1);

// CHR$ and ASC for the one-byte codes the programs use (keys 8, 13, 28-31).
std::string Chr(int code);
int Asc(const std::string& s);

}  // namespace vm
