#include "reference/pages.h"

#include "reference/referencepage.h"
#include "shell/screenmanager.h"
#include "shell/style.h"

namespace yuc {

namespace {

// The short definitions: a title and one or two labels on pale yellow.
struct LabelPage {
    const char *form;
    const char *caption;
    int width, height; // client, twips
    const char *button;
    const char *title;
    QStringList labels;
};

const LabelPage labelPages[] =
    {
        {"Soil_form",
         "Soil definition",
         5520,
         4485,
         "OK",
         "Soil",
         {"(i)    The unconsolidated mineral or material on the immediate surface of the earth that serves as a natural medium for the growth of land plants.",
          "(ii)    The unconsolidated mineral or organic matter on the surface of the earth that has been subjected to and influenced by genetic and environmental factors of: parent material, climate, macro and microorganisms, and topography, all acting over a period of time and producing a product -soil-that differs from the material from which it is derived in many physical, chemical, biological, and morphological properties, and characteristics."}},
        {"horizon_form",
         "Definition",
         4890,
         2820,
         "OK",
         "Horizon",
         {"A layer of soil or soil material approximately parallel to the land surface and differing from adjacent genetically related layers in physical, chemical, and biological properties or characterisitics such as color, structure, texture, consistency, kinds and number of organisms, etc."}},
        {"profile_form",
         "Soil profile",
         6150,
         3390,
         "OK",
         "Soil profile",
         {"Is a vertical section through the soil. It is commonly conceived as a plane at right angles to the surface. In practice, a description of a soil profile includes some soil properties that can be determined only by inspecting volumes of soil. A description of a pedon is commonly based on examination of a profile, and the properties of the pedon are projected from the propertiesof the profile. the width of a profile varies from a few decimeters to several meters or more, but is enough to include the largest structural units."}},
        {"buried_form", "Definition", 4755, 2835, "OK", "Buried Soils", {"A soil is considered to be a buried soil if it is covered with a surface mantle of new soil material that is either 50 cm or more thick, or is 30 to 50 cm thick and has a thickness that equals at least half the total thickness of the named diagnostic horizons that are preserved in the buried soil."}},
        {"epipedon_form",
         "Definition",
         4935,
         3120,
         "OK",
         "Epipedon",
         {"A horizon that has developed at the soil surface is called an epipedon (Gr. epi=over, upon; pedon=soil). It is a horizon in which rock structure has been destroyed and which has either been darkened by organic matteror eluviated. Such a horizon may become covered by thin alluvial or eolian deposits without losing its identity as an epipedon"}},
};

// The pages that show a text from assets/reference/texts/<form>.txt.
struct TextPage {
    const char *form;
    const char *caption;
    int width, height; // client, twips
    const char *button;
    const char *frame; // nullptr: the text has no frame
    double points;
    bool grey;
};

const TextPage textPages[] = {
    {"Anthropic_epi", "Epipedons: Anthropic", 6390, 4305, "Close", "Characteristics", 11.5, true},
    {"histic_epi", "Histic Epipedon", 9435, 4470, "Close", "Characteristics", 11, false},
    {"melanic_epi", "Melanic Epipedon", 8340, 4545, "Close", "Characteristics", 11, false},
    {"Mollic_epi", "Mollic Epipedon", 8715, 5340, "Close", "Characteristics", 11, false},
    {"ochric_epi", "Ochric Epipedon", 8175, 5325, "Close", "Characteristics", 11, false},
    {"plaggen_epi", "Plaggen Epipedon", 7620, 4860, "Close", "Characteristics", 11, false},
    {"umbric_epi", "Umbric Epipedon", 7425, 4560, "Close", "Characteristics", 11, false},
    {"Agric_horiz", "Agric Horizon", 6765, 4485, "Close", "Horizon Characteristics", 11, false},
    {"albic_horiz", "Albic Horizon", 7875, 5505, "Close", "Horizon Characteristics", 11, false},
    {"argillic_horiz", "Argillic Horizon", 8595, 5670, "Close", "Horizon Characteristics", 11, false},
    {"calcic_horiz", "Calcic Horizon", 7425, 5940, "Close", "Horizon Characteristics", 11, false},
    {"cambic_horiz", "Cambic Horizon", 8505, 5190, "Close", "Horizon Characteristics", 11, false},
    {"Duripan_horiz", "Duripan", 7245, 5400, "Close", "Horizon Characteristics", 11, false},
    {"Fragipan_horiz", "Fragipan", 7740, 5430, "Close", "Horizon Characteristics", 11, false},
    {"glossic_horiz", "Glossic Horizon", 7890, 5715, "Close", "Horizon Characteristics", 11, false},
    {"gypsic_horiz", "Gypsic Horizon", 7260, 5310, "Close", "Horizon Characteristics", 11, false},
    {"kandic_horiz", "Kandic Horizon", 7650, 5190, "Close", "Horizon Characteristic", 11, false},
    {"natric_horiz", "Natric Horizon", 6990, 5070, "Close", "Horizon Characteristics", 11, false},
    {"Oxic_horiz", "Oxic Horizon", 7425, 5310, "Close", "Horizon Characteristic", 11, false},
    {"Petrocalcic_horiz", "Petrocalcic Horizon", 6915, 4905, "Close", "Horizon Characteristics", 11, false},
    {"petrogypsic_horiz", "Petrogypsic Horizon", 6855, 4470, "Close", "Horizon Charactersitics", 11, false},
    {"Placic_horiz", "Placic Horizon", 8205, 5430, "Close", "Horizon Characteristic", 11, false},
    {"Salic_horiz", "Salic Horizon", 7275, 3915, "Close", "Horizon Characteristics", 11, false},
    {"Sombric_horiz", "Sombric Horizon", 7170, 5265, "Close", "Horizon Characteristics", 11, false},
    {"spodic_horiz", "Spodic Horizon", 8235, 4920, "Close", "Horizon Characteristics", 11, false},
    {"Sulfuric_horiz", "Sulfuric Horizon", 7305, 5100, "Close", "Horizon Characteristics", 11, false},
    {"O_horiz", "O Horizons", 6900, 4305, "Close", "Horizon Characteristics", 11.5, false},
    {"A_horiz", "A Horizons", 7200, 4320, "Close", "Horizon Characteristics", 11.5, false},
    {"E_horiz", "E Horizons", 6885, 4230, "Close", "Horizon Characteristics", 11.5, false},
    {"B_horiz", "B Horizons", 6885, 4875, "Close", "Horizon Characteristics", 11.5, false},
    {"C_horiz", "C Horizons", 6570, 4050, "Close", "Horizon Characteristics", 11.5, false},
    {"R_horiz", "R Horizons", 5295, 3105, "Close", "Horizon Characteristics", 11.5, false},
    {"aridic_charac", "Aridisols ", 6825, 4815, "Close", "Characteristics of the Aridisols", 11, true},
    {"Soil_moist_reg", "Definition", 6750, 4215, "Ok", nullptr, 11.5, false},
    {"aquic_rich", "Definitions", 6420, 4515, "OK", nullptr, 11.5, false},
    {"aridic_torric", "Definition", 6660, 3915, "OK", nullptr, 11.5, false},
    {"udic_rich", "Definition", 6960, 4335, "OK", nullptr, 11.5, false},
    {"ustic_rich", "Definition", 6750, 4275, "OK", nullptr, 11.5, false},
    {"xeric_rich", "Definition", 7125, 4575, "OK", nullptr, 11.5, false},
};

void registerPage(const char *form, const PageDescription &page)
{
    ScreenManager::instance().registerScreen(QString::fromUtf8(form), [page] { return new ReferencePage(page); });
}

} // namespace

void registerReferencePages()
{
    for (const LabelPage &row : labelPages) {
        PageDescription page;
        page.caption = QString::fromUtf8(row.caption);
        page.client = QSize(row.width, row.height);
        page.button = QString::fromUtf8(row.button);
        page.background = colours::paleYellow;
        page.title = QString::fromUtf8(row.title);
        page.labels = row.labels;
        registerPage(row.form, page);
    }
    for (const TextPage &row : textPages) {
        PageDescription page;
        page.caption = QString::fromUtf8(row.caption);
        page.client = QSize(row.width, row.height);
        page.button = QString::fromUtf8(row.button);
        if (row.grey)
            page.background = colours::grey;
        page.textResource = QStringLiteral(":/reference/texts/%1.txt").arg(QString::fromUtf8(row.form));
        page.frame = QString::fromUtf8(row.frame);
        page.points = row.points;
        registerPage(row.form, page);
    }
}

} // namespace yuc
