#pragma once

// The texts of the diagnostic characteristics and horizon designation
// windows, with their places in twips.

#include "reference/diag_form.h"

namespace yuc::diag {

inline constexpr char characteristicsCaption[] = "Some Diagnostics Soil Characteristics";
inline constexpr char characteristicsFrame[] = "Other Diagnostics Characteristics";
inline constexpr form::ButtonDef characteristicsButtons[] = {
    {"Command3", "Help", {600, 4320, 1815, 375}},
    {"Command1", "Cancel", {3120, 4320, 1815, 375}},
    {"Command2", "OK", {5760, 4320, 1815, 375}},
};
inline constexpr char characteristicsHelpTitle[] = "Help other diagnostics ...";
inline constexpr char characteristicsHelpText[] = "Just choose the folder tab and make click on it";

struct CharacteristicTab {
    const char *caption;
    form::LabelDef title;
    form::LabelDef text;
};

inline constexpr CharacteristicTab characteristicTabs[] = {
    {"COLE (Coeff. of Linear Extensibility)",
     {"Label11", "COLE", {2280, 840, 1935, 375}, form::LabelFont::Heading},
     {"Label1",
      "The Coefficient of linear extensibility (COLE) is the ratio of the difference between moist length and dry length of a clod, to its dry length. It is (Lm - Ld) / Ld, where Lm is the length at 33 kPa tension and Ld is the length when dry. COLE can be calculated from the differences in bulk density of the clod when moist and when dry. COLE does not apply if the shrinkage is irreversible.",
      {480, 1440, 5775, 1335}}},
    {"Plinthite",
     {"Label12", "Plinthite", {2400, 840, 2415, 375}, form::LabelFont::Heading},
     {"Label2",
      "Plinthite (Gr. plinthos, brick) is an iron-rich,humus-poor mixture of clay with quartz and other dilutents. It commonly occurs as dark red redox concentrations which usually from platy, polygonal, or reticulate patterns. Plinthite changes irreversibly to an ironstone hardpan or to irregular aggregates on exposure to repeated wetting and drying, especially if it is also exposed to heat from the sun . The lower boundary of a zone in which plinthite occurs is usually diffuse or gradual, but it may be abrupt at a lithologic discontinuity.",
      {960, 1440, 5295, 1815}}},
    {"LE (Linear extensibility)",
     {"Label13", "Linear Extensibility (LE)", {1800, 960, 3255, 375}, form::LabelFont::Heading},
     {"Label3",
      "The linear extensibility (LE) of a soil layer is the product of the thickness, in centimeters, multiplied by the COLE of the layer in question. The LE of a soil is the sum of these products for all soil horizons.",
      {1080, 1800, 4935, 1095}}},
    {"Lithic Contact",
     {"Label14", "Lithic Contact", {2040, 960, 3015, 375}, form::LabelFont::Heading},
     {"Label4",
      "A lithic contact is the boundary between soil and a coherent underlaying material. Except in ruptic-lithic subgroups the underlying material must be  virtually continuous within the limits of a pedon. Cracks that can be penetrated by roots are few, and their horizontal spacing is 10 cm or more. The underlying material must be sufficiently coherent when moist to make hand-digging with a spade impractical, although the material must be chipped or scraped with a spade. It must have a hardness by Mohs scale of 3 or more.",
      {1080, 1440, 5055, 1815}}},
    {"Permafrost",
     {"Label10", "Permafrost", {1680, 960, 3255, 375}, form::LabelFont::Heading},
     {"Label5",
      "Permafrost is a layer in which the temperature is perennialy at or below 0°C, whether its consistence is very hard or loose. Dry permafrost has loose consistence.",
      {1200, 1680, 4455, 975}}},
    {"Durinodes",
     {"Label9", "Durinodes", {1680, 840, 3135, 375}, form::LabelFont::Heading},
     {"Label6",
      "Durinodes (L. durus, hard; nodus, knot) are weakly cemented to indurated nodules. the cement is SiO2, presumably opal; and microcrystalline forms of silica. It breaks down  in hot concentrated KOH after treatment with HCl to remove carbonates, but does not break down  with concentrated HCl alone. Dry durinodes do not slake appreciably in water, but prolongued soaking can result in spalling of very thin platelets and in some slaking. Most durinodes are roughly concentric when viewed in cross section, and concentric stringers of opal may be visible under a hand lens.",
      {960, 1320, 4935, 1815}}},
    {"Slickensides",
     {"Label8", "Slickensides", {1800, 960, 3135, 375}, form::LabelFont::Heading},
     {"Label7",
      "Slickensides are polished and grooved surfaces that are produced by one  soil mass sliding past another. Some slickensides occur at a lower boundary of a slip surface  where a mass of soil moves downward on arelatively steep slope. Slickensides are very common in swelling clays that undergo marked changes in moisture content.",
      {840, 1560, 5295, 1335}}},
};

inline constexpr char suffixCaption[] = "Distinctions within Master Horizons";
// One row a suffix, Label1 to Label24, top to bottom.
inline constexpr const char *suffixRows[] = {
    "a   Highly decomposed organic material",
    "b   Buried genetic horizon",
    "c   Concretions or nodules",
    "d   Physical root restriction",
    "e   Organic material of intermediate decomposition",
    "f   Frozen soil",
    "g   Strong gleying",
    "h   Illuvial accumulation of organic matter",
    "i   Slightly decomposed organic material",
    "k   Accumulation of carbonates",
    "m   Cementation or induration",
    "n   Accumulation of sodium",
    "o   Residual accumulation of sesquioxides",
    "p   Tillage or other disturbance",
    "q   accumulation of silica",
    "r   Weathered or soft bedrock",
    "s   Illuvial accum. of sesquioxides and organic matter",
    "ss  Presence of slickensides",
    "t   Accumulation of silicate clay",
    "v   Plinthite",
    "w   Development of color or structure",
    "x   Fragipan",
    "y   Accumulation of gypsum",
    "z   Accumulation of salts more soluble than gypsum",
};
inline constexpr form::ButtonDef suffixButtons[] = {
    {"Command2", "Help", {480, 6240, 1455, 375}},
    {"Command1", "OK", {2520, 6240, 1455, 375}},
};

inline constexpr char suffixHelpCaption[] = "Subordinate Horizon Designation";
inline constexpr form::LabelDef suffixHelpLabels[] = {
    {"Label1", "What is a subordinate horizon designation?", {480, 360, 4815, 375}},
    {"Label2",
     "A subordinate horizon designation is a letter (lower case) that can be added after the main horizon. With this designation, it is possible to obtain more information related to that horizon.",
     {600, 1080, 4575, 615}},
    {"Label3",
     "Example: Btk; that means a soil with B horizon that shows accumulation of clay as well as calcium carbonates. ",
     {600, 1920, 4575, 615}},
};
inline constexpr form::ButtonDef suffixHelpClose = {"Command1", "Close", {2160, 2880, 1695, 375}};

} // namespace yuc::diag
