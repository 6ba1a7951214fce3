#include "calc/calculations.h"

#include "calc/calctexts.h"

#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace yuc::calc {

namespace {

template <typename Char>
bool isBlank(Char c)
{
    return c == Char(' ') || c == Char('\t') || c == Char('\n');
}

template <typename Char>
bool isDigit(Char c)
{
    return c >= Char('0') && c <= Char('9');
}

// The reading works on any sequence of code units; only ASCII counts.
template <typename Char>
double readDigits(const Char *it, const Char *end)
{
    const auto skipBlanks = [&] {
        while (it != end && isBlank(*it))
            ++it;
    };
    // The mantissa's digits are gathered without blanks, and the decimal
    // magnitude of its leading significant digit is tracked so that an
    // overflow can be told from an underflow without trusting the parser.
    std::string number;
    skipBlanks();
    if (it != end && (*it == Char('+') || *it == Char('-'))) {
        if (*it == Char('-'))
            number += '-';
        ++it;
    }
    bool anyDigit = false;
    bool point = false;
    long long integerDigits = 0; // digits before the point, leading zeros excluded
    long long leadingFractionZeros = 0;
    bool significant = false;
    for (skipBlanks(); it != end; ++it, skipBlanks()) {
        if (isDigit(*it)) {
            anyDigit = true;
            if (*it != Char('0'))
                significant = true;
            if (!point && significant)
                ++integerDigits;
            else if (point && !significant)
                ++leadingFractionZeros;
            number += char(*it);
        } else if (*it == Char('.') && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;
    const bool negative = !number.empty() && number.front() == '-';
    if (!significant)
        return negative ? -0.0 : 0.0;

    long long exponent = 0;
    std::string exponentText;
    if (it != end && (*it == Char('e') || *it == Char('E'))) {
        ++it;
        skipBlanks();
        bool exponentNegative = false;
        if (it != end && (*it == Char('+') || *it == Char('-'))) {
            exponentNegative = *it == Char('-');
            ++it;
        }
        constexpr long long saturation = 1'000'000'000;
        for (skipBlanks(); it != end && isDigit(*it); ++it, skipBlanks()) {
            exponent = std::min(saturation, exponent * 10 + (*it - Char('0')));
            exponentText += char(*it);
        }
        // An "E" without digits is not part of the number.
        if (!exponentText.empty()) {
            if (exponentNegative)
                exponent = -exponent;
            number += exponentNegative ? "e-" : "e";
            number += exponentText;
        } else {
            exponent = 0;
        }
    }

    const long long magnitude = (integerDigits > 0 ? integerDigits - 1 : -leadingFractionZeros - 1) + exponent;
    constexpr double infinity = std::numeric_limits<double>::infinity();
    if (magnitude > std::numeric_limits<double>::max_exponent10 + 1)
        return negative ? -infinity : infinity;
    if (magnitude < std::numeric_limits<double>::min_exponent10 - 20)
        return negative ? -0.0 : 0.0;
    double value = 0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            return negative ? -infinity : infinity;
        return negative ? -0.0 : 0.0;
    }
    return value;
}

} // namespace

double readNumber(std::string_view text)
{
    return readDigits(text.data(), text.data() + text.size());
}

double readNumber(QStringView text)
{
    return readDigits(text.utf16(), text.utf16() + text.size());
}

double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

NValueResult nValue(const NValueInput &in)
{
    const double sandAndSilt = in.sand + in.silt;
    if (sandAndSilt + in.clay != 100)
        return {NValueOutcome::BadSum};
    if (!std::isfinite(in.water) || !std::isfinite(in.organicMatter))
        return {NValueOutcome::OutOfRange};
    const double denominator = in.clay + 3 * in.organicMatter;
    if (denominator == 0)
        return {NValueOutcome::ZeroDenominator};
    const double n = (in.water - 0.2 * sandAndSilt) / denominator;
    if (n < 0)
        return {NValueOutcome::Negative};
    if (!std::isfinite(n))
        return {NValueOutcome::OutOfRange};
    return {NValueOutcome::Value, n == 0 ? 0.0 : n}; // no "-0"
}

TextureResult textureClass(double sand, double silt, double clay)
{
    if (sand == 0 && clay == 0 && silt == 0)
        return {TextureOutcome::NoData};
    if ((sand + silt) + clay != 100)
        return {TextureOutcome::BadTotal};

    // In the order of texts::textureClasses; all bounds inclusive.
    using Rule = bool (*)(double sand, double silt, double clay);
    static constexpr std::array<Rule, std::size(texts::textureClasses)> rules{
        [](double sa, double, double) { return sa >= 70; },
        [](double, double, double cl) { return cl >= 60; },
        [](double, double, double cl) { return cl >= 35 && cl <= 60; },
        [](double sa, double, double cl) { return cl <= 18 && sa <= 70; },
        [](double sa, double, double cl) { return cl >= 18 && cl <= 35 && sa >= 15; },
        [](double sa, double si, double) { return sa <= 15 && si >= 82; },
        [](double sa, double si, double) { return sa <= 15 && si <= 82 && si >= 67; },
    };
    // Each rule that holds overwrites the one before, so the last one decides.
    for (std::size_t i = rules.size(); i-- > 0;)
        if (rules[i](sand, silt, clay))
            return {TextureOutcome::Classified, texts::textureClasses[i]};
    return {TextureOutcome::Unclassified};
}

std::string formatResult(double value)
{
    std::string out = std::signbit(value) && value != 0 ? "-" : " ";
    if (value == 0)
        return out + '0';
    // d.dddddddddddddde+XX: fifteen significant digits and the decimal exponent.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, written.ptr);
    const std::size_t e = scientific.find('e');
    std::string digits;
    digits += scientific[0];
    digits += scientific.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText[0] == '+'), exponentText.data() + exponentText.size(),
                    exponent);

    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1)
            out.append(".").append(digits, 1);
        out += exponent < 0 ? "E-" : "E+";
        const std::string magnitude = std::to_string(std::abs(exponent));
        return out + (magnitude.size() < 2 ? "0" : "") + magnitude;
    }
    if (exponent < 0)
        return out + '.' + std::string(std::size_t(-exponent - 1), '0') + digits;
    const std::size_t integerDigits = std::size_t(exponent) + 1;
    if (digits.size() <= integerDigits)
        return out + digits + std::string(integerDigits - digits.size(), '0');
    return out + digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
}

} // namespace yuc::calc
