// The number reading rule against a plain model of it: drop every blank,
// take the longest prefix of the form [+-]digits[.digits][E[+-]digits] and
// let the C library read that.
#include "fuzzsupport.h"

#include "calc/calculations.h"

#include <QString>

#include <cfloat>
#include <cmath>
#include <string>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

double modelRead(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        size_t k = j;
        while (k < s.size() && isDigit(s[k]))
            ++k;
        if (k > j)
            end = k;
    }
    return std::strtod(s.substr(0, end).c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double got = yuc::calc::readNumber(text);
    const double want = modelRead(text);
    // Below the normal range a result may be flushed to zero.
    fuzz::check(got == want || (std::fabs(want) < DBL_MIN && got == 0), "reading agrees with the model");
    fuzz::check(!std::isnan(got), "a reading is never NaN");

    // The same text typed into a box: every character beyond ASCII ends the
    // number just as any other letter does.
    const QString typed = QString::fromLatin1(text.data(), qsizetype(size));
    fuzz::check(yuc::calc::readNumber(QStringView(typed)) == got, "typed text reads the same");
    // And as UTF-16 code units of any value.
    std::u16string units(size / 2, u'\0');
    std::string narrowed(size / 2, '\0');
    for (size_t i = 0; i < size / 2; ++i) {
        units[i] = char16_t(data[2 * i] | data[2 * i + 1] << 8);
        narrowed[i] = units[i] < 128 ? char(units[i]) : '\x80';
    }
    fuzz::check(yuc::calc::readNumber(QStringView(units)) == yuc::calc::readNumber(std::string_view(narrowed)),
                "UTF-16 text reads as its ASCII part");
    return 0;
}
