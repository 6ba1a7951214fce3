#include "study/texturetriangle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>

namespace yuc::study {

namespace {

// The margins round the triangle, in lettering heights: tick labels and the
// names of the sides.
constexpr double sideMargin = 2.2;
constexpr double topMargin = 0.8;
constexpr double bottomMargin = 2.8;
constexpr double rootThreeHalves = 0.86602540378;

TexturePoint centroid(const QList<TexturePoint> &polygon)
{
    double cx = 0;
    double cy = 0;
    double twice = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const TexturePoint &a = polygon.at(i);
        const TexturePoint &b = polygon.at((i + 1) % polygon.size());
        const double cross = a.sand * b.clay - b.sand * a.clay;
        twice += cross;
        cx += (a.sand + b.sand) * cross;
        cy += (a.clay + b.clay) * cross;
    }
    return {cx / (3 * twice), cy / (3 * twice)};
}

// "silty clay loam" -> "SiCL", as the classes are abbreviated.
QString abbreviation(const QString &name)
{
    QString short_;
    for (const QString &word : name.split(QLatin1Char(' ')))
        short_ += word.startsWith(QLatin1String("silt")) ? QStringLiteral("Si") : word.left(1).toUpper();
    return short_;
}

// Each class's region as one outline in sand and clay (sandy loam and silt
// loam are two pieces that meet), worked out once.
const QList<QPainterPath> &classRegions()
{
    static const QList<QPainterPath> regions = [] {
        QList<QPainterPath> built;
        for (const TextureClass &c : usdaTextureClasses()) {
            QPainterPath region;
            for (const QList<TexturePoint> &piece : c.pieces) {
                QPolygonF polygon;
                for (const TexturePoint &p : piece)
                    polygon << QPointF(p.sand, p.clay);
                QPainterPath path;
                path.addPolygon(polygon);
                path.closeSubpath();
                region = region.united(path);
            }
            built << region.simplified();
        }
        return built;
    }();
    return regions;
}

QString percent(double value)
{
    return QStringLiteral("%1 %").arg(numberText(std::round(value * 100) / 100));
}

} // namespace

struct TextureSketch::Geometry {
    double em = 0;
    QFont small;
    double smallHeight = 0;
    QPointF sandCorner; // bottom left
    QPointF siltCorner; // bottom right
    QPointF clayCorner; // top
    double side = 0;
    QPointF at(TexturePoint p) const
    {
        const double silt = 100 - p.sand - p.clay;
        return (sandCorner * p.sand + siltCorner * silt + clayCorner * p.clay) / 100;
    }
    // From sand and clay to the area, as at() maps them.
    QTransform transform() const
    {
        const QPointF sand = (sandCorner - siltCorner) / 100;
        const QPointF clay = (clayCorner - siltCorner) / 100;
        return {sand.x(), sand.y(), clay.x(), clay.y(), siltCorner.x(), siltCorner.y()};
    }
    TexturePoint mixture(const QPointF &point) const
    {
        const double clay = (sandCorner.y() - point.y()) / (sandCorner.y() - clayCorner.y()) * 100;
        const double left = sandCorner.x() + (clayCorner.x() - sandCorner.x()) * clay / 100;
        const double right = siltCorner.x() + (clayCorner.x() - siltCorner.x()) * clay / 100;
        const double silt = right > left ? (point.x() - left) / (right - left) * (100 - clay) : 0;
        return {100 - clay - silt, clay};
    }
};

TextureSketch::TextureSketch(const Profile &profile) : m_title(profile.title)
{
    QStringList unplotted;
    for (const Horizon &h : profile.horizons) {
        const QString which = QStringLiteral("%1 (%2)").arg(h.designation, depthRange(h.top, h.bottom));
        const auto clay = h.numbers.constFind(QStringLiteral("clay_pct"));
        const auto sand = h.numbers.constFind(QStringLiteral("sand_pct"));
        if (clay == h.numbers.constEnd() || sand == h.numbers.constEnd()) {
            unplotted << h.designation;
            continue;
        }
        const QString found = textureClassOf(*clay, *sand);
        if (found.isEmpty()) {
            m_notes << QStringLiteral("%1: its clay (%2) and sand (%3) add up to more than 100 %; it is not plotted.")
                           .arg(which, percent(*clay), percent(*sand));
            continue;
        }
        const QString moist = h.texts.value(QStringLiteral("munsell_moist"));
        const MunsellColour colour =
            munsellColour(moist.isEmpty() ? h.texts.value(QStringLiteral("munsell_dry")) : moist);
        Point point{h.designation,
                    h.top,
                    h.bottom,
                    *clay,
                    *sand,
                    found,
                    h.texts.value(QStringLiteral("texture_class")).trimmed(),
                    colour.rgb};
        if (point.disagrees()) {
            const QString figures =
                QStringLiteral("its %1 clay and %2 sand make %3").arg(percent(*clay), percent(*sand), found);
            m_disagreements << (baseTextureClass(point.stated).isEmpty()
                                    ? QStringLiteral("%1: the stated \u201c%2\u201d is not a texture class; %3.")
                                          .arg(which, point.stated, figures)
                                    : QStringLiteral("%1: stated %2, but %3.").arg(which, point.stated, figures));
        }
        m_points << point;
    }
    if (!unplotted.isEmpty())
        m_notes
            << QStringLiteral("Not plotted, for want of clay or sand: %1.").arg(unplotted.join(QStringLiteral(", ")));
}

QString TextureSketch::description() const
{
    QStringList parts{QStringLiteral("Texture triangle of the twelve USDA texture classes, with the horizons of %1 "
                                     "plotted by their clay and sand, silt by difference.")
                          .arg(m_title.isEmpty() ? QStringLiteral("the profile") : m_title)};
    for (const Point &p : m_points) {
        QString line = QStringLiteral("%1, %2 to %3 cm: %4 clay, %5 sand, %6 silt: %7")
                           .arg(p.designation, numberText(p.top), numberText(p.bottom), percent(p.clay),
                                percent(p.sand), percent(100 - p.clay - p.sand), p.found);
        if (p.disagrees())
            line += QStringLiteral("; its stated class, %1, disagrees").arg(p.stated);
        parts << line + QLatin1Char('.');
    }
    if (m_points.isEmpty())
        parts << QStringLiteral("No horizon gives both clay and sand.");
    parts << m_notes;
    return parts.join(QLatin1Char(' '));
}

double TextureSketch::heightFor(double width, double em)
{
    return (width - 2 * sideMargin * em) * rootThreeHalves + (topMargin + bottomMargin) * em;
}

QColor TextureSketch::classColour(const QString &name)
{
    // Pale fills in the order of the classes, so that points and names stand out.
    static const QColor fills[] = {
        {250, 240, 200}, {245, 228, 180}, {240, 215, 170}, {226, 220, 180}, {210, 226, 190}, {190, 222, 210},
        {240, 205, 175}, {222, 205, 185}, {205, 210, 205}, {235, 190, 170}, {200, 200, 220}, {220, 190, 200},
    };
    const QList<TextureClass> &classes = usdaTextureClasses();
    for (qsizetype i = 0; i < classes.size(); ++i)
        if (classes.at(i).name == name)
            return fills[i % std::size(fills)];
    return Qt::white;
}

TextureSketch::Geometry TextureSketch::geometry(const QRectF &area, const QFont &font, const QPaintDevice *device) const
{
    Geometry g;
    const QFontMetricsF fm = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    g.em = fm.height();
    g.small = scaledFont(font, 0.85);
    g.smallHeight = (device ? QFontMetricsF(g.small, device) : QFontMetricsF(g.small)).height();
    const double width = area.width() - 2 * sideMargin * g.em;
    const double height = (area.height() - (topMargin + bottomMargin) * g.em) / rootThreeHalves;
    g.side = std::max(0.0, std::min(width, height));
    const double left = area.left() + (area.width() - g.side) / 2;
    const double bottom = area.top() + topMargin * g.em + g.side * rootThreeHalves;
    g.sandCorner = QPointF(left, bottom);
    g.siltCorner = QPointF(left + g.side, bottom);
    g.clayCorner = QPointF(left + g.side / 2, bottom - g.side * rootThreeHalves);
    return g;
}

QPointF TextureSketch::position(TexturePoint point, const QRectF &area, const QFont &font,
                                const QPaintDevice *device) const
{
    return geometry(area, font, device).at(point);
}

void TextureSketch::paint(QPainter &painter, const QRectF &area, const QFont &font) const
{
    const Geometry g = geometry(area, font, painter.device());
    const double em = g.em;
    const QFontMetricsF fs(g.small, painter.device());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    // The regions, each filled as one and outlined where it meets another class.
    const QList<QPainterPath> &regions = classRegions();
    const QTransform toArea = g.transform();
    for (qsizetype i = 0; i < regions.size(); ++i)
        painter.fillPath(toArea.map(regions.at(i)), classColour(usdaTextureClasses().at(i).name));
    // Lines every 10 %, faint, for reading a point's figures.
    painter.setPen(QPen(QColor(0, 0, 0, 40), std::max(0.5, em / 20)));
    for (int v = 10; v < 100; v += 10) {
        painter.drawLine(g.at({100.0 - v, double(v)}), g.at({0, double(v)}));
        painter.drawLine(g.at({100.0 - v, 0}), g.at({0, 100.0 - v}));
        painter.drawLine(g.at({double(v), 0}), g.at({double(v), 100.0 - v}));
    }
    painter.setPen(QPen(QColor(90, 90, 90), std::max(1.0, em / 14)));
    painter.setBrush(Qt::NoBrush);
    for (const QPainterPath &region : regions)
        painter.drawPath(toArea.map(region));
    painter.setPen(QPen(Qt::black, std::max(1.0, em / 9)));
    painter.drawPolygon(QPolygonF{g.sandCorner, g.siltCorner, g.clayCorner});

    // Ticks and figures along the sides, and the sides' names; what is
    // written is kept clear of the designations set later.
    QList<QRectF> taken;
    const auto figureAt = [&](const QRectF &box, int align, const QString &text) {
        painter.drawText(box, align, text);
        taken << box;
    };
    painter.setFont(g.small);
    const int every = g.side / 10 >= 2.2 * g.smallHeight ? 10 : 20;
    for (int v = 10; v < 100; v += 10) {
        const QPointF clay = g.at({100.0 - v, double(v)});
        const QPointF silt = g.at({0, 100.0 - v});
        const QPointF sand = g.at({double(v), 0});
        painter.drawLine(clay, clay + QPointF(-0.35 * em, 0));
        painter.drawLine(silt, silt + QPointF(0.35 * em * 0.5, -0.35 * em * rootThreeHalves));
        painter.drawLine(sand, sand + QPointF(-0.35 * em * 0.5, 0.35 * em * rootThreeHalves));
        if (v % every)
            continue;
        const QString figure = QString::number(v);
        const double w = fs.horizontalAdvance(figure);
        figureAt(QRectF(clay.x() - 0.45 * em - w, clay.y() - g.smallHeight / 2, w, g.smallHeight),
                 Qt::AlignRight | Qt::AlignVCenter, figure);
        figureAt(QRectF(silt.x() + 0.3 * em, silt.y() - g.smallHeight, w, g.smallHeight),
                 Qt::AlignLeft | Qt::AlignVCenter, figure);
        figureAt(QRectF(sand.x() - 0.2 * em - w, sand.y() + 0.3 * em, w, g.smallHeight),
                 Qt::AlignRight | Qt::AlignVCenter, figure);
    }
    const auto sideName = [&](const QPointF &from, const QPointF &to, double angle, double offset,
                              const QString &text) {
        painter.save();
        painter.translate((from + to) / 2);
        painter.rotate(angle);
        const double w = fs.horizontalAdvance(text) + em;
        painter.drawText(QRectF(-w / 2, offset, w, g.smallHeight), Qt::AlignCenter, text);
        painter.restore();
    };
    sideName(g.sandCorner, g.clayCorner, -60, -g.smallHeight - 2.2 * em, QStringLiteral("Clay (%)"));
    sideName(g.clayCorner, g.siltCorner, 60, -g.smallHeight - 2.2 * em, QStringLiteral("Silt (%)"));
    sideName(g.sandCorner, g.siltCorner, 0, g.smallHeight + 0.5 * em, QStringLiteral("Sand (%)"));

    // The classes' names, abbreviated where their region is too small to hold them.
    painter.setPen(QColor(70, 70, 70));
    const double scale = g.side * g.side * rootThreeHalves / 2 / 5000; // pixels per unit of the triangle's area
    for (const TextureClass &c : usdaTextureClasses()) {
        const auto largest = std::max_element(c.pieces.begin(), c.pieces.end(), [](const auto &a, const auto &b) {
            return polygonArea(a) < polygonArea(b);
        });
        const QPointF at = g.at(centroid(*largest));
        const double room = std::sqrt(polygonArea(*largest) * scale);
        QString name = c.name;
        if (fs.horizontalAdvance(name) > 1.4 * room) {
            const qsizetype space = name.lastIndexOf(QLatin1Char(' '), name.size() / 2 + 1);
            if (space > 0)
                name[space] = QLatin1Char('\n');
        }
        if (fs.boundingRect(QRectF(0, 0, 1e6, 1e6), 0, name).width() > 1.4 * room || g.side < 24 * em)
            name = abbreviation(c.name);
        const QRectF box = fs.boundingRect(QRectF(0, 0, 1e6, 1e6), 0, name);
        const QRectF placed(at.x() - box.width() / 2, at.y() - box.height() / 2, box.width(), box.height());
        painter.drawText(placed, Qt::AlignCenter, name);
        taken << placed;
    }

    // The horizons: a dot in its colour, its designation beside it; red where
    // its stated class disagrees.
    const double radius = 0.3 * em;
    for (const Point &p : m_points)
        taken << QRectF(g.at({p.sand, p.clay}) - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    painter.setFont(font);
    const QFontMetricsF fm(font, painter.device());
    const QColor red(200, 0, 0);
    for (const Point &p : m_points) {
        const QPointF c = g.at({p.sand, p.clay});
        if (p.disagrees()) {
            painter.setPen(QPen(red, std::max(1.5, em / 7)));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(c, 2 * radius, 2 * radius);
        }
        painter.setPen(QPen(Qt::black, std::max(1.0, em / 14)));
        painter.setBrush(p.colour ? toColour(*p.colour) : QColor(Qt::white));
        painter.drawEllipse(c, radius, radius);
    }
    // Each designation where it hides no other, nearest its dot first; a
    // thin line leads to one set further off.
    for (const Point &p : m_points) {
        const QPointF c = g.at({p.sand, p.clay});
        const QSizeF label(fm.horizontalAdvance(p.designation), fm.height());
        const double gap = p.disagrees() ? 2.2 * radius : 1.4 * radius;
        QRectF place(QPointF(c.x() + gap, c.y() - label.height() / 2), label);
        bool found = false;
        for (int ring = 0; ring < 4 && !found; ++ring) {
            const double d = gap + ring * 0.9 * em;
            for (int k = 0; k < 8 && !found; ++k) {
                const double angle = k * M_PI / 4;
                const QPointF towards(std::cos(angle), -std::sin(angle));
                const QPointF centre =
                    c + towards * d + QPointF(towards.x() * label.width() / 2, towards.y() * label.height() / 2);
                const QRectF candidate(centre - QPointF(label.width() / 2, label.height() / 2), label);
                if (std::none_of(taken.begin(), taken.end(),
                                 [&](const QRectF &t) { return t.intersects(candidate); })) {
                    place = candidate;
                    found = true;
                }
            }
        }
        taken << place;
        if (std::hypot(place.center().x() - c.x(), place.center().y() - c.y()) > gap + label.width()) {
            painter.setPen(QPen(QColor(90, 90, 90), std::max(0.5, em / 16)));
            painter.drawLine(c, QPointF(std::clamp(c.x(), place.left(), place.right()),
                                        std::clamp(c.y(), place.top(), place.bottom())));
        }
        painter.setPen(p.disagrees() ? red : QColor(Qt::black));
        painter.drawText(place, Qt::AlignCenter, p.designation);
    }
    painter.restore();
}

QString TextureSketch::toolTipAt(const QPointF &point, const QRectF &area, const QFont &font) const
{
    const Geometry g = geometry(area, font, nullptr);
    for (const Point &p : m_points) {
        const QPointF d = g.at({p.sand, p.clay}) - point;
        if (std::hypot(d.x(), d.y()) <= 0.6 * g.em)
            return QStringLiteral("%1, %2: %3 clay, %4 sand, %5 silt: %6%7")
                .arg(p.designation, depthRange(p.top, p.bottom), percent(p.clay), percent(p.sand),
                     percent(100 - p.clay - p.sand), p.found,
                     p.disagrees() ? QStringLiteral(" (stated %1)").arg(p.stated) : QString());
    }
    const TexturePoint m = g.mixture(point);
    return textureClassOf(m.clay, m.sand);
}

} // namespace yuc::study

namespace yuc {

TextureTriangle::TextureTriangle(QWidget *parent)
    : PictureWidget(QStringLiteral("texture_triangle"), QStringLiteral("Texture triangle"), parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setProfile({});
}

void TextureTriangle::setProfile(const study::Profile &profile)
{
    m_sketch = study::TextureSketch(profile);
    setAccessibleDescription(m_sketch.description());
    update();
}

QPointF TextureTriangle::position(study::TexturePoint point) const
{
    return m_sketch.position(point, area(), font());
}

int TextureTriangle::heightForWidth(int width) const
{
    return int(std::ceil(study::TextureSketch::heightFor(width - 8, fontMetrics().height()))) + 8;
}

QSize TextureTriangle::sizeHint() const
{
    return {340, heightForWidth(340)};
}

QSize TextureTriangle::minimumSizeHint() const
{
    const int width = 16 * fontMetrics().height();
    return {width, heightForWidth(width)};
}

void TextureTriangle::paintPicture(QPainter &painter) const
{
    m_sketch.paint(painter, area(), font());
}

QString TextureTriangle::toolTipAt(const QPointF &point) const
{
    return m_sketch.toolTipAt(point, area(), font());
}

} // namespace yuc
