#include "drawing.h"

#include "model/profile.h"
#include "study/profiledrawing.h"
#include "study/profileeditor.h"
#include "study/profilewindow.h"
#include "study/texturetriangle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTabWidget>

using namespace yuc;

namespace {

constexpr int rounds = 100;

double elapsed(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

study::Profile fiftyHorizons()
{
    study::Profile profile = study::builtInProfiles().first();
    profile.answer.reset();
    const QList<study::Horizon> horizons = profile.horizons;
    profile.horizons.clear();
    for (int i = 0; i < 50; ++i) {
        study::Horizon h = horizons.at(i % horizons.size());
        h.designation += QString::number(i);
        h.top = 4 * i;
        h.bottom = 4 * i + 4;
        h.numbers[QStringLiteral("clay_pct")] = 5 + i;
        h.numbers[QStringLiteral("sand_pct")] = 90 - 1.5 * i;
        profile.horizons << h;
    }
    return profile;
}

namespace {

// A widget given the profile and painted, as the window paints it once shown.
template <typename Picture>
QList<double> drawn(const study::Profile &profile, QSize size)
{
    Picture picture;
    picture.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QList<double> times;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        picture.setProfile(profile);
        QPainter painter(&image);
        picture.render(&painter);
        painter.end();
        times << elapsed(timer);
    }
    return times;
}

} // namespace

DrawingTimes measureDrawing()
{
    const study::Profile profile = fiftyHorizons();
    DrawingTimes times;
    times.profile = drawn<ProfileDrawing>(profile, QSize(560, 600));
    times.triangle = drawn<TextureTriangle>(profile, QSize(560, 500));

    // The user's own profile in its window, the drawing in front: one cell
    // typed, then the drawing repainted on the spot.
    study::ProfileEditor editor;
    editor.load(profile);
    ProfileWindow window(&editor);
    window.resize(640, 700);
    window.findChild<QTabWidget *>(QStringLiteral("profile_tabs"))->setCurrentIndex(0);
    window.show();
    QApplication::processEvents();
    auto *drawing = window.findChild<ProfileDrawing *>(QStringLiteral("profile_drawing"));
    const int clay = study::horizonColumn(QStringLiteral("clay_pct"));
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        editor.setData(editor.index(r % 50, clay), QString::number(10 + r % 40));
        drawing->repaint();
        times.redraw << elapsed(timer);
    }
    window.close();
    return times;
}
