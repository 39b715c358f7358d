#pragma once
// A loosely typed value, the way the forms runtime's Variant behaves for the
// three cases the programs use: nothing assigned yet, a number, or a text.

#include <iosfwd>
#include <string>
#include <string_view>

namespace vb {

class Value {
public:
    enum class Kind { Empty, Number, Text };

    Value() = default;
    Value(double n) : kind_(Kind::Number), num_(n) {}
    Value(int n) : kind_(Kind::Number), num_(n) {}
    Value(long n) : kind_(Kind::Number), num_(static_cast<double>(n)) {}
    Value(long long n) : kind_(Kind::Number), num_(static_cast<double>(n)) {}
    // Unsigned counts (sizes, colours) would otherwise be ambiguous.
    Value(unsigned n) : kind_(Kind::Number), num_(n) {}
    Value(unsigned long n) : kind_(Kind::Number), num_(static_cast<double>(n)) {}
    // True is -1 and False is 0, as in the runtime.
    Value(bool b) : kind_(Kind::Number), num_(b ? -1.0 : 0.0) {}
    // A null pointer gives Empty.
    Value(const char* s);
    Value(std::string s) : kind_(Kind::Text), text_(std::move(s)) {}

    // Assignments without a passing Value: the text's buffer is kept for later texts.
    void SetNumber(double n) { kind_ = Kind::Number; num_ = n; text_.clear(); }
    void SetText(std::string_view s) { kind_ = Kind::Text; num_ = 0.0; text_.assign(s); }

    Kind kind() const { return kind_; }
    bool IsEmpty() const { return kind_ == Kind::Empty; }
    bool IsNumber() const { return kind_ == Kind::Number; }
    bool IsText() const { return kind_ == Kind::Text; }

    // Empty reads 0; a text must be a number as CDbl accepts it (surrounding
    // blanks allowed), anything else raises 13 "Type mismatch".
    double Num() const;
    // Empty reads ""; a number reads in CStr form.
    std::string Text() const;
    // Nonzero. A text may also be "True"/"False" (any case).
    bool Truth() const;

private:
    Kind kind_ = Kind::Empty;
    double num_ = 0.0;
    std::string text_;
};

// True when the text is a number the way CDbl accepts it; the value goes to *out.
bool ParseNumber(const std::string& text, double* out);

// Comparison: Empty is 0 against numbers and "" against texts; number against
// text compares numerically when the text is a number, else as texts.
bool operator==(const Value& a, const Value& b);
bool operator!=(const Value& a, const Value& b);
bool operator<(const Value& a, const Value& b);
bool operator<=(const Value& a, const Value& b);
bool operator>(const Value& a, const Value& b);
bool operator>=(const Value& a, const Value& b);

// Arithmetic reads Empty as 0 and converts texts with Num(); + of two texts
// (or a text and Empty) concatenates. Division by zero raises 11, a result
// out of range raises 6.
Value operator+(const Value& a, const Value& b);
Value operator-(const Value& a, const Value& b);
Value operator*(const Value& a, const Value& b);
Value operator/(const Value& a, const Value& b);
Value operator-(const Value& a);

std::ostream& operator<<(std::ostream& os, const Value& v);

}  // namespace vb
