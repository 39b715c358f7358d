#include "platform/value.h"

#include <cmath>
#include <ostream>

#include "platform/errors.h"
#include "platform/strings.h"

namespace vb {

Value::Value(const char* s) {
    if (s != nullptr) {
        kind_ = Kind::Text;
        text_ = s;
    }
}

double Value::Num() const {
    switch (kind_) {
        case Kind::Empty: return 0.0;
        case Kind::Number: return num_;
        case Kind::Text: break;
    }
    double n = 0.0;
    if (!ParseNumber(text_, &n)) throw RuntimeError(13);
    return n;
}

std::string Value::Text() const {
    switch (kind_) {
        case Kind::Empty: return {};
        case Kind::Number: return CStr(num_);
        case Kind::Text: break;
    }
    return text_;
}

bool Value::Truth() const {
    if (kind_ == Kind::Text) {
        const std::string t = UCase(Trim(text_));
        if (t == "TRUE") return true;
        if (t == "FALSE") return false;
    }
    return Num() != 0.0;
}

namespace {

int Sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

int CompareText(const std::string& a, const std::string& b) {
    const int c = a.compare(b);  // char_traits<char> compares bytes unsigned
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int Compare(const Value& a, const Value& b) {
    using K = Value::Kind;
    const K ka = a.kind();
    const K kb = b.kind();
    if (ka == K::Text && kb == K::Text) return CompareText(a.Text(), b.Text());
    if (ka != K::Text && kb != K::Text) return Sign(a.Num() - b.Num());
    // One side is text. Empty against a text is "".
    if (ka == K::Empty || kb == K::Empty) return CompareText(a.Text(), b.Text());
    const Value& text = ka == K::Text ? a : b;
    double n = 0.0;
    if (ParseNumber(text.Text(), &n)) {
        return ka == K::Text ? Sign(n - b.Num()) : Sign(a.Num() - n);
    }
    return CompareText(a.Text(), b.Text());
}

Value Checked(double r) {
    if (!std::isfinite(r)) throw RuntimeError(6);
    return Value(r);
}

}  // namespace

bool operator==(const Value& a, const Value& b) { return Compare(a, b) == 0; }
bool operator!=(const Value& a, const Value& b) { return Compare(a, b) != 0; }
bool operator<(const Value& a, const Value& b) { return Compare(a, b) < 0; }
bool operator<=(const Value& a, const Value& b) { return Compare(a, b) <= 0; }
bool operator>(const Value& a, const Value& b) { return Compare(a, b) > 0; }
bool operator>=(const Value& a, const Value& b) { return Compare(a, b) >= 0; }

Value operator+(const Value& a, const Value& b) {
    const bool textA = a.IsText() || (a.IsEmpty() && b.IsText());
    const bool textB = b.IsText() || (b.IsEmpty() && a.IsText());
    if (textA && textB) return Value(a.Text() + b.Text());
    return Checked(a.Num() + b.Num());
}

Value operator-(const Value& a, const Value& b) { return Checked(a.Num() - b.Num()); }
Value operator*(const Value& a, const Value& b) { return Checked(a.Num() * b.Num()); }

Value operator/(const Value& a, const Value& b) {
    const double d = b.Num();
    const double n = a.Num();
    if (d == 0.0) throw RuntimeError(n == 0.0 ? 6 : 11);
    return Checked(n / d);
}

Value operator-(const Value& a) { return Value(0.0 - a.Num()); }

std::ostream& operator<<(std::ostream& os, const Value& v) {
    switch (v.kind()) {
        case Value::Kind::Empty: return os << "Empty";
        case Value::Kind::Number: return os << v.Text();
        case Value::Kind::Text: break;
    }
    return os << '"' << v.Text() << '"';
}

}  // namespace vb
