#pragma once

// The texts of the classification system explainer and the soil colour
// page, with their places in twips.

#include "reference/diag_form.h"

#include <span>

namespace yuc::explainer {

inline constexpr char structureCaption[] = "Structure of the Classification System";
inline constexpr char structureFrame[] = "Components";

// A level of the system: its button, and the message it shows, joined
// from fragments; a line break stands before the last fragment.
struct Level {
    form::ButtonDef button;
    const char *title;
    std::span<const char *const> fragments;
};

inline constexpr const char *level1Fragments[] = {
    "The Order is differentiated by the presence of ",       "diagnostic horizons (including epipedons); ",
    "gross composition; a combined index of weathering ",    " of minerals; degree of development; and properties ",
    " that reflects major differences in the soil genesis ", "there are eleven soil orders in soil taxonomy. ",
    " Examples: ARIDISOLS, MOLLISOLS, ENTISOLS, etc.",
};
inline constexpr const char *level2Fragments[] = {
    "The Suborder are subdivisions of orders that show ",
    "the properties with homogeneity in the soil genesis. ",
    "Thus, moisture regime, wetness, vegetation, etc.",
    " There are 47 soil suborders in soil taxonomy. ",
    " Examples: Argids, Borolls, etc. ",
};
inline constexpr const char *level3Fragments[] = {
    " The primary bases for separating the great groups ", "are the diagnostic horizons; ",
    "The great group show close similarities in kind, ",   " arrangement, and degree of expression of horizons; ",
    "there are 230 great groups in soil taxonomy. ",       " Examples: Torrifluvents, Udivitrands, Fragiudalfs, etc.",
};
inline constexpr const char *level4Fragments[] = {
    " The subgroups are divisions of the great groups. ",
    " There is a central concept that makes up one ",
    " subgroup. Examples: Lithic , or Typic. ",
    " Other subgroups may have  characteristics between",
    " the central concept and of other orders, suborders, or ",
    "great groups. There are more than 1200 subgroups. ",
    " Examples: Typic Udivitrands, Ustic Argidurids, Typic Calciargids, etc.",
};
inline constexpr const char *level5Fragments[] = {
    " The Family considers properties that are important ",
    " for plant growth and engineering; like the particle-size ",
    " of the control section; the mineralogy, temperature in the soil. ",
    " penetration of roots, etc.",
    " there are nearly of 6600 families in soil taxonomy. ",
    " Example: Coarse-loamy, Mixed, Thermic, Typic Paleargid .",
};
inline constexpr Level levels[] = {
    {{"Command1", "Order", {720, 480, 1935, 375}}, "Soil Order", level1Fragments},
    {{"Command2", "Suborder", {720, 960, 1935, 375}}, "Soil Suborder", level2Fragments},
    {{"Command3", "Great Group", {720, 1440, 1935, 375}}, "Great Group", level3Fragments},
    {{"Command4", "Subgroup", {720, 1920, 1935, 375}}, "Subgroup", level4Fragments},
    {{"Command5", "Family", {720, 2400, 1935, 375}}, "Family", level5Fragments},
};
inline constexpr form::ButtonDef exampleButton = {"Command6", "Example", {720, 2880, 1935, 375}};
inline constexpr form::ButtonDef structureClose = {"Command7", "Close", {1920, 4080, 1335, 375}};

inline constexpr char exampleCaption[] = "Example of Soil Classification...";
inline constexpr form::LabelDef exampleName = {
    "Label1", "Fine, Montmorillonitic, Thermic, Vertic, Torrifluvent", {480, 360, 6615, 375}, form::LabelFont::Heading};

// A line from a part of the name down to the label that explains it.
struct Pointer {
    const char *lineName;
    QLine twips;
    form::LabelDef label;
};

inline constexpr Pointer pointers[] = {
    {"Line1", {720, 720, 720, 1560}, {"Label2", "Particle size class", {240, 1680, 1335, 255}}},
    {"Line2", {1320, 840, 3360, 840}, {"Label3", "Mineralogy class", {1320, 960, 1935, 255}}},
    {"Line3", {3960, 720, 3960, 1560}, {"Label4", "Soil temperature class", {3240, 1680, 1575, 375}}},
    {"Line4", {5040, 720, 5040, 1200}, {"Label5", "Subgroup", {4440, 1320, 1335, 255}}},
    {"Line5", {5760, 720, 5760, 2400}, {"Label6", "(Torri ) :  Great group", {5160, 2520, 2055, 255}}},
    {"Line6", {6360, 720, 6360, 1680}, {"Label7", "(Fluv) : Suborder", {6000, 1800, 1215, 255}}},
    {"Line7", {6840, 720, 6840, 1320}, {"Label8", "(Ent) : Entisol ; Order", {6600, 1440, 1695, 255}}},
};
inline constexpr form::ButtonDef exampleClose = {"Command1", "Close", {3360, 3000, 1695, 375}};

inline constexpr char colourCaption[] = "Soil Color";
inline constexpr form::LabelDef colourLabels[] = {
    {"Label5", "Soil Color", {2040, 240, 2415, 255}, form::LabelFont::Heading},
    {"Label1",
     "Is a color designation system that specifies the relative degrees of the three simple variables of color: hue, value, and chroma. For Example: 10 YR 6/4  is a color of soil with a hue = 10YR, value = 6, and chroma=4. These notations can be translated into several different systems of color names as desired.",
     {600, 720, 5535, 975}},
    {"Label2",
     "Chroma: Is the relative purity, strenght, or saturation of a color; directly related to the dominance of the determining wavelength of the light and inversely related to grayness.",
     {600, 1680, 5415, 735}},
    {"Label4",
     "Hue: It is caused by light of certain wavelengths and changes with the wavelenght.",
     {600, 2400, 5655, 495}},
    {"Label3",
     "Value: Is the relative lightness or intensity of color and approximately a function of the square root of the total amount of light. (SSSA, 1987).",
     {600, 3000, 5535, 615}},
};
inline constexpr form::ButtonDef colourClose = {"Command1", "Close", {2640, 3960, 1695, 375}};

} // namespace yuc::explainer
