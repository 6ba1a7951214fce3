#include "reference/photopages.h"

#include "reference/orders_common.h"
#include "shell/screenmanager.h"
#include "shell/svgpicture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace yuc {

using namespace orders;

namespace {

struct IndexButton {
    const char *control;
    const char *caption;
    const char *frame;
    int left, top, width, height; // twips, on the window
    const char *opens;
};

// The buttons are named out of their visual order: Command5 sits above Command4.
const IndexButton indexButtons[] = {
    {"Command2", "Haplocalcid", "Frame1", 600, 720, 1935, 375, "haplocalcid"},
    {"Command3", "Petroargid", "Frame1", 600, 1200, 1935, 375, "petroargid"},
    {"Command5", "Haplargids", "Frame1", 600, 1680, 1935, 375, "haplos"},
    {"Command4", "Argidurid", "Frame1", 600, 2160, 1935, 375, "argidurid"},
    {"Command6", "Torripsamment", "Frame2", 3480, 720, 1815, 375, "psamment"},
    {"Command7", "Haploxeroll", "Frame3", 3480, 2040, 1815, 375, "haploxeroll"},
};

QWidget *buildPhotoIndex()
{
    QWidget *page = newPage(QStringLiteral("Profiles examples"), 5895, 3795);
    const struct {
        const char *name, *caption;
        int left, top, width, height;
    } frames[] = {
        {"Frame1", "Aridisols", 240, 360, 2655, 2415},
        {"Frame2", "Entisols", 3240, 360, 2295, 1095},
        {"Frame3", "Mollisol", 3240, 1680, 2295, 1095},
    };
    for (const auto &f : frames)
        addFrame(page, QLatin1String(f.name), QLatin1String(f.caption), twRect(f.left, f.top, f.width, f.height));

    QPushButton *first = nullptr;
    for (const IndexButton &b : indexButtons) {
        auto *frame = page->findChild<QGroupBox *>(QLatin1String(b.frame));
        auto *button = new QPushButton(QLatin1String(b.caption), frame);
        button->setObjectName(QLatin1String(b.control));
        button->setFont(boldFont());
        button->setGeometry(twRect(b.left, b.top, b.width, b.height).translated(-frame->pos()));
        const QString target = QLatin1String(b.opens);
        QObject::connect(button, &QPushButton::clicked, page,
                         [target] { ScreenManager::instance().show_screen(target); });
        if (!first)
            first = button;
    }
    addUnloadButton(page, QStringLiteral("Close"), twRect(2280, 3240, 1575, 375));
    first->setFocus();
    return page;
}

struct ExamplePage {
    const char *form;
    const char *caption;
    int width, height; // twips
    const char *frameCaption;
    int photoWidth, photoHeight; // pixels
    const char *photo;           // what the photograph shows, read out by screen readers
    const char *soil;
    const char *button;
};

const ExamplePage examplePages[] = {
    {"haplocalcid", "Example Aridisol", 4815, 6795, "Haplocalcid", 240, 360,
     "Pale brown profile in a pit wall with a measuring tape, horizons marked A, Bw, Bk, C",
     "Coarse-Silty, mixed, mesic Xeric haplocalcid", "OK"},
    {"petroargid", "Aridisols examples", 4680, 7020, "Petroargid", 240, 360,
     "Brown profile over an indurated white carbonate layer, horizons marked A, BA, Bt, Btk, Bkm", "Typic Petroargid",
     "OK"},
    {"argidurid", "Aridisols examples", 4935, 7095, "Argidurid", 240, 360,
     "Reddish profile with a measuring tape over a cemented duripan and bedrock, horizons marked A, Bt, Bk, Bkqm, R",
     "Fine-Silty, mixed, mesic Xeric Argidurid", "Ok"},
    {"psamment", "Entisol", 4680, 6840, "Psamment", 216, 324,
     "Stratified sandy profile with a measuring tape, horizons marked A, C1, C2", "Mixed, mesic Xeric Torripsamment",
     "Ok"},
    {"haploxeroll", "Mollisol", 4725, 6900, "Haploxeroll", 216, 324,
     "Dark upper part over a pale calcareous lower part, horizons marked Ap, Bw1, Bw2, Bk1, Bk2",
     "Coarse-Silty, mixed, Frigid Calcic Haploxeroll", "OK"},
};

QWidget *buildExamplePage(const ExamplePage &data)
{
    QWidget *page = newPage(QLatin1String(data.caption), data.width, data.height);
    const int frameWidth = data.photoWidth + 16;
    const int left = (page->width() - frameWidth) / 2;
    QGroupBox *frame = addFrame(page, QStringLiteral("Frame1"), QLatin1String(data.frameCaption),
                                QRect(left, 4, frameWidth, data.photoHeight + 28));
    addPicture(frame, QStringLiteral("Image1"),
               QStringLiteral(":/reference/photos/%1.svg").arg(QLatin1String(data.form)), QLatin1String(data.photo),
               QRect(8, 20, data.photoWidth, data.photoHeight));
    const int below = frame->geometry().bottom() + 4;
    addLabel(page, QStringLiteral("Label1"), QLatin1String(data.soil), QRect(8, below, page->width() - 16, 16),
             boldFont(), Qt::AlignCenter);
    addUnloadButton(page, QLatin1String(data.button), QRect((page->width() - 105) / 2, page->height() - 31, 105, 25));
    return page;
}

struct HaplargidColumn {
    const char *frame;
    int left, top, width, height; // twips
    const char *picture;
    const char *drawing;
    const char *label;
};

const HaplargidColumn haplargidColumns[] = {
    {"Frame1", 360, 480, 1935, 3015, "typic_haplargid",
     "Layers Ochric, Argillic, Argillic/Calcic with white carbonate specks", "Typic Haplargid"},
    {"Frame2", 2760, 480, 2055, 3015, "vertic_haplargid", "Layers Ochric, Argillic with vertical cracks, Calcic",
     "Vertic Haplargid"},
    {"Frame3", 5280, 480, 2055, 3015, "lithic_haplargid", "Layers Ochric, Argillic, Bedrock in blue blocks",
     "Lithic Haplargid"},
};

QWidget *buildHaplargids()
{
    QWidget *page = newPage(QStringLiteral("Haplargids"), 7770, 4860);
    addLabel(page, QStringLiteral("Label1"), QStringLiteral("Profiles"), QRect(0, 8, page->width(), 20), boldFont(9.75),
             Qt::AlignCenter);
    int n = 0;
    for (const HaplargidColumn &column : haplargidColumns) {
        ++n;
        const QString label = QLatin1String(column.label);
        QGroupBox *frame = addFrame(page, QLatin1String(column.frame), QString(),
                                    twRect(column.left, column.top, column.width, column.height), label);
        addPicture(frame, QStringLiteral("Image%1").arg(n),
                   QStringLiteral(":/reference/photos/%1.svg").arg(QLatin1String(column.picture)),
                   QStringLiteral("%1: %2").arg(label, QLatin1String(column.drawing)),
                   QRect((frame->width() - 100) / 2, 12, 100, 158));
        addLabel(frame, QStringLiteral("Label%1").arg(n + 1), label, QRect(4, 176, frame->width() - 8, 16), boldFont(),
                 Qt::AlignCenter);
    }
    addUnloadButton(page, QStringLiteral("OK"), twRect(3000, 4320, 1695, 375));
    return page;
}

} // namespace

void registerPhotoScreens()
{
    auto &manager = ScreenManager::instance();
    manager.registerScreen(QStringLiteral("photos_1"), buildPhotoIndex);
    for (const ExamplePage &data : examplePages)
        manager.registerScreen(QLatin1String(data.form), [&data] { return buildExamplePage(data); });
    manager.registerScreen(QStringLiteral("haplos"), buildHaplargids);
}

} // namespace yuc
