#include <gtest/gtest.h>

#include <functional>

#include "platform/errors.h"
#include "platform/strings.h"

namespace {

using namespace vb;

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(ConvVal, LeadingNumber) {
    EXPECT_EQ(Val("  12abc"), 12.0);
    EXPECT_EQ(Val("-.5"), -0.5);
    EXPECT_EQ(Val("+7"), 7.0);
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("abc"), 0.0);
    EXPECT_EQ(Val("-"), 0.0);
    EXPECT_EQ(Val("."), 0.0);
    EXPECT_EQ(Val("1.5.3"), 1.5);
    EXPECT_EQ(Val("12,5"), 12.0);
    EXPECT_EQ(Val("3\r\n4"), 3.0);  // CR is not a blank
}

TEST(ConvVal, BlanksTabsAndLineFeedsInsideTheNumberAreIgnored) {
    EXPECT_EQ(Val(" 1 2"), 12.0);
    EXPECT_EQ(Val("- 5"), -5.0);
    EXPECT_EQ(Val("\t1\n0 . 5"), 10.5);
    EXPECT_EQ(Val("1 e 2"), 100.0);
}

TEST(ConvVal, Exponents) {
    EXPECT_EQ(Val("1E3"), 1000.0);
    EXPECT_EQ(Val("1e-2"), 0.01);
    EXPECT_EQ(Val("2D2"), 200.0);
    EXPECT_EQ(Val("1E"), 1.0);   // no exponent digits: exponent ignored
    EXPECT_EQ(Val("1E+x"), 1.0);
    EXPECT_EQ(ErrorOf([] { (void)Val("1E999"); }), 6);
}

TEST(ConvVal, HexAndOctalFollowTheTypedLiterals) {
    EXPECT_EQ(Val("&HFF"), 255.0);
    EXPECT_EQ(Val("&hff"), 255.0);
    EXPECT_EQ(Val("&O17"), 15.0);
    EXPECT_EQ(Val("&HFFFF"), -1.0);  // 16 bits: an Integer
    EXPECT_EQ(Val("&H8000"), -32768.0);
    EXPECT_EQ(Val("&H10000"), 65536.0);
    EXPECT_EQ(Val("&HFFFFFF"), 16777215.0);
    EXPECT_EQ(Val("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(Val("&H1G"), 1.0);
    EXPECT_EQ(ErrorOf([] { (void)Val("&H100000000"); }), 6);
}

TEST(ConvStr, LeadingBlankAndNoZeroBeforeThePoint) {
    EXPECT_EQ(Str(0.5), " .5");
    EXPECT_EQ(Str(-0.5), "-.5");
    EXPECT_EQ(Str(1), " 1");
    EXPECT_EQ(Str(-2), "-2");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-0.0), " 0");
    EXPECT_EQ(Str(16777215), " 16777215");
    EXPECT_EQ(Str(3.554), " 3.554");
    EXPECT_EQ(Str(Value("2.50")), " 2.5");
    EXPECT_EQ(Str(Value()), " 0");
}

TEST(ConvStr, FifteenSignificantDigits) {
    EXPECT_EQ(Str(3.553 + 0.001), " 3.554");
    EXPECT_EQ(Str(0.1 + 0.2), " .3");
    EXPECT_EQ(Str(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(Str(123456789012345.0), " 123456789012345");
    EXPECT_EQ(CStr(2.0 / 3.0), "0.666666666666667");
}

TEST(ConvStr, ExponentFormForLargeAndSmall) {
    EXPECT_EQ(Str(1e20), " 1E+20");
    EXPECT_EQ(Str(1e15), " 1E+15");
    EXPECT_EQ(Str(999999999999999.0), " 999999999999999");
    EXPECT_EQ(Str(-1.5e20), "-1.5E+20");
    EXPECT_EQ(Str(0.0001), " .0001");
    EXPECT_EQ(Str(0.00001), " 1E-05");
    EXPECT_EQ(Str(-0.000015), "-1.5E-05");
    EXPECT_EQ(Str(1e-100), " 1E-100");
}

TEST(ConvStr, CStrKeepsTheZeroAndDropsTheBlank) {
    EXPECT_EQ(CStr(0.5), "0.5");
    EXPECT_EQ(CStr(-0.5), "-0.5");
    EXPECT_EQ(CStr(42), "42");
    EXPECT_EQ(CStr(1e20), "1E+20");
}

TEST(ConvFormat, GeneralNumber) {
    EXPECT_EQ(Format(0.5, ""), "0.5");
    EXPECT_EQ(Format(0.5), "0.5");
    EXPECT_EQ(Format(-2.25, "General Number"), "-2.25");
    EXPECT_EQ(Format(1e20, ""), "1E+20");
}

TEST(ConvFormat, ZeroPlaceholdersPad) {
    EXPECT_EQ(Format(5, "00000"), "00005");
    EXPECT_EQ(Format(123456, "00000000"), "00123456");
    EXPECT_EQ(Format(-3, "000"), "-003");
    EXPECT_EQ(Format(123456, "000"), "123456");  // never cut digits
    EXPECT_EQ(Format(0, "0"), "0");
    EXPECT_EQ(Format(2.5, "0.00"), "2.50");
    EXPECT_EQ(Format(0.5, "0.00"), "0.50");
}

TEST(ConvFormat, HashPlaceholdersDropZeros) {
    EXPECT_EQ(Format(0, "#"), "");
    EXPECT_EQ(Format(7, "#"), "7");
    EXPECT_EQ(Format(0.5, "#0.0"), "0.5");
    EXPECT_EQ(Format(12.345, "#0.0"), "12.3");
    EXPECT_EQ(Format(0.5, "#.##"), ".5");
    EXPECT_EQ(Format(1.5, "0.##"), "1.5");
    EXPECT_EQ(Format(2, "0.##"), "2.");
}

TEST(ConvFormat, RoundsHalfAwayFromZero) {
    EXPECT_EQ(Format(2.5, "0"), "3");
    EXPECT_EQ(Format(3.5, "0"), "4");
    EXPECT_EQ(Format(-2.5, "0"), "-3");
    EXPECT_EQ(Format(0.125, "0.00"), "0.13");
    EXPECT_EQ(Format(1.005, "0.00"), "1.01");  // decimal digits, not binary
    EXPECT_EQ(Format(9.999, "0.00"), "10.00");
    EXPECT_EQ(Format(-0.001, "0.00"), "0.00");  // no sign on a shown zero
}

TEST(ConvFormat, GroupingPercentAndLiterals) {
    EXPECT_EQ(Format(1234567, "#,##0"), "1,234,567");
    EXPECT_EQ(Format(999, "#,##0"), "999");
    EXPECT_EQ(Format(-1234.5, "#,##0.00"), "-1,234.50");
    EXPECT_EQ(Format(0.256, "0.0%"), "25.6%");
    EXPECT_EQ(Format(5551234, "000-0000"), "555-1234");
    EXPECT_EQ(Format(5, "\"No. \"0"), "No. 5");
    EXPECT_EQ(Format(5, "\\#0"), "#5");
    EXPECT_EQ(Format(1234567, "#,"), "1235");
}

TEST(ConvFormat, SectionsAndNamedFormats) {
    EXPECT_EQ(Format(-5, "0;(0)"), "(5)");
    EXPECT_EQ(Format(5, "0;(0)"), "5");
    EXPECT_EQ(Format(0, "0;(0);\"nil\""), "nil");
    EXPECT_EQ(Format(1234.5, "Standard"), "1,234.50");
    EXPECT_EQ(Format(2, "Fixed"), "2.00");
    EXPECT_EQ(Format(0.5, "Percent"), "50.00%");
    EXPECT_EQ(Format(0, "Yes/No"), "No");
}

TEST(ConvFormat, Scientific) {
    EXPECT_EQ(Format(12345, "0.00E+00"), "1.23E+04");
    EXPECT_EQ(Format(0.00012, "0.0E-00"), "1.2E-04");
    EXPECT_EQ(Format(9.999, "0.00E+00"), "1.00E+01");
    EXPECT_EQ(Format(12345, "Scientific"), "1.23E+04");
}

TEST(ConvFormat, Values) {
    EXPECT_EQ(Format(Value("5"), "00000"), "00005");
    EXPECT_EQ(Format(Value("abc"), "00000"), "abc");
    EXPECT_EQ(Format(Value(0.5), ""), "0.5");
    EXPECT_EQ(Format(Value(), "0"), "0");
}

TEST(ConvRound, CIntRoundsHalfToEven) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-3.5), -4);
    EXPECT_EQ(CInt(2.5001), 3);
    EXPECT_EQ(CInt(-0.4), 0);
    EXPECT_EQ(CInt(Value("7.5")), 8);
    EXPECT_EQ(CLng(1e6 + 0.5), 1000000L);
    EXPECT_EQ(CLng(Value(" 42 ")), 42L);
    EXPECT_EQ(Round(0.5), 0.0);
    EXPECT_EQ(Round(1.5), 2.0);
}

TEST(ConvRound, RangeChecks) {
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.5), -32768);  // rounds to even first
    EXPECT_EQ(ErrorOf([] { (void)CInt(32767.5); }), 6);
    EXPECT_EQ(ErrorOf([] { (void)CInt(-32769); }), 6);
    EXPECT_EQ(ErrorOf([] { (void)CInt(Value("x")); }), 13);
    EXPECT_EQ(CLng(2147483647.0), 2147483647L);
    EXPECT_EQ(ErrorOf([] { (void)CLng(2147483648.0); }), 6);
    EXPECT_EQ(ErrorOf([] { (void)CLng(-2147483649.0); }), 6);
}

TEST(ConvRound, IntFloorsFixTruncates) {
    EXPECT_EQ(Int(-1.5), -2.0);
    EXPECT_EQ(Int(1.5), 1.0);
    EXPECT_EQ(Fix(-1.5), -1.0);
    EXPECT_EQ(Fix(1.9), 1.0);
}

TEST(ConvText, TrimTouchesOnlyBlanks) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim(" a  "), " a");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
}

TEST(ConvText, CaseIncludesWesternLetters) {
    EXPECT_EQ(UCase("abc-Z"), "ABC-Z");
    EXPECT_EQ(LCase("ABC-z"), "abc-z");
    EXPECT_EQ(UCase("\xE9\xF7"), "\xC9\xF7");  // e acute; division sign stays
    EXPECT_EQ(LCase("\xC9\xD7"), "\xE9\xD7");
}

TEST(ConvText, SubstringsAreOneBasedAndForgiving) {
    EXPECT_EQ(Left("abc", 2), "ab");
    EXPECT_EQ(Left("abc", 10), "abc");
    EXPECT_EQ(Right("abc", 2), "bc");
    EXPECT_EQ(Right("abc", 10), "abc");
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abcdef", 5), "ef");
    EXPECT_EQ(Mid("abc", 4), "");
    EXPECT_EQ(Mid("abc", 2, 10), "bc");
    EXPECT_EQ(ErrorOf([] { (void)Mid("abc", 0); }), 5);
    EXPECT_EQ(ErrorOf([] { (void)Mid("abc", 1, -1); }), 5);
    EXPECT_EQ(ErrorOf([] { (void)Left("abc", -1); }), 5);
    EXPECT_EQ(ErrorOf([] { (void)Right("abc", -1); }), 5);
    EXPECT_EQ(Len("abc"), 3);
}

TEST(ConvText, InStr) {
    EXPECT_EQ(InStr("abcabc", "c"), 3);
    EXPECT_EQ(InStr(4, "abcabc", "c"), 6);
    EXPECT_EQ(InStr("abc", "x"), 0);
    EXPECT_EQ(InStr("abc", "C"), 0);  // binary compare
    EXPECT_EQ(InStr("abc", ""), 1);
    EXPECT_EQ(InStr(2, "abc", ""), 2);
    EXPECT_EQ(InStr("", ""), 0);
    EXPECT_EQ(InStr(5, "abc", "a"), 0);
    EXPECT_EQ(ErrorOf([] { (void)InStr(0, "abc", "a"); }), 5);
}

TEST(ConvText, CharactersAndRepeats) {
    EXPECT_EQ(Chr(65), "A");
    EXPECT_EQ(Chr(0).size(), 1u);
    EXPECT_EQ(Asc(Chr(233)), 233);  // unsigned byte
    EXPECT_EQ(Asc("AB"), 65);
    EXPECT_EQ(ErrorOf([] { (void)Chr(256); }), 5);
    EXPECT_EQ(ErrorOf([] { (void)Chr(-1); }), 5);
    EXPECT_EQ(ErrorOf([] { (void)Asc(""); }), 5);
    EXPECT_EQ(Space(3), "   ");
    EXPECT_EQ(String(3, '*'), "***");
    EXPECT_EQ(String(2, "xy"), "xx");
    EXPECT_EQ(ErrorOf([] { (void)Space(-1); }), 5);
}

TEST(ConvText, ReplaceAndHex) {
    EXPECT_EQ(Replace("a.b.c", ".", "\\"), "a\\b\\c");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
    EXPECT_EQ(Hex(255), "FF");
    EXPECT_EQ(Hex(0), "0");
    EXPECT_EQ(Hex(16777215), "FFFFFF");
    EXPECT_EQ(Hex(-1), "FFFFFFFF");
}

}  // namespace
