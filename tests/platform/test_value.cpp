#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "platform/errors.h"
#include "platform/value.h"

namespace {

using vb::RuntimeError;
using vb::Value;

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(ValueKinds, ConstructorsPickTheKind) {
    EXPECT_TRUE(Value().IsEmpty());
    EXPECT_TRUE(Value(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_TRUE(Value(3).IsNumber());
    EXPECT_TRUE(Value(3L).IsNumber());
    EXPECT_TRUE(Value(3LL).IsNumber());
    EXPECT_TRUE(Value(2.5).IsNumber());
    EXPECT_TRUE(Value("3").IsText());
    EXPECT_TRUE(Value(std::string("x")).IsText());
    EXPECT_EQ(Value(true).Num(), -1.0);
    EXPECT_EQ(Value(false).Num(), 0.0);
}

TEST(ValueConversion, NumReadsEmptyNumbersAndNumericTexts) {
    EXPECT_EQ(Value().Num(), 0.0);
    EXPECT_EQ(Value(" 12 ").Num(), 12.0);
    EXPECT_EQ(Value("-1.5E2").Num(), -150.0);
    EXPECT_EQ(Value("1D3").Num(), 1000.0);
    EXPECT_EQ(Value(".5").Num(), 0.5);
    EXPECT_EQ(Value("&HFF").Num(), 255.0);
}

TEST(ValueConversion, NumRejectsWhatCDblRejects) {
    for (const char* bad : {"", "   ", "abc", "12abc", "1 2", "1.2.3", "1E", "-", ".", "&HXY"}) {
        EXPECT_EQ(ErrorOf([&] { (void)Value(bad).Num(); }), 13) << '"' << bad << '"';
    }
}

TEST(ValueConversion, TextOfNumbersIsCStrForm) {
    EXPECT_EQ(Value().Text(), "");
    EXPECT_EQ(Value(0.5).Text(), "0.5");
    EXPECT_EQ(Value(16777215).Text(), "16777215");
    EXPECT_EQ(Value(-2).Text(), "-2");
    EXPECT_EQ(Value(1e20).Text(), "1E+20");
    EXPECT_EQ(Value(3.553 + 0.001).Text(), "3.554");
    EXPECT_EQ(Value("  keep  ").Text(), "  keep  ");
}

TEST(ValueConversion, Truth) {
    EXPECT_FALSE(Value().Truth());
    EXPECT_TRUE(Value(-1).Truth());
    EXPECT_TRUE(Value(0.1).Truth());
    EXPECT_FALSE(Value("0").Truth());
    EXPECT_TRUE(Value("true").Truth());
    EXPECT_FALSE(Value("False").Truth());
    EXPECT_EQ(ErrorOf([] { (void)Value("yes").Truth(); }), 13);
}

TEST(ValueCompare, EmptyEqualsZeroAndEmptyText) {
    EXPECT_TRUE(Value() == 0);
    EXPECT_TRUE(0 == Value());
    EXPECT_TRUE(Value() == "");
    EXPECT_TRUE(Value() == Value());
    EXPECT_FALSE(Value() == "0");  // against a text Empty is ""
    EXPECT_TRUE(Value() < 1);
    EXPECT_TRUE(Value() > -1);
    EXPECT_TRUE(Value() < "a");
}

TEST(ValueCompare, NumericTextAgainstNumberComparesNumerically) {
    EXPECT_TRUE(Value("12") == 12);
    EXPECT_TRUE(12 == Value("12"));
    EXPECT_TRUE(Value(" 12.0") == Value(12));
    EXPECT_TRUE(Value("9") < 10);  // as texts "9" > "10"
    EXPECT_TRUE(Value(10) > Value("9"));
}

TEST(ValueCompare, NonNumericTextAgainstNumberComparesAsText) {
    EXPECT_TRUE(Value("abc") != 0);
    EXPECT_TRUE(Value("abc") > 5);  // "abc" > "5"
    EXPECT_TRUE(Value("1x") < 2);   // "1x" < "2"
    EXPECT_TRUE(Value(0.5) == "0.5");
}

TEST(ValueCompare, TextsCompareAsBytes) {
    EXPECT_TRUE(Value("10") < Value("9"));
    EXPECT_TRUE(Value("B") < Value("a"));  // case matters
    EXPECT_TRUE(Value("a") != Value("a "));
    EXPECT_TRUE(Value(std::string("\xE9")) > Value("z"));  // bytes are unsigned
    EXPECT_TRUE(Value("abc") == std::string("abc"));
    EXPECT_TRUE(std::string("abd") >= Value("abc"));
    EXPECT_TRUE(Value("abc") <= "abc");
}

TEST(ValueArithmetic, PlusConcatenatesTextsOnly) {
    EXPECT_EQ((Value("12") + Value("3")).Text(), "123");
    EXPECT_TRUE((Value("12") + Value("3")).IsText());
    EXPECT_EQ((Value("12") + 3).Num(), 15.0);
    EXPECT_TRUE((Value("12") + 3).IsNumber());
    EXPECT_EQ((3 + Value("12")).Num(), 15.0);
    EXPECT_EQ((Value("ab") + Value()).Text(), "ab");
    EXPECT_EQ((Value() + Value()).Num(), 0.0);
    EXPECT_EQ(ErrorOf([] { (void)(Value("ab") + 1); }), 13);
}

TEST(ValueArithmetic, OtherOperatorsConvertTexts) {
    EXPECT_EQ((Value("7") - 2).Num(), 5.0);
    EXPECT_EQ((Value() - 2).Num(), -2.0);
    EXPECT_EQ((Value("1.5") * Value("2")).Num(), 3.0);
    EXPECT_EQ((Value(7) / 2).Num(), 3.5);
    EXPECT_EQ((-Value("4")).Num(), -4.0);
    EXPECT_EQ(ErrorOf([] { (void)(Value("x") * 2); }), 13);
}

TEST(ValueArithmetic, DivisionByZeroAndOverflow) {
    EXPECT_EQ(ErrorOf([] { (void)(Value(1) / 0); }), 11);
    EXPECT_EQ(ErrorOf([] { (void)(Value(1) / Value()); }), 11);
    EXPECT_EQ(ErrorOf([] { (void)(Value(0) / 0); }), 6);
    EXPECT_EQ(ErrorOf([] { (void)(Value(1e308) * 10); }), 6);
}

TEST(ValueErrors, NumberAndDescription) {
    const RuntimeError e(53);
    EXPECT_EQ(e.Number(), 53);
    EXPECT_EQ(e.Description(), "File not found");
    EXPECT_STREQ(e.what(), "File not found");
    EXPECT_EQ(RuntimeError(5, "custom").Description(), "custom");
    EXPECT_EQ(vb::ErrorText(62), "Input past end of file");
    EXPECT_EQ(vb::ErrorText(75), "Path/File access error");
    EXPECT_EQ(vb::ErrorText(999), "Application-defined or object-defined error");
}

TEST(ValuePrinting, StreamsForDiagnostics) {
    std::ostringstream os;
    os << Value() << ' ' << Value(0.5) << ' ' << Value("a");
    EXPECT_EQ(os.str(), "Empty 0.5 \"a\"");
}

}  // namespace
