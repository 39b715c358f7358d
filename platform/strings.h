#pragma once
// The runtime's string and number conversions. Every file the programs read
// or write goes through these, so they follow the runtime to the character.
//
// Strings are byte strings (Windows-1252 text, one byte a char);
// positions are 1-based as in the runtime.

#include <string>

#include "platform/value.h"

namespace vb {

// Leading number of a text. Blanks, tabs and line feeds are ignored anywhere
// up to the end of the number (Val(" 1 2") is 12). Accepts sign, digits, one
// point, an exponent with E or D, and the &H / &O prefixes (a hex or octal
// number of up to 16 bits is an Integer and wraps to negative, up to 32 bits
// a Long). No number gives 0.
double Val(const std::string& text);

// Print form: a blank before non-negative numbers, no zero before the point
// (" .5", "-.5", " 1E+20"), at most 15 significant digits.
std::string Str(double n);
std::string Str(const Value& v);  // Empty is 0; a text must be numeric (13)

// CStr form: no leading blank, zero before the point kept ("0.5", "1E+20").
std::string CStr(double n);

// Format with a number pattern: "" / "General Number", "Fixed", "Standard",
// "Percent", "Scientific", "Yes/No", "True/False", "On/Off", or custom
// patterns of 0 # . , % E+ E- "literal" \x and up to three ;-sections.
// Rounds half away from zero.
std::string Format(double n, const std::string& pattern = "");
// A text that is not a number comes back unchanged.
std::string Format(const Value& v, const std::string& pattern = "");

// Round half to even, then range check (6 "Overflow").
int CInt(double n);
int CInt(const Value& v);
long CLng(double n);  // 32-bit range
long CLng(const Value& v);
double Round(double n);  // half to even, to a whole number

double Int(double n);  // toward minus infinity: Int(-1.5) = -2
double Fix(double n);  // toward zero: Fix(-1.5) = -1

std::string Trim(const std::string& s);   // blanks only, not tabs
std::string LTrim(const std::string& s);
std::string RTrim(const std::string& s);
std::string UCase(const std::string& s);  // Windows-1252 letters too
std::string LCase(const std::string& s);
std::string Left(const std::string& s, int n);   // n < 0 raises 5
std::string Right(const std::string& s, int n);  // n < 0 raises 5
std::string Mid(const std::string& s, int start);  // start < 1 raises 5
std::string Mid(const std::string& s, int start, int length);
int Len(const std::string& s);
int InStr(const std::string& s, const std::string& find);  // 0 = not found
int InStr(int start, const std::string& s, const std::string& find);
std::string Space(int n);
std::string String(int n, char ch);
std::string String(int n, const std::string& ch);  // first char of ch
std::string Chr(int code);                         // 0..255 else 5
int Asc(const std::string& s);                     // first byte; "" raises 5
std::string Replace(const std::string& s, const std::string& find, const std::string& with);
// Upper-case hex of the low 32 bits: Hex(255) = "FF", Hex(-1) = "FFFFFFFF".
std::string Hex(long n);

}  // namespace vb
