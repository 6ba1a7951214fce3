#include "reference/soilorders.h"

#include "reference/orders_common.h"
#include "reference/photopages.h"
#include "shell/screenmanager.h"
#include "shell/style.h"
#include "shell/svgpicture.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

namespace yuc {

using namespace orders;

namespace {

// Where the descriptions come from; the wording is ours, condensed from the
// textbook, so they stand without quotation marks and the citation says so.
#define TEXTBOOK "Adapted from N. C. Brady, The Nature and Properties of Soils (1990)."

struct OrderPage {
    const char *form;
    const char *caption;
    int width, height; // twips
    const char *titleControl;
    const char *title;
    const char *horizons; // top to bottom, as lettered on the picture
    double titlePoints;
    const char *descriptions[2];
};

const OrderPage orderPages[] = {
    {"Alfisol_form",
     "ALFISOLS",
     5790,
     4440,
     "",
     "Alfisols",
     "Ap, Bt, C",
     12,
     {"Mineral soils with a light-coloured ochric or a dark, base-poor umbric epipedon over an argillic "
      "horizon, a subsoil enriched in clay washed down from above. For at least 90 days of the season that is "
      "warm enough for plants to grow outdoors, they hold water at a tension below 1.5 MPa, where plants can "
      "still take it up. Either their mean annual soil temperature is lower than 8 °C, or the lower part of "
      "the argillic horizon has a base saturation of 35% or more, measured at pH 8.2 (SSSA, 1992).",
      nullptr}},
    {"entisol_form",
     "ENTISOLS",
     5805,
     4530,
     "",
     "Entisols",
     "Ap, C1, C2, C3",
     12,
     {"Entisols are mineral soils that show little development: they have no natural genetic subsurface "
      "horizons, or only the first traces of them. Most have just a pale, thin ochric epipedon; a few carry "
      "layers made by people, an anthropic epipedon or an agric horizon. They range from productive soils "
      "on recent river alluvium to infertile soils on barren sands and shallow soils over bedrock. " TEXTBOOK,
      nullptr}},
    {"Histosol_form",
     "HISTOSOLS",
     5490,
     4005,
     "Label4tr",
     "Histosols",
     "Oi, Oe, C",
     12,
     {"Histosols are organic soils, made mostly of plant remains. Their organic carbon content is high: "
      "at least 12% organic carbon (about 20% organic matter) where the mineral part holds no clay, rising "
      "with the clay content to at least 18% organic carbon (about 30% organic matter) where it holds 60% "
      "clay or more. " TEXTBOOK,
      nullptr}},
    {"inceptisols",
     "Inceptisols",
     6240,
     4725,
     "",
     "Inceptisols",
     "A, Bw, C",
     14.25,
     {"Inceptisols have horizons that form fairly quickly, mostly by the alteration of the parent "
      "material in place. They have an ochric or umbric epipedon, a cambic subsurface horizon, or both, but "
      "no horizons that show advanced weathering or an accumulation of silicate clay, of iron and aluminium "
      "oxides or of organic matter. Their profiles are nevertheless more developed than those of "
      "Entisols. " TEXTBOOK,
      nullptr}},
    {"mollisols",
     "Mollisols",
     6270,
     4485,
     "",
     "Mollisols",
     "A mollic, Bk, C",
     14.25,
     {"Mollisols are among the most important agricultural soils of the world. They have a mollic "
      "epipedon: a thick, dark surface horizon whose exchange sites are held mainly by base-forming cations "
      "such as Ca (+2) and Mg (+2), so that its base saturation is high. Below it there may be an argillic, "
      "natric, albic or cambic horizon, but never an oxic or a spodic one. Most Mollisols formed under "
      "grass. " TEXTBOOK,
      nullptr}},
    {"spodosols",
     "Spodosols",
     6315,
     4575,
     "",
     "Spodosols",
     "Oi, A, E, Bhs, C",
     14.25,
     {"Spodosols are marked by a spodic horizon, a subsurface layer in which organic matter and aluminium "
      "oxides, with or without iron oxides, have accumulated. Above it there is usually a light-coloured "
      "eluvial (albic) horizon, bleached so pale that it looks like \"wood ash\".",
      "Spodosols form mostly on coarse, acid parent materials that are readily leached, and only where "
      "the soil is moist to wet and the climate cool to cold. " TEXTBOOK}},
};

QString pictureDescription(const QString &soils, const char *horizons)
{
    return QStringLiteral("Schematic profile of %1 with the horizons %2").arg(soils, QLatin1String(horizons));
}

QWidget *buildOrderPage(const OrderPage &data)
{
    QWidget *page = newPage(QString::fromUtf8(data.caption), data.width, data.height);
    setBackground(page, colours::paleYellow);
    const int margin = 12;
    const int textLeft = margin + 74 + 14;
    const int textWidth = page->width() - textLeft - margin;
    const QString title = QString::fromUtf8(data.title);

    addLabel(page, QStringLiteral("Label1"), QStringLiteral("Typic Profile"), QRect(margin, 8, 100, 16));
    // The picture carries its own drawn rectangle.
    addPicture(page, QStringLiteral("Image1"), QStringLiteral(":/reference/orders/%1.svg").arg(title.toLower()),
               pictureDescription(title, data.horizons), QRect(margin, 28, 74, 220));
    addLabel(page, QLatin1String(*data.titleControl ? data.titleControl : "Label2"), title,
             QRect(textLeft, 4, textWidth, 32), timesFont(data.titlePoints, true), Qt::AlignCenter);

    int top = 40;
    const char *names[] = {"Label3", "Label4"};
    for (int i = 0; i < 2 && data.descriptions[i]; ++i) {
        QLabel *label = addLabel(page, QLatin1String(names[i]), QString::fromUtf8(data.descriptions[i]),
                                 QRect(textLeft, top, textWidth, 0));
        label->resize(textWidth, label->heightForWidth(textWidth));
        top += label->height() + 10;
    }
    addUnloadButton(page, QStringLiteral("Close"),
                    QRect(page->width() - margin - 97, page->height() - margin - 25, 97, 25));
    return page;
}

struct OrderColumn {
    const char *frame;
    const char *caption;
    int left, top, width, height; // twips
    const char *label;
    const char *note; // a second label beside the picture, if any
    const char *horizons;
    bool labelBeside; // a low frame has no room for the label above the picture
};

const OrderColumn orderColumns[] = {
    {"Frame1", "Ultisols", 600, 240, 2412, 3255, "Low base status forest soils", "BS <35%", "Ap, Bt, C", false},
    {"Frame2", "Oxisols", 3240, 240, 2535, 3255, "Highly weathered tropical soils", "", "Ap, Bo1, Bo2", false},
    {"Frame3", "Vertisols", 6000, 240, 2655, 3255, "Shrinking-swelling soils", "", "Ap, Bss1, Bss2", false},
    {"Frame4", "Aridisols", 600, 3720, 3375, 2775, "Soils of arid regions", "", "A, Bt, Btk, Bkm, C", true},
};

QWidget *buildOtherOrders()
{
    QWidget *page = newPage(QStringLiteral("Other Soil Orders (Profiles)..."), 9195, 6735);
    setBackground(page, colours::paleYellow);
    int n = 0;
    for (const OrderColumn &column : orderColumns) {
        ++n;
        const QString caption = QString::fromUtf8(column.caption);
        QGroupBox *frame = addFrame(page, QLatin1String(column.frame), caption,
                                    twRect(column.left, column.top, column.width, column.height));
        const int inner = frame->width() - 16;
        const QRect picture = column.labelBeside ? QRect(12, 20, 56, 162) : QRect(12, 42, 56, 162);
        addPicture(frame, QStringLiteral("Image%1").arg(n),
                   QStringLiteral(":/reference/orders/%1.svg").arg(caption.toLower()),
                   pictureDescription(caption, column.horizons), picture);
        const QRect label =
            column.labelBeside ? QRect(80, picture.center().y() - 8, inner - 72, 16) : QRect(8, 20, inner, 16);
        addLabel(frame, QStringLiteral("Label%1").arg(n), QString::fromUtf8(column.label), label);
        if (*column.note)
            addLabel(frame, QStringLiteral("Label%1b").arg(n), QString::fromUtf8(column.note),
                     QRect(80, picture.center().y() - 8, inner - 72, 16));
    }

    auto *box = new QFrame(page);
    box->setObjectName(QStringLiteral("Shape1"));
    box->setFrameShape(QFrame::Box);
    box->setGeometry(336, 258, 216, 63);
    addPicture(box, QStringLiteral("Image5"), QStringLiteral(":/shell/logo.svg"), QStringLiteral("Yucarra"),
               QRect(8, 8, 200, 47));
    addLabel(page, QStringLiteral("Label6"), QStringLiteral("ver. 1.2"), QRect(336, 324, 216, 16), plainFont(),
             Qt::AlignCenter);
    addLabel(page, QStringLiteral("Label7"), QStringLiteral("The Yucarra developers"), QRect(296, 346, 296, 16),
             boldFont(), Qt::AlignCenter);
    addLabel(page, QStringLiteral("Label8"), QStringLiteral("Contact: the issue tracker of the Yucarra project"),
             QRect(296, 364, 296, 16), plainFont(), Qt::AlignCenter);
    addUnloadButton(page, QStringLiteral("Close"), twRect(6120, 6000, 1575, 495));
    return page;
}

} // namespace

void registerSoilOrderScreens()
{
    auto &manager = ScreenManager::instance();
    for (const OrderPage &data : orderPages)
        manager.registerScreen(QLatin1String(data.form), [&data] { return buildOrderPage(data); });
    manager.registerScreen(QStringLiteral("Other_soil_orders"), buildOtherOrders);
    registerPhotoScreens();
}

} // namespace yuc
