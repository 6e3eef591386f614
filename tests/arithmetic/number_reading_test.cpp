// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale>
#include <optional>
#include <ostream>
#include <string>

#include "arithmetic/number_reading.h"
#include "support/test_locale.h"

// Every suite here is named NumberReading*: ctest runs them a second time
// under a locale whose decimal separator is a comma.

namespace tavrel {
namespace {

using testing::InTestLocale;

const std::size_t kMegabyte = std::size_t{1} << 20;

std::string repeat(std::size_t count, char c) { return std::string(count, c); }

// 1 + 2^-53, written out exactly: halfway between 1 and the next double.
const std::string kHalfwayAboveOne = "1.00000000000000011102230246251565404236316680908203125";
const double kNextAboveOne = 1.0000000000000002220446049250313080847263336181640625;

// One row: an input and either the value it gives or the failure it meets.
template <class Input, class Value>
struct Case {
    std::string label;
    Input input;
    Value value = 0;
    std::optional<Failure> failure;
};

template <class Input, class Value>
void PrintTo(const Case<Input, Value>& c, std::ostream* os)
{
    *os << c.label;
}
template <class Row>
std::string labelOf(const ::testing::TestParamInfo<Row>& info)
{
    return info.param.label;
}

template <class T, class Input, class Value>
void expectOutcome(const Result<T>& got, const Case<Input, Value>& c)
{
    if (c.failure) {
        ASSERT_FALSE(got.ok()) << "gave " << got.value();
        EXPECT_EQ(got.failure(), *c.failure);
    } else {
        ASSERT_TRUE(got.ok()) << "failed with " << describe(got.failure());
        EXPECT_EQ(got.value(), static_cast<T>(c.value));
    }
}

using ReadCase = Case<std::string, double>;
ReadCase reads(std::string label, std::string text, double value)
{
    return {std::move(label), std::move(text), value, {}};
}
ReadCase fails(std::string label, std::string text, Failure failure)
{
    return {std::move(label), std::move(text), 0, failure};
}

// --- Lenient reading ----------------------------------------------------------

class NumberReadingLenient : public InTestLocale<::testing::TestWithParam<ReadCase>> {};

TEST_P(NumberReadingLenient, ReadsTheNumberTheTextBeginsWith)
{
    expectOutcome(readLenient(GetParam().input), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    , NumberReadingLenient,
    ::testing::Values(
        reads("Plain", "36", 36), reads("Negative", "-7.9", -7.9), reads("PlusSign", "+3", 3),
        reads("LeadingZeros", "007", 7), reads("LeadingBlanks", "   42", 42),
        reads("BlanksBetweenDigits", "1 2 3", 123), reads("TabsAndLineFeeds", "\t1\n2\t3\n", 123),
        reads("BlankAfterSign", "- 5", -5), reads("BlanksAroundPoint", "1 . 5", 1.5),
        reads("TrailingLetters", "567abc", 567), reads("NoWholePart", ".5", 0.5), reads("TrailingPoint", "5.", 5),
        reads("SecondPointEnds", "1.5.3", 1.5),
        // The point is the decimal separator whatever the locale; a comma ends the number.
        reads("CommaEnds", "1,5", 1), reads("ThousandsCommaEnds", "1,000", 1), reads("LeadingComma", ",5", 0),
        reads("Exponent", "1e3", 1000), reads("ExponentUpperNegative", "2.5E-2", 0.025),
        reads("ExponentPlus", "1E+2", 100), reads("BlanksInExponent", "1 e - 2", 0.01),
        reads("ExponentWithoutDigits", "1e", 1), reads("ExponentSignWithoutDigits", "1e+", 1),
        reads("ExponentMinusThenLetter", "1e-x", 1), reads("ExponentThenLetter", "12ex", 12),
        reads("ExponentOnly", "e5", 0), reads("BlankBeforeNumberAfterText", "x 1", 0), reads("HexUpper", "&H1F", 31),
        reads("HexLower", "&h1f", 31), reads("HexThenText", "&HFFzz", 255), reads("HexBlanks", " &H 1 F", 31),
        reads("HexWithoutDigits", "&H", 0), reads("HexBadDigit", "&Hg1", 0), reads("OctalUpper", "&O17", 15),
        reads("OctalLower", "&o17", 15), reads("OctalStopsAtNine", "&O19", 1), reads("OctalStopsAtEight", "&O18", 1),
        reads("OctalWithoutDigits", "&O", 0), reads("AmpersandAlone", "&", 0), reads("UnknownPrefix", "&X12", 0),
        reads("CStyleHexIsZeroThenText", "0x1A", 0), reads("Letters", "abc", 0), reads("LetterFirst", "x1", 0),
        reads("Empty", "", 0), reads("BlanksOnly", " \t\n ", 0), reads("SignOnly", "-", 0), reads("PointOnly", ".", 0),
        reads("TwoSigns", "+-5", 0), reads("NanWord", "nan", 0), reads("NanMixedCase", "NaN", 0),
        reads("InfWord", "inf", 0), reads("InfinityWord", "-Infinity", 0),
        reads("LargestDouble", "1.7976931348623157e308", DBL_MAX), fails("BeyondDouble", "1e400", Failure::Overflow),
        fails("BeyondDoubleNegative", "-1e400", Failure::Overflow),
        fails("JustBeyondDouble", "1.8e308", Failure::Overflow),
        fails("HexBeyondDouble", "&H" + repeat(257, 'F'), Failure::Overflow), reads("BelowSmallestDouble", "1e-400", 0),
        reads("BelowSmallestDoubleNegative", "-1e-400", 0),
        reads("SmallestDenormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()),
        fails("MegabyteOfDigits", repeat(kMegabyte, '9'), Failure::Overflow),
        reads("MegabyteOfLeadingZeros", repeat(kMegabyte, '0') + "7", 7),
        reads("MegabyteOfFractionZeros", "0." + repeat(kMegabyte, '0') + "1", 0),
        reads("MegabyteOfTrailingFraction", "1." + repeat(kMegabyte, '0') + "1", 1),
        reads("MegabyteOfBlanks", repeat(kMegabyte, ' ') + "5", 5),
        // A huge exponent can bring a huge fraction back into range.
        reads("MegabyteFractionHugeExponent", "0." + repeat(kMegabyte - 1, '0') + "1e" + std::to_string(kMegabyte), 1),
        reads("MegabyteWholeHugeNegativeExponent", "1" + repeat(kMegabyte, '0') + "e-" + std::to_string(kMegabyte), 1),
        // Exactly halfway between 1 and the next double goes to the even 1; a
        // non-zero digit far behind tips it upwards, however far behind it stands.
        reads("HalfwayGoesEven", kHalfwayAboveOne, 1),
        reads("HalfwayTippedByDistantDigit", kHalfwayAboveOne + repeat(900, '0') + "1", kNextAboveOne),
        fails("ExponentBeyondAnyLimit", "1e99999999999999999999", Failure::Overflow),
        reads("NegativeExponentBeyondAnyLimit", "1e-99999999999999999999", 0),
        // Only blanks, tabs and line feeds are skipped; other control characters end the text.
        reads("CarriageReturnFirst", "\r5", 0), reads("CarriageReturnAfter", "5\r\n", 5),
        reads("VerticalTab", "\v5", 0), reads("FormFeed", "\f5", 0),
        reads("ControlA",
              "\x01"
              "5",
              0),
        reads("Delete",
              "\x7f"
              "5",
              0),
        reads("NulFirst",
              std::string("\0"
                          "5",
                          2),
              0),
        reads("NulInside",
              std::string("5\0"
                          "7",
                          3),
              5),
        // Only ASCII digits are digits.
        reads("ArabicIndicDigits", "\u0663\u0666", 0), reads("ExtendedArabicIndicDigits", "\u06f3\u06f6", 0),
        reads("FullWidthDigits", "\uff13\uff16", 0), reads("DevanagariDigit", "\u0969", 0),
        reads("SuperscriptTwo", "\u00b2", 0), reads("AsciiThenArabicIndic", "5\u0663", 5),
        reads("NoBreakSpace",
              "\u00a0"
              "5",
              0),
        reads("Latin1Byte",
              "\xa0"
              "5",
              0),
        reads("FullWidthMinus", "\uff0d5", 0)),
    labelOf<ReadCase>);

// --- Strict reading -----------------------------------------------------------

class NumberReadingStrict : public InTestLocale<::testing::TestWithParam<ReadCase>> {};

TEST_P(NumberReadingStrict, AcceptsOnlyOneWholeNumber) { expectOutcome(readStrict(GetParam().input), GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    , NumberReadingStrict,
    ::testing::Values(
        reads("Plain", "12", 12), reads("BlanksAround", "  12  ", 12), reads("TabsAround", "\t-12\t", -12),
        reads("PlusSign", "+12", 12), reads("Decimal", "1.5", 1.5), reads("NoWholePart", ".5", 0.5),
        reads("TrailingPoint", "5.", 5), reads("Exponent", "1e3", 1000), reads("ExponentNegative", "1E-2", 0.01),
        reads("AllParts", "-2.5e+1", -25), reads("LeadingZeros", "007", 7), reads("Underflow", "1e-400", 0),
        reads("MegabyteOfLeadingZeros", repeat(kMegabyte, '0') + "7", 7),
        reads("HalfwayTippedByDistantDigit", kHalfwayAboveOne + repeat(900, '0') + "1e0", kNextAboveOne),
        fails("Empty", "", Failure::TypeMismatch), fails("BlanksOnly", "   ", Failure::TypeMismatch),
        fails("Letters", "abc", Failure::TypeMismatch), fails("TrailingLetters", "12abc", Failure::TypeMismatch),
        fails("InnerBlank", "1 2", Failure::TypeMismatch), fails("Comma", "1,5", Failure::TypeMismatch),
        fails("TwoPoints", "1.2.3", Failure::TypeMismatch), fails("HexPrefix", "&H10", Failure::TypeMismatch),
        fails("ExponentWithoutDigits", "1e", Failure::TypeMismatch),
        fails("ExponentSignWithoutDigits", "1e+", Failure::TypeMismatch),
        fails("PointOnly", ".", Failure::TypeMismatch), fails("SignOnly", "-", Failure::TypeMismatch),
        fails("TwoSigns", "+-1", Failure::TypeMismatch), fails("NanWord", "nan", Failure::TypeMismatch),
        fails("InfWord", "inf", Failure::TypeMismatch), fails("CarriageReturn", "5\r", Failure::TypeMismatch),
        fails("NulInside",
              std::string("5\0"
                          "7",
                          3),
              Failure::TypeMismatch),
        fails("ArabicIndicDigit", "\u0663", Failure::TypeMismatch),
        fails("FullWidthDigit", "\uff13", Failure::TypeMismatch), fails("BeyondDouble", "1e400", Failure::Overflow),
        fails("BeyondDoubleNegative", "-1e400", Failure::Overflow),
        fails("MegabyteOfDigits", repeat(kMegabyte, '9'), Failure::Overflow),
        // The largest double written with fifteen digits rounds up past it.
        fails("LargestDoubleAsWritten", "1.79769313486232E+308", Failure::Overflow),
        reads("LargestDoubleRoundedDown", "1.79769313486231E+308", 1.79769313486231e308)),
    labelOf<ReadCase>);

// --- Whole-number conversions -------------------------------------------------

using ConvertCase = Case<double, std::int32_t>;
ConvertCase gives(std::string label, double input, std::int32_t value) { return {std::move(label), input, value, {}}; }
ConvertCase overflows(std::string label, double input) { return {std::move(label), input, 0, Failure::Overflow}; }

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

class NumberReadingFloor : public ::testing::TestWithParam<ConvertCase> {};
TEST_P(NumberReadingFloor, TakesTheGreatestWholeNumberNotAbove)
{
    expectOutcome(floorToInt32(GetParam().input), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    , NumberReadingFloor,
    ::testing::Values(gives("Fraction", 7.9, 7), gives("NegativeHalf", -0.5, -1), gives("NegativeFraction", -7.1, -8),
                      gives("Whole", 36, 36), gives("NegativeZero", -0.0, 0), gives("TinyNegative", -1e-300, -1),
                      gives("LargestFraction", 2147483647.9, 2147483647), gives("Largest", 2147483647, 2147483647),
                      gives("Smallest", -2147483648.0, INT32_MIN), gives("AboveSmallest", -2147483647.5, INT32_MIN),
                      overflows("OneBeyond", 2147483648.0), overflows("BelowSmallest", -2147483648.5),
                      overflows("Huge", 1e300), overflows("Infinity", kInf), overflows("MinusInfinity", -kInf),
                      overflows("NotANumber", kNan)),
    labelOf<ConvertCase>);

class NumberReadingRound32 : public ::testing::TestWithParam<ConvertCase> {};
TEST_P(NumberReadingRound32, RoundsHalvesToEven) { expectOutcome(roundToInt32(GetParam().input), GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    , NumberReadingRound32,
    ::testing::Values(gives("TwoAndAHalf", 2.5, 2), gives("ThreeAndAHalf", 3.5, 4), gives("MinusTwoAndAHalf", -2.5, -2),
                      gives("MinusThreeAndAHalf", -3.5, -4), gives("Half", 0.5, 0), gives("OneAndAHalf", 1.5, 2),
                      gives("MinusHalf", -0.5, 0), gives("BelowHalf", 7.4999999, 7), gives("AboveHalf", 2.5000001, 3),
                      gives("JustBelowHalf", 0.49999999999999994, 0), gives("SevenPointSix", 7.6, 8),
                      gives("LargestEvenHalf", 2147483646.5, 2147483646), gives("Smallest", -2147483648.0, INT32_MIN),
                      gives("SmallestHalfGoesEven", -2147483648.5, INT32_MIN),
                      overflows("LargestOddHalf", 2147483647.5), overflows("OneBeyond", 2147483648.0),
                      overflows("BelowSmallestHalf", -2147483649.5), overflows("Infinity", kInf),
                      overflows("NotANumber", kNan)),
    labelOf<ConvertCase>);

class NumberReadingRound16 : public ::testing::TestWithParam<ConvertCase> {};
TEST_P(NumberReadingRound16, RoundsHalvesToEvenWithinSixteenBits)
{
    expectOutcome(roundToInt16(GetParam().input), GetParam());
}

INSTANTIATE_TEST_SUITE_P(, NumberReadingRound16,
                         ::testing::Values(gives("TwoAndAHalf", 2.5, 2), gives("ThreeAndAHalf", 3.5, 4),
                                           gives("MinusTwoAndAHalf", -2.5, -2), gives("Largest", 32767, 32767),
                                           gives("LargestEvenHalf", 32766.5, 32766),
                                           gives("LargestFraction", 32767.4, 32767), gives("Smallest", -32768, -32768),
                                           gives("SmallestHalfGoesEven", -32768.5, -32768),
                                           overflows("LargestOddHalf", 32767.5), overflows("OneBeyond", 32768),
                                           overflows("FortyThousand", 40000), overflows("BelowSmallest", -32769),
                                           overflows("MinusFortyThousand", -40000), overflows("NotANumber", kNan)),
                         labelOf<ConvertCase>);

// --- The locale really is switched when asked -------------------------------

class NumberReadingLocale : public InTestLocale<> {};

TEST_F(NumberReadingLocale, CommaLocaleIsInForceWhenAsked)
{
    if (std::getenv("TAVREL_TEST_LOCALE") == nullptr)
        GTEST_SKIP() << "TAVREL_TEST_LOCALE not set";
    // The C library and the C++ library both see a comma as the decimal
    // point, so a reading that leaned on either would read "1.5" as 1.
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    EXPECT_EQ(std::strtod("1,5", nullptr), 1.5);
    EXPECT_EQ(*readLenient("1.5"), 1.5);
    EXPECT_EQ(*readLenient("1,5"), 1);
    EXPECT_EQ(*readStrict("2.25"), 2.25);
}

}  // namespace
}  // namespace tavrel
