// The n value fed from five typed texts (water|sand|silt|clay|O.M.): the
// outcome follows the formula, and a shown result reads back as itself.
#include "fuzzsupport.h"

#include "calc/calculations.h"

#include <cmath>
#include <string>

using namespace yuc::calc;

namespace {

// The shown form: a blank, at most 15 significant digits, no trailing zeros,
// no "0" before the point.
void checkShown(const std::string &shown, double n)
{
    fuzz::check(shown.size() > 1 && shown[0] == ' ', "a result starts with a blank");
    const std::string mantissa = shown.substr(1, shown.find('E') - 1);
    fuzz::check(mantissa.size() < 2 || mantissa.substr(0, 2) != "0.", "no 0 before the point");
    if (mantissa.find('.') != std::string::npos)
        fuzz::check(mantissa.back() != '0' && mantissa.back() != '.', "no trailing zeros");
    int significant = 0;
    bool leading = true;
    for (char c : mantissa)
        if (c >= '0' && c <= '9' && !(leading && c == '0')) {
            leading = false;
            ++significant;
        }
    fuzz::check(significant <= 15, "at most 15 significant digits");
    const double back = readNumber(std::string_view(shown));
    fuzz::check(std::fabs(back - n) <= std::fabs(n) * 1e-14, "the result reads back as itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto texts = fuzz::entries(data, size, 5);
    NValueInput in;
    in.water = readNumber(texts[0]);
    in.sand = readNumber(texts[1]);
    in.silt = readNumber(texts[2]);
    in.clay = readNumber(texts[3]);
    in.organicMatter = readNumber(texts[4]);
    const NValueResult result = nValue(in);

    const double sandAndSilt = in.sand + in.silt;
    if (sandAndSilt + in.clay != 100) {
        fuzz::check(result.outcome == NValueOutcome::BadSum, "a sum other than 100 is refused");
        return 0;
    }
    fuzz::check(result.outcome != NValueOutcome::BadSum, "a sum of 100 is accepted");
    const double denominator = in.clay + 3 * in.organicMatter;
    if (!std::isfinite(in.water) || !std::isfinite(in.organicMatter)) {
        fuzz::check(result.outcome == NValueOutcome::OutOfRange, "infinite entries are out of range");
        return 0;
    }
    if (denominator == 0) {
        fuzz::check(result.outcome == NValueOutcome::ZeroDenominator, "a zero denominator is reported");
        return 0;
    }
    const double n = (in.water - 0.2 * sandAndSilt) / denominator;
    if (n < 0) {
        fuzz::check(result.outcome == NValueOutcome::Negative, "a negative n is reported");
    } else if (!std::isfinite(n)) {
        fuzz::check(result.outcome == NValueOutcome::OutOfRange, "an infinite n is out of range");
    } else {
        fuzz::check(result.outcome == NValueOutcome::Value && result.n == n, "n follows the formula");
        checkShown(formatResult(result.n), result.n);
    }
    return 0;
}
