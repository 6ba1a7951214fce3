#include "shell/menubar.h"

#include "shell/messagebox.h"
#include "shell/screenmanager.h"

#include <QMenuBar>
#include <QVector>

namespace yuc {

namespace {

enum class Kind { Menu, Show, Message, Separator, Exit };

// One entry of the menu tree, in order; depth 0 sits in the bar itself.
struct Entry {
    int depth;
    Kind kind;
    const char *name; // control name
    const char *caption;
    const char *target = nullptr; // Show: the screen; Message: the title
    const char *text = nullptr;   // Message: the text, blanks included
};

const Entry entries[] = {
    {0, Kind::Menu, "menu_define", "Definitions"},
    {1, Kind::Show, "define_soil", "Soil", "Soil_form"},
    {1, Kind::Show, "define_horizon", "Horizon", "horizon_form"},
    {1, Kind::Show, "define_buried", "Buried soil", "buried_form"},
    {1, Kind::Show, "define_epipedon", "Epipedon", "epipedon_form"},
    {1, Kind::Show, "define_profile", "Soil profile", "profile_form"},
    {1, Kind::Show, "color_soil_mnu", "Soil Color", "Color_form"},
    {1, Kind::Separator, "sepa23", nullptr},
    {1, Kind::Exit, "sale32", "Exit"},
    {0, Kind::Menu, "view_main_menu", "Soil Orders"},
    {1, Kind::Show, "menu_alfisol", "Alfisols", "Alfisol_form"},
    {1, Kind::Show, "menu_entisol", "Entisols", "entisol_form"},
    {1, Kind::Show, "menu_histosol", "Histosols", "Histosol_form"},
    {1, Kind::Show, "menu_inceptisol", "Inceptisols", "inceptisols"},
    {1, Kind::Show, "menu_mollisol", "Mollisol", "mollisols"},
    {1, Kind::Show, "menu_spod", "Spodosols", "spodosols"},
    {1, Kind::Show, "menu_other_orders", "Other Orders...", "Other_soil_orders"},
    {0, Kind::Menu, "menu_epipedon", "Epipedons"},
    {1, Kind::Show, "menu_anthropic", "Anthropic", "Anthropic_epi"},
    {1, Kind::Show, "menu_histic", "Histic", "histic_epi"},
    {1, Kind::Show, "menu_melanic", "Melanic", "melanic_epi"},
    {1, Kind::Show, "menu_mollic", "Mollic", "Mollic_epi"},
    {1, Kind::Show, "meni_ochric", "Ochric", "ochric_epi"},
    {1, Kind::Show, "menu_plaggen", "Plaggen", "plaggen_epi"},
    {1, Kind::Show, "menu_umbric", "Umbric", "umbric_epi"},
    {0, Kind::Menu, "menu_horizons", "Horizons"},
    {1, Kind::Show, "define_o", "O horizons", "O_horiz"},
    {1, Kind::Show, "define_a", "A horizons", "A_horiz"},
    {1, Kind::Show, "define_e", "E horizons", "E_horiz"},
    {1, Kind::Show, "define_b", "B horizons", "B_horiz"},
    {1, Kind::Show, "define_c", "C horizons", "C_horiz"},
    {1, Kind::Show, "define_r", "R layers", "R_horiz"},
    {1, Kind::Separator, "separata41", nullptr},
    {1, Kind::Show, "todos_horiz", "Subordinate distinctions within master horizons", "subhoriz_form"},
    {0, Kind::Menu, "menu_subhoriz", "Subsurface Horizons"},
    {1, Kind::Show, "menu_agric", "Agric horizon", "Agric_horiz"},
    {1, Kind::Show, "menu_albic", "Albic horizon", "albic_horiz"},
    {1, Kind::Show, "menu_argillic", "Argillic horizon", "argillic_horiz"},
    {1, Kind::Show, "menu_calcic", "Calcic horizon", "calcic_horiz"},
    {1, Kind::Show, "menu_cambic", "Cambic horizon", "cambic_horiz"},
    {1, Kind::Show, "menu_duripan", "Duripan", "Duripan_horiz"},
    {1, Kind::Show, "menu_fragipan", "Fragipan", "Fragipan_horiz"},
    {1, Kind::Show, "menu_glossic", "Glossic horizon", "glossic_horiz"},
    {1, Kind::Show, "menu_gypsic", "Gypsic horizon", "gypsic_horiz"},
    {1, Kind::Show, "menu_kandic", "Kandic horizon", "kandic_horiz"},
    {1, Kind::Show, "menu_natric", "Natric horizon", "natric_horiz"},
    {1, Kind::Show, "menu_oxic", "Oxic horizon", "Oxic_horiz"},
    {1, Kind::Show, "menu_petrocal", "Petrocalcic horizon", "Petrocalcic_horiz"},
    {1, Kind::Show, "menu_petroyeso", "Petrogypsic horizon", "petrogypsic_horiz"},
    {1, Kind::Show, "menu_placic", "Placic horizon", "Placic_horiz"},
    {1, Kind::Show, "menu_salic", "Salic horizon", "Salic_horiz"},
    {1, Kind::Show, "menu_sombric", "Sombric horizon", "Sombric_horiz"},
    {1, Kind::Show, "menu_spodic", "Spodic horizon", "spodic_horiz"},
    {1, Kind::Show, "menu_sulfu", "Sulfuric horizon", "Sulfuric_horiz"},
    {0, Kind::Menu, "menu_regimes", "Regimes"},
    {1, Kind::Menu, "menu_soil_moist", "Soil moisture regimes"},
    {2, Kind::Show, "mnu_what", "What is a  moisture regime?", "Soil_moist_reg"},
    {2, Kind::Separator, "sepa", nullptr},
    {2, Kind::Show, "menu_aquic", "Aquic", "aquic_rich"},
    {2, Kind::Show, "menu_aridic", "Aridic", "aridic_torric"},
    {2, Kind::Show, "menu_torric", "Torric", "aridic_torric"},
    {2, Kind::Show, "menu_udic", "Udic", "udic_rich"},
    {2, Kind::Show, "menu_ustic", "Ustic", "ustic_rich"},
    {2, Kind::Show, "menu_xeric", "Xeric", "xeric_rich"},
    {1, Kind::Menu, "menu_soiltemp", "Soil temperature regimes"},
    {2, Kind::Message, "menu_pergelic", "Pergelic", "Soil temperature regimes: PERGELIC ",
     " It has a mean annual soil temperature at a depth of 50 cm < 0 degrees C.  "},
    {2, Kind::Message, "menu_cryic", "Cryic", "Soil temperature regimes: CRYIC ",
     " It has a mean annual soil temperature at a depth of 50 cm between 0 and 8 degrees C.  "},
    {2, Kind::Message, "menu_frigid", "Frigid", "Soil temperature regimes: FRIGID ",
     " It has a mean annual soil temperature at a depth of 50 cm < 8 degrees C.  "},
    {2, Kind::Message, "menu_mesic", "Mesic", "Soil temperature regimes: MESIC ",
     " It has a mean annual soil temperature at a depth of 50 cm between 8 and 15 degrees C.  "},
    {2, Kind::Message, "menu_thermic", "Thermic", "Soil temperature regimes: THERMIC ",
     " It has a mean annual soil temperature at a depth of 50 cm between 15 to 22 degrees C. "},
    {2, Kind::Message, "menu_hyperthermic", "Hyperthermic", "Soil temperature regimes: HYPERTHERMIC ",
     " It has a mean annual soil temperature at a depth of 50 cm > 22 degrees C.  "},
    {0, Kind::Menu, "menu_size_classes", "Particle-size classes"},
    {1, Kind::Message, "menu_fragmental", "Fragmental", "Family particle size classes: FRAGMENTAL ",
     " It has 90% or more (by volume) rock fragments and voids; less than 10% (by volume) fine-earth (particles < 2 mm). "},
    {1, Kind::Message, "menu_sandy_skeletal", "Sandy-skeletal", "Family particle size classes: SANDY-SKELETAL ",
     " It has 35% or more (by volume) rock fragments and voids; more than 10% (by volume) of fine-earth is sandy. "},
    {1, Kind::Message, "menu_loamy_skeletal", "Loamy-skeletal", "Family particle size classes: LOAMY SKELETAL ",
     " It has 35% or more (by volume) rock fragments and voids; more than 10% (by volume) fine-earth with fine textures (clay < 35%). "},
    {1, Kind::Message, "menu_clayey_skeletal", "Clayey-skeletal", "Family particle size classes: CLAYEY SKELETAL ",
     " It has 35% or more (by volume) rock fragments and voids; more than 10% (by volume) fine-earth with fine textures (clay > 35% by wt). "},
    {1, Kind::Message, "menu_sandy", "Sandy", "Family particle size classes: SANDY ",
     " It has less than 35% (by volume) rock fragments and voids; Fine-earth is sand or loamy sand. "},
    {1, Kind::Message, "menu_loamy", "Loamy", "Family particle size classes: LOAMY ",
     " It has less than 35% (by volume) rock fragments and voids; includes textures of very fine sand and loamy-very fine sand. "},
    {1, Kind::Message, "menu_clayey", "Clayey", "Family particle size classes: CLAYEY ",
     " It has less than 35% (by volume) rock fragments and voids; Fine-earth with clay > 35% by weight. "},
    {0, Kind::Show, "menu_about", "About...", "About_form"},
};

void setAction(QAction *action, const Entry &entry)
{
    action->setObjectName(QString::fromUtf8(entry.name));
    const QString target = QString::fromUtf8(entry.target);
    const QString text = QString::fromUtf8(entry.text);
    switch (entry.kind) {
    case Kind::Show:
        QObject::connect(action, &QAction::triggered, [target] { ScreenManager::instance().show_screen(target); });
        break;
    case Kind::Message:
        QObject::connect(action, &QAction::triggered, [target, text] { MessageBox::information(target, text); });
        break;
    case Kind::Exit:
        QObject::connect(action, &QAction::triggered, [] { ScreenManager::instance().end_program(); });
        break;
    case Kind::Menu:
    case Kind::Separator:
        break;
    }
}

} // namespace

void buildMainMenu(QMenuBar *bar)
{
    // menus[d] receives the entries of depth d + 1.
    QVector<QMenu *> menus;
    for (const Entry &entry : entries) {
        menus.resize(entry.depth);
        QWidget *parent = entry.depth == 0 ? static_cast<QWidget *>(bar) : menus.last();
        const QString caption = QString::fromUtf8(entry.caption);
        QAction *action = nullptr;
        if (entry.kind == Kind::Menu) {
            auto *menu = new QMenu(caption, parent);
            menu->setObjectName(QString::fromUtf8(entry.name));
            menu->setAccessibleName(caption);
            action = menu->menuAction();
            parent->addAction(action);
            menus.append(menu);
        } else if (entry.kind == Kind::Separator) {
            action = new QAction(parent);
            action->setSeparator(true);
            parent->addAction(action);
        } else {
            action = new QAction(caption, parent);
            parent->addAction(action);
        }
        setAction(action, entry);
    }
}

} // namespace yuc
