#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace yuc::study {

// A colour as the screen shows it: 8-bit sRGB.
struct Srgb8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Srgb8 &, const Srgb8 &) = default;
};

// A Munsell notation as written ("10YR 5/3", "N 5/"): hue step and letters
// (empty for a neutral), value and chroma.
struct MunsellNotation {
    double step = 0;
    QString family; // R, YR, Y, GY, G, BG, B, PB, P, RP; empty for N
    double value = 0;
    double chroma = 0;
    bool neutral() const { return family.isEmpty(); }
    // The notation as the table writes it: "10YR 5/3", "N 5/".
    QString text() const;
};

// Reads a notation in any of the ways it is typed (10YR 5/3, 10yr5/3, N 5/,
// N 5/0); nothing when the text is not a Munsell notation at all.
std::optional<MunsellNotation> parseMunsell(const QString &text);

// Where the notation lies on the screen, or why it cannot be placed: the
// table holds the hues of soil colour charts (5R to 5PB in steps of 2.5, and
// N), values 2, 2.5 and 3 to 8, chromas 1 to 8, as far as real surface
// colours reach.
struct MunsellColour {
    std::optional<Srgb8> rgb;
    bool clipped = false; // beyond the screen's colours: the nearest it has
    QString reason;       // why there is no colour; empty when there is one
};
MunsellColour munsellColour(const QString &text);

// The hue's name in words ("yellow-red", "neutral").
QString hueName(const MunsellNotation &notation);
// A name of a screen colour in plain words ("dark greyish brown"), from its
// lightness, chroma and hue in CIELAB: a reading for those who cannot see it,
// not the name a colour chart prints beside the chip.
QString colourName(Srgb8 colour);
// Relative luminance (0 to 1) of a screen colour, to choose legible text on it.
double luminance(Srgb8 colour);

} // namespace yuc::study
