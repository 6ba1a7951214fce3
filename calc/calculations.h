#pragma once

#include <QStringView>

#include <string>
#include <string_view>

// The computations of the calculations window, free of any widget so that
// they can be tested and measured on their own.
namespace yuc::calc {

// Reads the leading decimal number of a typed text: blanks, tabs and line
// feeds anywhere are skipped, then an optional sign, digits with at most one
// ".", and an optional exponent (E or e, optional sign, digits). Reading stops
// at the first other character; a text without a leading number reads as 0.
// The separator is always ".", whatever the locale. A number too large for a
// double reads as an infinity of its sign, one too small as zero.
double readNumber(std::string_view text);
double readNumber(QStringView text);

// Rounds to the nearest integer, halves to the even neighbour (12.5 -> 12, 13.5 -> 14).
double roundHalfEven(double value);

enum class NValueOutcome {
    Value,           // n is a finite number not below zero
    BadSum,          // sand + silt + clay is not exactly 100
    Negative,        // n < 0: too little water for the sand and silt
    ZeroDenominator, // clay + 3 x O.M. is zero, n is undefined
    OutOfRange,      // an entry or n itself beyond what a double holds
};

struct NValueInput {
    double water = 0;
    double sand = 0;
    double silt = 0;
    double clay = 0;
    double organicMatter = 0;
};

struct NValueResult {
    NValueOutcome outcome;
    double n = 0; // meaningful only for NValueOutcome::Value
};

// n = (A - 0.2 R) / (L + 3 H), with R = sand + silt; the sum of sand, silt and
// clay must be exactly 100 in double precision, added in that order.
NValueResult nValue(const NValueInput &input);

enum class TextureOutcome {
    Classified,   // className holds the class text
    Unclassified, // no rule covers the mixture
    NoData,       // sand, silt and clay are all 0
    BadTotal,     // sand + silt + clay is not exactly 100
};

struct TextureResult {
    TextureOutcome outcome;
    std::string_view className = {}; // empty unless Classified
};

// Tests the seven class rules in order; the last one that holds decides.
TextureResult textureClass(double sand, double silt, double clay);

// Writes a result as the window shows it: a blank in place of the sign of a
// non-negative number, at most 15 significant digits without trailing zeros,
// no "0" before the point below 1, and an exponent form (1E-05, 1.5E+15)
// below 0.0001 and from 10^15 on. The value must be finite.
std::string formatResult(double value);

} // namespace yuc::calc
