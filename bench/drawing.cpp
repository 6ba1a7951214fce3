#include "bench/drawing.h"

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

namespace yuc::bench {

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

constexpr int rounds = 100;

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
        times << elapsedMs(timer);
    }
    return times;
}

} // namespace

QList<Named> measureDrawing()
{
    const study::Profile profile = fiftyHorizons();
    const QList<double> drawing = drawn<ProfileDrawing>(profile, QSize(560, 600));
    const QList<double> triangle = drawn<TextureTriangle>(profile, QSize(560, 500));

    // The user's own profile in its window, the drawing in front: one cell
    // typed, then the drawing repainted on the spot.
    study::ProfileEditor editor;
    editor.load(profile);
    ProfileWindow window(&editor);
    window.resize(640, 700);
    window.findChild<QTabWidget *>(QStringLiteral("profile_tabs"))->setCurrentIndex(0);
    window.show();
    QApplication::processEvents();
    auto *picture = window.findChild<ProfileDrawing *>(QStringLiteral("profile_drawing"));
    const int clay = study::horizonColumn(QStringLiteral("clay_pct"));
    QList<double> redraw;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        editor.setData(editor.index(r % 50, clay), QString::number(10 + r % 40));
        picture->repaint();
        redraw << elapsedMs(timer);
    }
    window.close();
    const auto named = [](const char *key, const char *what, const QList<double> &times) {
        const Figure f = summarise(times);
        return Named{QLatin1String(key),   QLatin1String(what),    f,
                     QStringLiteral("ms"), QStringLiteral("< 16"), f.median < 16};
    };
    return {named("profile_drawing_ms", "profile drawing: a 50-horizon profile worked out and drawn", drawing),
            named("texture_triangle_ms", "texture triangle: 50 horizons plotted and drawn", triangle),
            named("drawing_redraw_ms", "profile drawing: redrawn after one cell is typed", redraw)};
}

} // namespace yuc::bench
