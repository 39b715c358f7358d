#include "platform/strings.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/errors.h"

namespace vb {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int radix) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d < radix ? d : -1;
}

// "&H" / "&O" literals: up to 16 bits is an Integer, up to 32 bits a Long,
// both wrapping to negative like the runtime's typed literals.
double RadixValue(std::uint64_t v) {
    if (v > 0xFFFFFFFFull) throw RuntimeError(6);
    if (v <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

// Accumulates radix digits; overflow past 32 bits is caught by RadixValue.
void AddRadixDigit(std::uint64_t& v, int radix, int d) {
    if (v <= 0xFFFFFFFFull) v = v * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(d);
}

bool ValBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

double ToDouble(const std::string& clean) {
    const double n = std::strtod(clean.c_str(), nullptr);
    if (!std::isfinite(n)) throw RuntimeError(6);
    return n;
}

}  // namespace

double Val(const std::string& s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    auto skip = [&] {
        while (i < n && ValBlank(s[i])) ++i;
    };
    skip();
    if (i + 1 < n && s[i] == '&' && (s[i + 1] == 'H' || s[i + 1] == 'h' || s[i + 1] == 'O' || s[i + 1] == 'o')) {
        const int radix = (s[i + 1] == 'H' || s[i + 1] == 'h') ? 16 : 8;
        i += 2;
        std::uint64_t v = 0;
        for (skip(); i < n; ++i, skip()) {
            const int d = DigitValue(s[i], radix);
            if (d < 0) break;
            AddRadixDigit(v, radix, d);
        }
        return RadixValue(v);
    }
    std::string clean;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        clean += s[i];
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (skip(); i < n; ++i, skip()) {
        if (IsDigit(s[i])) {
            digits = true;
            clean += s[i];
        } else if (s[i] == '.' && !point) {
            point = true;
            clean += '.';
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    if (i < n && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        while (j < n && ValBlank(s[j])) ++j;
        if (j < n && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        bool expDigits = false;
        for (; j < n; ++j) {
            if (IsDigit(s[j])) {
                expDigits = true;
                exp += s[j];
            } else if (!ValBlank(s[j])) {
                break;
            }
        }
        if (expDigits) clean += exp;
    }
    return ToDouble(clean);
}

bool ParseNumber(const std::string& text, double* out) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    if (b == e) return false;
    const std::string t = text.substr(b, e - b);
    if (t.size() > 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h' || t[1] == 'O' || t[1] == 'o')) {
        const int radix = (t[1] == 'H' || t[1] == 'h') ? 16 : 8;
        std::uint64_t v = 0;
        for (std::size_t i = 2; i < t.size(); ++i) {
            const int d = DigitValue(t[i], radix);
            if (d < 0) return false;
            AddRadixDigit(v, radix, d);
        }
        if (v > 0xFFFFFFFFull) return false;
        *out = RadixValue(v);
        return true;
    }
    std::size_t i = 0;
    std::string clean;
    if (t[i] == '+' || t[i] == '-') clean += t[i++];
    bool digits = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (IsDigit(t[i])) {
            digits = true;
            clean += t[i];
        } else if (t[i] == '.' && !point) {
            point = true;
            clean += '.';
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        clean += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) clean += t[i++];
        bool expDigits = false;
        for (; i < t.size() && IsDigit(t[i]); ++i) {
            expDigits = true;
            clean += t[i];
        }
        if (!expDigits) return false;
    }
    if (i != t.size()) return false;
    const double n = std::strtod(clean.c_str(), nullptr);
    if (!std::isfinite(n)) return false;
    *out = n;
    return true;
}

// ---------------------------------------------------------------------------
// Number to text

std::string CStr(double n) {
    if (std::isnan(n)) return "-1.#IND";
    if (std::isinf(n)) return n > 0 ? "1.#INF" : "-1.#INF";
    if (n == 0.0) return "0";  // also -0
    // 15 significant digits; exponent form below 1E-04 and from 1E+15 on.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", n);
    return buf;
}

std::string Str(double n) {
    std::string s = CStr(n);
    if (s.compare(0, 2, "0.") == 0) s.erase(0, 1);
    else if (s.compare(0, 3, "-0.") == 0) s.erase(1, 1);
    if (s[0] != '-') s.insert(s.begin(), ' ');
    return s;
}

std::string Str(const Value& v) { return Str(v.Num()); }

// ---------------------------------------------------------------------------
// Format

namespace {

// A non-negative number as its 15 significant decimal digits: d[0].d[1..] x 10^exp.
struct Decimal {
    std::string digits;
    int exp = 0;
};

Decimal Decompose(double mag) {
    Decimal d;
    if (mag == 0.0) {
        d.digits = std::string(15, '0');
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", mag);
    const std::string s = buf;  // "d.dddddddddddddde+XX"
    d.digits = s.substr(0, 1) + s.substr(2, 14);
    d.exp = std::atoi(s.c_str() + s.find('e') + 1);
    return d;
}

// Rounds int+frac to `decimals` fraction digits, half away from zero (the
// strings hold magnitudes). The integer part may grow by a digit.
void RoundDigits(std::string& ip, std::string& frac, std::size_t decimals) {
    bool up = false;
    if (frac.size() > decimals) {
        up = frac[decimals] >= '5';
        frac.resize(decimals);
    }
    frac.append(decimals - frac.size(), '0');
    if (!up) return;
    std::string all = ip + frac;
    std::size_t k = all.size();
    bool carry = true;
    while (carry && k > 0) {
        --k;
        if (all[k] == '9') {
            all[k] = '0';
        } else {
            ++all[k];
            carry = false;
        }
    }
    if (carry) all.insert(all.begin(), '1');
    ip = all.substr(0, all.size() - decimals);
    frac = all.substr(all.size() - decimals);
}

void FixedDigits(double mag, std::size_t decimals, std::string& ip, std::string& frac) {
    ip.clear();
    frac.clear();
    if (mag != 0.0) {
        const Decimal d = Decompose(mag);
        const int intLen = d.exp + 1;
        if (intLen > 0) {
            const std::size_t len = static_cast<std::size_t>(intLen);
            if (len >= d.digits.size()) {
                ip = d.digits + std::string(len - d.digits.size(), '0');
            } else {
                ip = d.digits.substr(0, len);
                frac = d.digits.substr(len);
            }
        } else {
            frac = std::string(static_cast<std::size_t>(-intLen), '0') + d.digits;
        }
    }
    RoundDigits(ip, frac, decimals);
    const std::size_t nz = ip.find_first_not_of('0');
    ip = nz == std::string::npos ? std::string() : ip.substr(nz);
}

void ScientificDigits(double mag, std::size_t intCount, std::size_t decimals, std::string& ip,
                      std::string& frac, int& exp10) {
    if (mag == 0.0) {
        ip.clear();
        frac = std::string(decimals, '0');
        exp10 = 0;
        return;
    }
    const Decimal d = Decompose(mag);
    std::string all = d.digits;
    if (all.size() < intCount) all.append(intCount - all.size(), '0');
    ip = all.substr(0, intCount);
    frac = all.substr(intCount);
    exp10 = d.exp - static_cast<int>(intCount) + 1;
    RoundDigits(ip, frac, decimals);
    if (ip.size() > intCount) {  // 9.99 rounded up to 10.0: shift one place
        ++exp10;
        all = ip + frac;
        ip = all.substr(0, intCount);
        frac = all.substr(intCount, decimals);
    }
    const std::size_t nz = ip.find_first_not_of('0');
    ip = nz == std::string::npos ? std::string() : ip.substr(nz);
}

struct Token {
    enum Type { IntDigit, DecDigit, Point, Literal, Exponent, Comma } type;
    std::string text;  // Literal: the text; Exponent: "E" or "e"
};

struct Section {
    std::vector<Token> tokens;
    std::size_t intCount = 0;
    std::size_t decCount = 0;
    std::size_t minInt = 0;
    std::size_t minDec = 0;
    bool grouping = false;
    bool percent = false;
    int thousands = 0;  // trailing commas: scale down by 1000 each
    bool scientific = false;
    bool expPlus = false;
    std::size_t expDigits = 0;
};

Section ParseSection(const std::string& p) {
    Section s;
    bool afterPoint = false;
    bool afterExp = false;
    std::size_t firstZero = std::string::npos;
    std::size_t lastDecZero = 0;
    auto literal = [&s](std::string text) { s.tokens.push_back({Token::Literal, std::move(text)}); };
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        if (c == '"') {
            const std::size_t end = p.find('"', i + 1);
            const std::size_t stop = end == std::string::npos ? p.size() : end;
            literal(p.substr(i + 1, stop - i - 1));
            i = stop;
        } else if (c == '\\') {
            if (i + 1 < p.size()) literal(std::string(1, p[++i]));
        } else if ((c == '0' || c == '#') && !afterExp) {
            if (afterPoint) {
                s.tokens.push_back({Token::DecDigit, {}});
                ++s.decCount;
                if (c == '0') lastDecZero = s.decCount;
            } else {
                if (c == '0' && firstZero == std::string::npos) firstZero = s.intCount;
                s.tokens.push_back({Token::IntDigit, {}});
                ++s.intCount;
            }
        } else if (c == '.' && !afterPoint && !afterExp) {
            afterPoint = true;
            s.tokens.push_back({Token::Point, {}});
        } else if (c == ',' && !afterPoint && !afterExp) {
            s.tokens.push_back({Token::Comma, {}});
        } else if (c == '%') {
            s.percent = true;
            literal("%");
        } else if ((c == 'E' || c == 'e') && !afterExp && i + 1 < p.size() && (p[i + 1] == '+' || p[i + 1] == '-') &&
                   s.intCount + s.decCount > 0) {
            afterExp = true;
            s.scientific = true;
            s.expPlus = p[i + 1] == '+';
            s.tokens.push_back({Token::Exponent, std::string(1, c)});
            i += 2;
            while (i < p.size() && (p[i] == '0' || p[i] == '#')) {
                if (p[i] == '0') ++s.expDigits;
                ++i;
            }
            --i;
        } else {
            literal(std::string(1, c));
        }
    }
    s.minInt = firstZero == std::string::npos ? 0 : s.intCount - firstZero;
    s.minDec = lastDecZero;
    // A comma followed by a further integer placeholder groups thousands; commas
    // after the last one scale by 1000.
    std::size_t seen = 0;
    for (const Token& t : s.tokens) {
        if (t.type == Token::IntDigit) ++seen;
        if (t.type == Token::Comma) {
            if (seen < s.intCount && seen > 0) s.grouping = true;
            else if (seen == s.intCount && seen > 0) ++s.thousands;
        }
    }
    return s;
}

std::string Group(const std::string& digits) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

// Formats a magnitude; *zero tells whether every shown digit is 0.
std::string Render(const Section& s, double mag, bool* zero) {
    if (s.percent) mag *= 100.0;
    for (int i = 0; i < s.thousands; ++i) mag /= 1000.0;
    std::string ip;
    std::string frac;
    int exp10 = 0;
    if (s.scientific) ScientificDigits(mag, s.intCount, s.decCount, ip, frac, exp10);
    else FixedDigits(mag, s.decCount, ip, frac);
    *zero = ip.find_first_not_of('0') == std::string::npos && frac.find_first_not_of('0') == std::string::npos;
    while (frac.size() > s.minDec && frac.back() == '0') frac.pop_back();
    if (ip.size() < s.minInt) ip.insert(0, s.minInt - ip.size(), '0');
    if (s.grouping) ip = Group(ip);

    std::string out;
    std::size_t k = 0;  // integer placeholder index
    std::size_t j = 0;  // fraction placeholder index
    const long extra = static_cast<long>(ip.size()) - static_cast<long>(s.intCount);
    for (const Token& t : s.tokens) {
        switch (t.type) {
            case Token::IntDigit: {
                if (s.grouping) {
                    if (k == 0) out += ip;
                } else {
                    const long idx = static_cast<long>(k) + extra;
                    if (k == 0 && idx > 0) out += ip.substr(0, static_cast<std::size_t>(idx));
                    if (idx >= 0) out += ip[static_cast<std::size_t>(idx)];
                }
                ++k;
                break;
            }
            case Token::DecDigit:
                if (j < frac.size()) out += frac[j];
                ++j;
                break;
            case Token::Point:
                if (s.intCount == 0) out += ip;
                out += '.';
                break;
            case Token::Literal: out += t.text; break;
            case Token::Exponent: {
                out += t.text;
                if (exp10 < 0) out += '-';
                else if (s.expPlus) out += '+';
                std::string e = std::to_string(exp10 < 0 ? -exp10 : exp10);
                if (e.size() < s.expDigits) e.insert(0, s.expDigits - e.size(), '0');
                out += e;
                break;
            }
            case Token::Comma: break;
        }
    }
    return out;
}

std::vector<std::string> SplitSections(const std::string& p) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        if (c == '"') {
            const std::size_t end = p.find('"', i + 1);
            const std::size_t stop = end == std::string::npos ? p.size() - 1 : end;
            parts.back() += p.substr(i, stop - i + 1);
            i = stop;
        } else if (c == '\\' && i + 1 < p.size()) {
            parts.back() += p.substr(i, 2);
            ++i;
        } else if (c == ';') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

}  // namespace

std::string Format(double n, const std::string& pattern) {
    const std::string name = LCase(Trim(pattern));
    if (name.empty() || name == "general number" || !std::isfinite(n)) return CStr(n);
    if (name == "yes/no") return n != 0.0 ? "Yes" : "No";
    if (name == "true/false") return n != 0.0 ? "True" : "False";
    if (name == "on/off") return n != 0.0 ? "On" : "Off";
    std::string p = pattern;
    if (name == "fixed") p = "0.00";
    else if (name == "standard") p = "#,##0.00";
    else if (name == "percent") p = "0.00%";
    else if (name == "scientific") p = "0.00E+00";
    else if (name == "currency") p = "$#,##0.00;($#,##0.00)";

    const std::vector<std::string> sections = SplitSections(p);
    bool zero = false;
    if (n < 0 && sections.size() >= 2 && !sections[1].empty()) {
        return Render(ParseSection(sections[1]), -n, &zero);
    }
    if (n == 0.0 && sections.size() >= 3 && !sections[2].empty()) {
        return Render(ParseSection(sections[2]), 0.0, &zero);
    }
    std::string out = Render(ParseSection(sections[0]), std::fabs(n), &zero);
    if (n < 0 && !zero) out.insert(out.begin(), '-');
    return out;
}

std::string Format(const Value& v, const std::string& pattern) {
    switch (v.kind()) {
        case Value::Kind::Empty: return pattern.empty() ? std::string() : Format(0.0, pattern);
        case Value::Kind::Number: return Format(v.Num(), pattern);
        case Value::Kind::Text: break;
    }
    double n = 0.0;
    if (pattern.empty() || !ParseNumber(v.Text(), &n)) return v.Text();
    return Format(n, pattern);
}

// ---------------------------------------------------------------------------
// Rounding

double Round(double n) {
    // The default floating point mode rounds to nearest, ties to even.
    return std::nearbyint(n);
}

int CInt(double n) {
    const double r = Round(n);
    if (!(r >= -32768.0 && r <= 32767.0)) throw RuntimeError(6);
    return static_cast<int>(r);
}

int CInt(const Value& v) { return CInt(v.Num()); }

long CLng(double n) {
    const double r = Round(n);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw RuntimeError(6);
    return static_cast<long>(r);
}

long CLng(const Value& v) { return CLng(v.Num()); }

double Int(double n) { return std::floor(n); }
double Fix(double n) { return std::trunc(n); }

// ---------------------------------------------------------------------------
// Text

std::string Trim(const std::string& s) { return LTrim(RTrim(s)); }

std::string LTrim(const std::string& s) {
    const std::size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b);
}

std::string RTrim(const std::string& s) {
    const std::size_t e = s.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : s.substr(0, e + 1);
}

std::string UCase(const std::string& s) {
    std::string out = s;
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        unsigned char u = c;
        if (c >= 'a' && c <= 'z') u = static_cast<unsigned char>(c - 32);
        else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) u = static_cast<unsigned char>(c - 32);
        else if (c == 0x9A || c == 0x9C || c == 0x9E) u = static_cast<unsigned char>(c - 0x10);
        else if (c == 0xFF) u = 0x9F;
        ch = static_cast<char>(u);
    }
    return out;
}

std::string LCase(const std::string& s) {
    std::string out = s;
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        unsigned char l = c;
        if (c >= 'A' && c <= 'Z') l = static_cast<unsigned char>(c + 32);
        else if (c >= 0xC0 && c <= 0xDE && c != 0xD7) l = static_cast<unsigned char>(c + 32);
        else if (c == 0x8A || c == 0x8C || c == 0x8E) l = static_cast<unsigned char>(c + 0x10);
        else if (c == 0x9F) l = 0xFF;
        ch = static_cast<char>(l);
    }
    return out;
}

std::string Left(const std::string& s, int n) {
    if (n < 0) throw RuntimeError(5);
    return s.substr(0, static_cast<std::size_t>(n));
}

std::string Right(const std::string& s, int n) {
    if (n < 0) throw RuntimeError(5);
    const std::size_t k = static_cast<std::size_t>(n);
    return k >= s.size() ? s : s.substr(s.size() - k);
}

std::string Mid(const std::string& s, int start) {
    if (start < 1) throw RuntimeError(5);
    const std::size_t b = static_cast<std::size_t>(start - 1);
    return b >= s.size() ? std::string() : s.substr(b);
}

std::string Mid(const std::string& s, int start, int length) {
    if (length < 0) throw RuntimeError(5);
    return Left(Mid(s, start), length);
}

int Len(const std::string& s) { return static_cast<int>(s.size()); }

int InStr(const std::string& s, const std::string& find) { return InStr(1, s, find); }

int InStr(int start, const std::string& s, const std::string& find) {
    if (start < 1) throw RuntimeError(5);
    const std::size_t b = static_cast<std::size_t>(start - 1);
    if (s.empty() || b >= s.size()) return 0;
    if (find.empty()) return start;
    const std::size_t at = s.find(find, b);
    return at == std::string::npos ? 0 : static_cast<int>(at + 1);
}

std::string Space(int n) { return String(n, ' '); }

std::string String(int n, char ch) {
    if (n < 0) throw RuntimeError(5);
    return std::string(static_cast<std::size_t>(n), ch);
}

std::string String(int n, const std::string& ch) {
    if (ch.empty()) throw RuntimeError(5);
    return String(n, ch[0]);
}

std::string Chr(int code) {
    if (code < 0 || code > 255) throw RuntimeError(5);
    return std::string(1, static_cast<char>(static_cast<unsigned char>(code)));
}

int Asc(const std::string& s) {
    if (s.empty()) throw RuntimeError(5);
    return static_cast<unsigned char>(s[0]);
}

std::string Replace(const std::string& s, const std::string& find, const std::string& with) {
    if (find.empty()) return s;
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t at = s.find(find, pos);
        if (at == std::string::npos) break;
        out.append(s, pos, at - pos);
        out += with;
        pos = at + find.size();
    }
    out.append(s, pos, std::string::npos);
    return out;
}

std::string Hex(long n) {
    if (n < -2147483648L || n > 4294967295L) throw RuntimeError(6);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(static_cast<std::uint32_t>(n)));
    return buf;
}

}  // namespace vb
