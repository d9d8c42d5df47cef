#pragma once

#include <string>
#include <vector>

// Text is UTF-8 held in std::string throughout the program.
using AnsiString = std::string;

// General number format: at most 15 significant digits, fixed notation for
// 0.0001 <= |v| < 1e15, otherwise mantissa and "E" exponent ("1E-5", "1E15").
// Always "." as decimal separator, whatever the locale.
AnsiString FloatToStr(double value);

// Accepts optional blanks around, a sign, digits with an optional "." and an optional exponent.
// Throws EConvertError "'<text>' is not a valid floating point value" otherwise.
double StrToFloat(const AnsiString &text);
// Like StrToFloat, but returns false instead of throwing.
bool TryStrToFloat(const AnsiString &text, double &value);
// True for text that is not a number yet but can still become one by typing on ("", "-", ".",
// "1e", "2.5E+"; blanks around ignored); false for a number and for text that never becomes one.
bool IsUnfinishedFloat(const AnsiString &text);
// Ever shorter texts of the number in text, for a cell too narrow to show it: fewer decimals for a
// plain decimal, fewer mantissa digits for a mantissa and exponent (the exponent kept). Each form
// is rounded and shorter than the one before; empty when text is not a number.
std::vector<AnsiString> ShorterNumberForms(const AnsiString &text);

AnsiString IntToStr(long long value);
// Optional blanks around, a sign, decimal digits, or "$"/"0x" and a hex value up to FFFFFFFF (taken
// as the 32-bit pattern: "$FFFFFFFF" is -1). Out of the int range is rejected.
// Throws EConvertError "'<text>' is not a valid integer value".
int StrToInt(const AnsiString &text);
// Returns fallback for text that is not an integer.
int StrToIntDef(const AnsiString &text, int fallback);

// Removes blanks and control characters (bytes <= ' ') at both ends.
AnsiString Trim(const AnsiString &text);

// 1-based position of sub in text, 0 when absent.
int Pos(const AnsiString &sub, const AnsiString &text);
// Substring from 1-based start with count bytes; a start below 1 counts as 1, the part beyond the
// end is cut, a count <= 0 gives "".
AnsiString SubString(const AnsiString &text, int start, int count);
// Text between the first open character and the first close character, "" when either is absent or
// that close character does not come after the open one.
AnsiString TextBetween(const AnsiString &text, char open, char close);

// Directory of the running executable, ending in "/".
AnsiString ExeDir();
