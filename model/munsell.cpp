#include "model/munsell.h"

#include "model/profileformat.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <array>
#include <cmath>

namespace yuc::study {

namespace {

struct Entry {
    Srgb8 rgb;
    bool clipped = false;
};

// The conversion table (see the README for its source and method), read once.
const QHash<QString, Entry> &table()
{
    static const QHash<QString, Entry> entries = [] {
        QHash<QString, Entry> read;
        QFile file(QStringLiteral(":/model/munsell.csv"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return read;
        file.readLine(); // the heading
        while (!file.atEnd()) {
            const QList<QByteArray> fields = file.readLine().trimmed().split(',');
            if (fields.size() != 3 || fields.at(1).size() != 7)
                continue;
            bool ok = false;
            const uint rgb = fields.at(1).mid(1).toUInt(&ok, 16);
            if (!ok)
                continue;
            read.insert(QString::fromLatin1(fields.at(0)),
                        {{std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)}, fields.at(2) == "1"});
        }
        return read;
    }();
    return entries;
}

constexpr std::array<const char *, 10> families{"R", "YR", "Y", "GY", "G", "BG", "B", "PB", "P", "RP"};
constexpr std::array<const char *, 10> familyNames{"red",    "yellow-red", "yellow", "green-yellow",
                                                   "green",  "blue-green", "blue",   "purple-blue",
                                                   "purple", "red-purple"};

int familyIndex(const QString &family)
{
    for (std::size_t i = 0; i < families.size(); ++i)
        if (family == QLatin1String(families[i]))
            return int(i);
    return -1;
}

constexpr std::array<double, 8> tableValues{2, 2.5, 3, 4, 5, 6, 7, 8};

double linear(std::uint8_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Lch {
    double lightness;
    double chroma;
    double hue; // degrees
};

// CIELAB under D65, as lightness, chroma and hue angle.
Lch lch(Srgb8 colour)
{
    const double r = linear(colour.r);
    const double g = linear(colour.g);
    const double b = linear(colour.b);
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    const double a = 500 * (f(x) - f(y));
    const double bb = 200 * (f(y) - f(z));
    const double hue = std::atan2(bb, a) * 180 / M_PI;
    return {116 * f(y) - 16, std::hypot(a, bb), hue < 0 ? hue + 360 : hue};
}

} // namespace

QString MunsellNotation::text() const
{
    if (neutral())
        return QStringLiteral("N %1/").arg(numberText(value));
    return QStringLiteral("%1%2 %3/%4").arg(numberText(step), family, numberText(value), numberText(chroma));
}

std::optional<MunsellNotation> parseMunsell(const QString &text)
{
    static const QRegularExpression notation(
        QStringLiteral("^(?:(\\d+(?:\\.\\d+)?)\\s*(R|YR|Y|GY|G|BG|B|PB|P|RP)\\s*(\\d+(?:\\.\\d+)?)/(\\d+(?:\\.\\d+)?)"
                       "|N\\s*(\\d+(?:\\.\\d+)?)/0?)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = notation.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    MunsellNotation read;
    if (match.hasCaptured(5)) {
        read.value = match.captured(5).toDouble();
        return read;
    }
    read.step = match.captured(1).toDouble();
    read.family = match.captured(2).toUpper();
    read.value = match.captured(3).toDouble();
    read.chroma = match.captured(4).toDouble();
    return read;
}

MunsellColour munsellColour(const QString &text)
{
    std::optional<MunsellNotation> read = parseMunsell(text);
    if (!read)
        return {
            {}, false, QStringLiteral("\u201c%1\u201d is not a Munsell notation such as 10YR 5/3 or N 5/").arg(text)};
    MunsellNotation n = *read;
    if (!n.neutral() && n.chroma == 0)
        n.family.clear(); // a chroma of 0 is the neutral grey of that value, whatever the hue
    if (!n.neutral()) {
        const double position = familyIndex(n.family) * 10 + n.step;
        if (n.step <= 0 || n.step > 10 || position < 5 || position > 75)
            return {{},
                    false,
                    QStringLiteral("the hue %1%2 lies outside the hues of soil colour charts (5R to 5PB)")
                        .arg(numberText(n.step), n.family)};
        if (std::fmod(n.step, 2.5) != 0)
            return {{},
                    false,
                    QStringLiteral("the hue %1%2 lies between the hues of the table, which go in steps of 2.5")
                        .arg(numberText(n.step), n.family)};
    }
    if (std::find(tableValues.begin(), tableValues.end(), n.value) == tableValues.end())
        return {{},
                false,
                QStringLiteral("the value %1 is not one of the table's values (2, 2.5 and 3 to 8)")
                    .arg(numberText(n.value))};
    if (!n.neutral() && (n.chroma > 8 || std::floor(n.chroma) != n.chroma))
        return {{},
                false,
                QStringLiteral("the chroma %1 is not one of the table's chromas (1 to 8)").arg(numberText(n.chroma))};
    const auto found = table().constFind(n.text());
    if (found == table().constEnd())
        return {{},
                false,
                QStringLiteral("%1 is not a colour a surface can have: the renotation holds no colour that strong "
                               "at that value")
                    .arg(n.text())};
    return {found->rgb, found->clipped, {}};
}

QString hueName(const MunsellNotation &notation)
{
    const int index = familyIndex(notation.family);
    return index < 0 ? QStringLiteral("neutral") : QLatin1String(familyNames[std::size_t(index)]);
}

QString colourName(Srgb8 colour)
{
    const Lch c = lch(colour);
    QStringList words;
    if (c.lightness < 27)
        words << QStringLiteral("very dark");
    else if (c.lightness < 45)
        words << QStringLiteral("dark");
    else if (c.lightness >= 75)
        words << QStringLiteral("very pale");
    else if (c.lightness >= 65)
        words << QStringLiteral("pale");
    // The hue's word, from warm to cool; browns where soils mostly are.
    struct HueWord {
        double below;
        const char *word;
        const char *tint; // before "grey" when the colour is nearly neutral
    };
    static constexpr HueWord hues[] = {
        {35, "red", "reddish"},          {55, "reddish brown", "reddish"}, {88, "brown", "brownish"},
        {100, "olive brown", "olive"},   {135, "olive", "olive"},          {185, "green", "greenish"},
        {215, "blue-green", "greenish"}, {300, "blue", "bluish"},          {345, "purple", "purplish"},
        {361, "red", "reddish"},
    };
    const HueWord *hue =
        std::find_if(std::begin(hues), std::end(hues), [&](const HueWord &h) { return c.hue < h.below; });
    if (c.chroma < 4) {
        if (c.lightness < 22)
            return QStringLiteral("black");
        if (c.lightness >= 85)
            return QStringLiteral("white");
        return (words << QStringLiteral("grey")).join(QLatin1Char(' '));
    }
    if (c.chroma < 8)
        return (words << QLatin1String(hue->tint) << QStringLiteral("grey")).join(QLatin1Char(' '));
    if (c.chroma < 20)
        words << QStringLiteral("greyish");
    else if (c.chroma >= 45)
        words << QStringLiteral("strong");
    QString word = QLatin1String(hue->word);
    // Strong browns turn yellowish, and yellow or orange once light.
    if (c.hue >= 55 && c.hue < 100 && c.chroma >= 30) {
        if (c.lightness >= 65)
            word = c.hue >= 70 ? QStringLiteral("yellow") : QStringLiteral("orange");
        else if (c.hue >= 70)
            word = QStringLiteral("yellowish brown");
    }
    return (words << word).join(QLatin1Char(' '));
}

double luminance(Srgb8 colour)
{
    return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
}

} // namespace yuc::study
