#include "study/profiledrawing.h"

#include "model/soil.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QToolTip>

#include <cmath>

namespace yuc::study {

namespace {

// The properties plotted first, where the profile measures them: those the
// key's diagnostic horizons turn on. Every other number follows in its order.
const QStringList &preferredPlots()
{
    static const QStringList keys{QStringLiteral("clay_pct"), QStringLiteral("caco3_pct"), QStringLiteral("gypsum_pct"),
                                  QStringLiteral("ec_dS_m"), QStringLiteral("esp_pct")};
    return keys;
}

bool isContact(const QString &designation)
{
    // Bedrock (R) and weathered bedrock (Cr), after a discontinuity's number if any.
    static const QRegularExpression contact(QStringLiteral("^\\d*(?:R|Cr[a-z]*)\\d*'?$"));
    return contact.match(designation.trimmed()).hasMatch();
}

// The smallest of 1, 2, 2.5 and 5 times a power of ten that reaches the value.
double niceCeiling(double value)
{
    if (value <= 0)
        return 1;
    const double power = std::pow(10, std::floor(std::log10(value)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * power >= value * (1 - 1e-12))
            return m * power;
    return 10 * power;
}

QString number(double value)
{
    return numberText(std::round(value * 100) / 100);
}

// "EC, saturated paste (dS/m)": the name before the comma or the unit, and the unit.
std::pair<QString, QString> nameAndUnit(const QString &heading)
{
    QString name = heading;
    QString unit;
    if (heading.endsWith(QLatin1Char(')'))) {
        const qsizetype open = heading.lastIndexOf(QLatin1Char('('));
        unit = heading.mid(open + 1, heading.size() - open - 2);
        name = heading.left(open).trimmed();
    }
    if (const qsizetype comma = name.indexOf(QLatin1Char(',')); comma > 0)
        name = name.left(comma);
    return {name, unit};
}

// Diagonal lines across a rectangle, spaced for the lettering's size (a
// pattern brush would be device pixels: invisible on a printer).
void hatch(QPainter &painter, const QRectF &rect, double spacing, const QColor &colour)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(QPen(colour, std::max(1.0, spacing / 8)));
    for (double x = rect.left() - rect.height(); x < rect.right(); x += spacing)
        painter.drawLine(QPointF(x, rect.bottom()), QPointF(x + rect.height(), rect.top()));
    painter.restore();
}

// Blocks of stone, as rock is drawn in a profile.
void rock(QPainter &painter, const QRectF &rect, double em)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.fillRect(rect, QColor(150, 150, 150));
    painter.setPen(QPen(QColor(80, 80, 80), std::max(1.0, em / 10)));
    const double row = 0.8 * em;
    const double block = 1.8 * em;
    int n = 0;
    for (double y = rect.top(); y < rect.bottom(); y += row, ++n) {
        painter.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
        for (double x = rect.left() + (n % 2 ? block / 2 : 0); x < rect.right(); x += block)
            painter.drawLine(QPointF(x, y), QPointF(x, std::min(y + row, rect.bottom())));
    }
    painter.restore();
}

} // namespace

QColor toColour(Srgb8 colour)
{
    return {colour.r, colour.g, colour.b};
}

QFont scaledFont(const QFont &font, double factor)
{
    QFont f = font;
    if (font.pointSizeF() > 0)
        f.setPointSizeF(font.pointSizeF() * factor);
    else
        f.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    return f;
}

QString depthRange(double top, double bottom)
{
    return QStringLiteral("%1\u2013%2 cm").arg(numberText(top), numberText(bottom));
}

struct ProfileSketch::Geometry {
    double em = 0;
    QFont small;
    double smallHeight = 0;
    QRectF scale;
    QRectF bands;
    QList<QRectF> lanes;
    QList<QRectF> plots;
    double headerTop = 0;
    double top = 0;
    double bottom = 0;
    QRectF foot;
    QString footText;
    double y(double cm, double depth) const { return top + (bottom - top) * (depth > 0 ? cm / depth : 0); }
};

QList<Bracket> bracketsOf(const Profile &profile)
{
    QList<Bracket> brackets;
    const eval::Soil soil(profile);
    for (const eval::Identified &found : soil.identified())
        brackets << Bracket{found.name, found.top, found.bottom, found.contradicted,
                            found.contradicted   ? QStringLiteral("recorded by the describer; the data say otherwise")
                            : found.recordedOnly ? QStringLiteral("recorded by the describer; the data cannot decide")
                                                 : QString()};
    return brackets;
}

ProfileSketch::ProfileSketch(const Profile &profile, bool dry, const QList<Bracket> &brackets)
    : m_title(profile.title),
      m_dry(dry),
      m_brackets(brackets)
{
    const QString colourKey = dry ? QStringLiteral("munsell_dry") : QStringLiteral("munsell_moist");
    const QString state = dry ? QStringLiteral("dry") : QStringLiteral("moist");
    const QList<Property> used = usedProperties(profile);
    for (const Horizon &h : profile.horizons) {
        Band band{h.designation, h.top, h.bottom, h.texts.value(colourKey).trimmed(), {}, isContact(h.designation)};
        m_depth = std::max(m_depth, h.bottom);
        const QString which = QStringLiteral("%1 (%2)").arg(h.designation, depthRange(h.top, h.bottom));
        if (!band.notation.isEmpty()) {
            const MunsellColour colour = munsellColour(band.notation);
            band.colour = colour.rgb;
            if (!colour.rgb)
                m_notes << QStringLiteral("%1: its %2 colour %3 cannot be drawn: %4; it is hatched grey.")
                               .arg(which, state, band.notation, colour.reason);
            else if (colour.clipped)
                m_notes << QStringLiteral("%1: %2 lies beyond the colours a screen shows; it is drawn in the "
                                          "nearest one.")
                               .arg(which, band.notation);
        } else if (!band.rock) {
            m_notes << QStringLiteral("%1: no %2 colour is given; it is hatched grey.").arg(which, state);
        }
        QStringList values;
        for (const Property &p : used)
            if (const QString v = horizonValue(h, p); !v.isEmpty() && QLatin1String(p.key) != colourKey)
                values << QStringLiteral("%1: %2").arg(QString::fromUtf8(p.heading), v);
        m_values << values;
        m_bands << band;
    }

    // Measured numbers are plotted; words, yes-or-no and choices are told.
    QList<Property> numeric;
    for (const Property &p : used)
        if (p.kind == Property::Percent || p.kind == Property::Number || p.kind == Property::Ph
            || p.kind == Property::Celsius)
            numeric << p;
    std::stable_sort(numeric.begin(), numeric.end(), [](const Property &a, const Property &b) {
        const auto rank = [](const Property &p) {
            const qsizetype i = preferredPlots().indexOf(QLatin1String(p.key));
            return i < 0 ? preferredPlots().size() : i;
        };
        return rank(a) < rank(b);
    });
    for (const Property &p : numeric) {
        const auto [name, unit] = nameAndUnit(QString::fromUtf8(p.heading));
        Plot plot{p, name, unit, 0, 1, {}};
        double low = 1e300;
        double high = -1e300;
        for (const Horizon &h : profile.horizons) {
            const auto it = h.numbers.constFind(QLatin1String(p.key));
            plot.values << (it == h.numbers.constEnd() ? std::nullopt : std::optional<double>(*it));
            if (it != h.numbers.constEnd()) {
                low = std::min(low, *it);
                high = std::max(high, *it);
            }
        }
        // pH and temperatures over the span they take; amounts from nothing up.
        if (p.kind == Property::Ph || p.kind == Property::Celsius) {
            plot.low = std::floor(low);
            plot.high = std::max(plot.low + 1, std::ceil(high));
        } else {
            plot.high = niceCeiling(high);
            if (p.kind == Property::Percent)
                plot.high = std::min(plot.high, 100.0);
        }
        m_plots << plot;
    }

    // Brackets that overlap stand in lanes side by side.
    QList<double> laneEnds;
    for (const Bracket &b : m_brackets) {
        int lane = 0;
        while (lane < laneEnds.size() && laneEnds.at(lane) > b.top)
            ++lane;
        if (lane == laneEnds.size())
            laneEnds << b.bottom;
        else
            laneEnds[lane] = b.bottom;
        m_lanes << lane;
        if (b.contradicted)
            m_notes << QStringLiteral("%1 %2 is recorded, but the data contradict it%3.")
                           .arg(b.name, depthRange(b.top, b.bottom),
                                b.note.isEmpty() ? QString() : QStringLiteral(": ") + b.note);
    }
    m_laneCount = int(laneEnds.size());
}

QString ProfileSketch::description() const
{
    if (m_bands.isEmpty())
        return QStringLiteral("Profile drawing: no horizons to draw.");
    const QString state = m_dry ? QStringLiteral("dry") : QStringLiteral("moist");
    QStringList parts{
        QStringLiteral("Profile drawing of %1, 0 to %2 cm, in %3 colours.")
            .arg(m_title.isEmpty() ? QStringLiteral("the profile") : m_title, numberText(m_depth), state)};
    for (qsizetype i = 0; i < m_bands.size(); ++i) {
        const Band &b = m_bands.at(i);
        QString colour;
        if (b.colour)
            colour = QStringLiteral("%1 colour %2, %3").arg(state, b.notation, colourName(*b.colour));
        else if (!b.notation.isEmpty())
            colour = QStringLiteral("%1 colour %2, which cannot be drawn: hatched grey").arg(state, b.notation);
        else if (!b.rock)
            colour = QStringLiteral("no %1 colour: hatched grey").arg(state);
        QStringList words{
            QStringLiteral("%1, %2 to %3 cm").arg(b.designation, numberText(b.top), numberText(b.bottom))};
        if (b.rock)
            words << QStringLiteral("rock, a contact");
        if (!colour.isEmpty())
            words << colour;
        words << m_values.at(i);
        parts << words.join(QStringLiteral("; ")) + QLatin1Char('.');
    }
    if (!m_brackets.isEmpty()) {
        QStringList brackets;
        for (const Bracket &b : m_brackets)
            brackets << QStringLiteral("%1 %2").arg(b.name, depthRange(b.top, b.bottom))
                            + (b.contradicted ? QStringLiteral(", recorded but contradicted by the data")
                                                    + (b.note.isEmpty() ? QString() : QStringLiteral(": ") + b.note)
                                              : QString());
        parts << QStringLiteral("Beside the bands: %1.").arg(brackets.join(QStringLiteral("; ")));
    }
    if (!m_plots.isEmpty()) {
        QStringList names;
        for (const Plot &p : m_plots)
            names << QString::fromUtf8(p.property.heading);
        parts << QStringLiteral("Depth plots of %1.").arg(names.join(QStringLiteral(", ")));
    }
    return parts.join(QLatin1Char(' '));
}

ProfileSketch::Geometry ProfileSketch::geometry(const QRectF &area, const QFont &font, const QPaintDevice *device) const
{
    Geometry g;
    const QFontMetricsF fm = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
    g.small = scaledFont(font, 0.8);
    const QFontMetricsF fs = device ? QFontMetricsF(g.small, device) : QFontMetricsF(g.small);
    g.em = fm.height();
    g.smallHeight = fs.height();
    const double em = g.em;
    g.headerTop = area.top();
    const double header = 3 * g.smallHeight + 0.3 * em;

    const double scaleWidth = fs.horizontalAdvance(numberText(std::ceil(m_depth)) + QStringLiteral("0")) + 0.5 * em;
    double designation = 0;
    for (const Band &b : m_bands)
        designation = std::max(designation, fm.horizontalAdvance(b.designation));
    const double bandsWidth = std::min(std::max(3.4 * em, designation + 0.8 * em), 0.3 * area.width());
    const double laneWidth = g.smallHeight + 0.3 * em; // a rotated name in the small face
    const double lanesWidth = m_laneCount * laneWidth + (m_laneCount ? 0.3 * em : 0);
    const double plotsLeft = area.left() + scaleWidth + bandsWidth + lanesWidth + 0.4 * em;
    const double room = area.right() - plotsLeft;

    // As many plots as find room, each at least as wide as its heading's
    // shortest form; what room is left widens them all alike.
    int shown = 0;
    QList<double> widths;
    double used = 0;
    for (const Plot &p : m_plots) {
        const double heading =
            std::max(fs.horizontalAdvance(p.name.section(QLatin1Char(' '), 0, 0)), fs.horizontalAdvance(p.unit));
        const double width = std::max(1.8 * em, heading + 0.2 * em);
        if (used + width > room)
            break;
        used += width;
        widths << width;
        ++shown;
    }
    double footHeight = 0;
    if (shown < m_plots.size()) {
        QStringList names;
        for (qsizetype i = shown; i < m_plots.size(); ++i)
            names << m_plots.at(i).name;
        g.footText = QStringLiteral("Not plotted for want of room: %1.").arg(names.join(QStringLiteral(", ")));
        const QRectF needed = fs.boundingRect(QRectF(0, 0, area.width(), 1e6), Qt::TextWordWrap, g.footText);
        footHeight = needed.height() + 0.3 * em;
        g.foot = QRectF(area.left(), area.bottom() - needed.height(), area.width(), needed.height());
    }
    g.top = area.top() + header;
    g.bottom = std::max(g.top + em, area.bottom() - footHeight - 0.6 * g.smallHeight);
    g.scale = QRectF(area.left(), g.top, scaleWidth, g.bottom - g.top);
    g.bands = QRectF(g.scale.right(), g.top, bandsWidth, g.bottom - g.top);
    for (int lane = 0; lane < m_laneCount; ++lane)
        g.lanes << QRectF(g.bands.right() + 0.3 * em + lane * laneWidth, g.top, laneWidth, g.bottom - g.top);
    const double extra = shown ? (room - used) / shown : 0;
    double x = plotsLeft;
    for (const double width : std::as_const(widths)) {
        const double w = std::min(width + extra, 9 * em);
        g.plots << QRectF(x + 0.15 * em, g.top, w - 0.3 * em, g.bottom - g.top);
        x += w;
    }
    return g;
}

QRectF ProfileSketch::bandRect(int horizon, const QRectF &area, const QFont &font, const QPaintDevice *device) const
{
    if (horizon < 0 || horizon >= m_bands.size())
        return {};
    const Geometry g = geometry(area, font, device);
    const Band &b = m_bands.at(horizon);
    return QRectF(QPointF(g.bands.left(), g.y(b.top, m_depth)), QPointF(g.bands.right(), g.y(b.bottom, m_depth)));
}

int ProfileSketch::plotsShown(const QRectF &area, const QFont &font, const QPaintDevice *device) const
{
    return int(geometry(area, font, device).plots.size());
}

void ProfileSketch::paint(QPainter &painter, const QRectF &area, const QFont &font) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    if (m_bands.isEmpty()) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("No horizons to draw."));
        painter.restore();
        return;
    }
    const Geometry g = geometry(area, font, painter.device());
    const double em = g.em;
    const QFontMetricsF fm(font, painter.device());
    const QFontMetricsF fs(g.small, painter.device());
    const QPen line(QColor(60, 60, 60), std::max(1.0, em / 14));
    const auto y = [&](double cm) { return g.y(cm, m_depth); };

    // The depth scale: round depths far enough apart to be read.
    painter.setFont(g.small);
    painter.setPen(line);
    double step = 1;
    for (const double s : {1.0, 2.0, 5.0, 10.0, 20.0, 25.0, 50.0, 100.0, 200.0, 500.0, 1000.0}) {
        step = s;
        if (y(s) - y(0) >= 2.2 * g.smallHeight)
            break;
    }
    painter.drawText(QRectF(g.scale.left(), g.top - 1.4 * g.smallHeight, g.scale.width() - 0.2 * em, g.smallHeight),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("cm"));
    painter.drawLine(QPointF(g.scale.right(), g.top), QPointF(g.scale.right(), g.bottom));
    for (double d = 0; d <= m_depth + 1e-9; d += step) {
        painter.drawLine(QPointF(g.scale.right() - 0.35 * em, y(d)), QPointF(g.scale.right(), y(d)));
        painter.drawText(QRectF(g.scale.left(), y(d) - g.smallHeight / 2, g.scale.width() - 0.45 * em, g.smallHeight),
                         Qt::AlignRight | Qt::AlignVCenter, numberText(d));
    }

    // The bands, in their colours; hatched where there is none, stone for rock.
    for (const Band &b : m_bands) {
        const QRectF r(QPointF(g.bands.left(), y(b.top)), QPointF(g.bands.right(), y(b.bottom)));
        if (b.rock) {
            rock(painter, r, em);
        } else if (b.colour) {
            painter.fillRect(r, toColour(*b.colour));
        } else {
            painter.fillRect(r, QColor(215, 215, 215));
            hatch(painter, r, 0.5 * em, QColor(110, 110, 110));
        }
        painter.setPen(line);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
        const bool dark = !b.rock && b.colour && luminance(*b.colour) < 0.2;
        const QRectF inside = r.adjusted(0.2 * em, 0, -0.2 * em, 0);
        const QString designation = fm.elidedText(b.designation, Qt::ElideRight, inside.width());
        const QString depths = fs.elidedText(QStringLiteral("%1\u2013%2").arg(numberText(b.top), numberText(b.bottom)),
                                             Qt::ElideRight, inside.width());
        const bool both = r.height() >= em + g.smallHeight;
        if (!both && r.height() < 0.9 * em)
            continue;
        const double middle = r.center().y();
        const QRectF first = both ? QRectF(inside.left(), middle - em, inside.width(), em) : inside;
        const QRectF second(inside.left(), middle, inside.width(), g.smallHeight);
        // On stone or hatching the lettering stands on a pale ground, to be read.
        if (!b.colour || b.rock) {
            const double width =
                std::max(fm.horizontalAdvance(designation), both ? fs.horizontalAdvance(depths) : 0.0) + 0.3 * em;
            const double top = both ? first.top() : middle - em / 2;
            const double bottom = both ? second.bottom() : middle + em / 2;
            painter.fillRect(QRectF(r.center().x() - width / 2, top, width, bottom - top), QColor(255, 255, 255, 210));
        }
        painter.setPen(dark ? Qt::white : Qt::black);
        painter.setFont(font);
        painter.drawText(first, Qt::AlignCenter, designation);
        if (both) {
            painter.setFont(g.small);
            painter.drawText(second, Qt::AlignCenter, depths);
        }
    }

    // The brackets: a line the height of the horizon, its name and depths along it.
    for (qsizetype i = 0; i < m_brackets.size(); ++i) {
        const Bracket &b = m_brackets.at(i);
        const QRectF lane = g.lanes.at(m_lanes.at(i));
        const double x = lane.left() + 0.25 * em;
        const double y0 = y(std::max(0.0, b.top));
        const double y1 = y(std::min(m_depth, b.bottom));
        QPen pen(b.contradicted ? QColor(200, 0, 0) : QColor(30, 30, 30), std::max(1.0, em / 8));
        if (b.contradicted)
            pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y0), QPointF(x, y1));
        painter.drawLine(QPointF(x, y0), QPointF(x - 0.25 * em, y0));
        painter.drawLine(QPointF(x, y1), QPointF(x - 0.25 * em, y1));
        QString label = QStringLiteral("%1 %2").arg(b.name, depthRange(b.top, b.bottom));
        if (b.contradicted)
            label += QStringLiteral(" \u2717 contradicted");
        painter.save();
        painter.setFont(g.small);
        painter.translate(x + 0.15 * em, y1);
        painter.rotate(-90);
        painter.drawText(QRectF(0, 0, y1 - y0, lane.width() - 0.3 * em), Qt::AlignCenter,
                         fs.elidedText(label, Qt::ElideRight, y1 - y0));
        painter.restore();
    }

    // The depth plots: each value a step over its horizon's depths.
    for (qsizetype i = 0; i < g.plots.size(); ++i) {
        const Plot &p = m_plots.at(i);
        const QRectF r = g.plots.at(i);
        painter.fillRect(r, QColor(246, 246, 246));
        painter.setPen(QPen(QColor(200, 200, 200), std::max(1.0, em / 20), Qt::DotLine));
        for (const Band &b : m_bands)
            painter.drawLine(QPointF(r.left(), y(b.bottom)), QPointF(r.right(), y(b.bottom)));
        painter.setFont(g.small);
        painter.setPen(Qt::black);
        const double slack = 0.3 * em;
        const QString name =
            fs.horizontalAdvance(p.name) <= r.width() + slack ? p.name : p.name.section(QLatin1Char(' '), 0, 0);
        const QRectF heading(r.left() - slack / 2, g.headerTop, r.width() + slack, g.smallHeight);
        painter.drawText(heading, Qt::AlignCenter, fs.elidedText(name, Qt::ElideRight, heading.width()));
        painter.drawText(heading.translated(0, g.smallHeight), Qt::AlignCenter,
                         fs.elidedText(p.unit, Qt::ElideRight, heading.width()));
        const QRectF ticks(r.left(), g.headerTop + 2 * g.smallHeight, r.width(), g.smallHeight);
        painter.drawText(ticks, Qt::AlignLeft | Qt::AlignVCenter, number(p.low));
        painter.drawText(ticks, Qt::AlignRight | Qt::AlignVCenter, number(p.high));
        painter.setPen(line);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        const auto x = [&](double v) {
            return r.left() + r.width() * std::clamp((v - p.low) / (p.high - p.low), 0.0, 1.0);
        };
        QPainterPath steps;
        bool open = false;
        for (qsizetype k = 0; k < m_bands.size(); ++k) {
            const std::optional<double> v = p.values.at(k);
            const Band &b = m_bands.at(k);
            if (!v) {
                open = false;
                continue;
            }
            const bool joins = open && k > 0 && std::abs(m_bands.at(k - 1).bottom - b.top) < 1e-9;
            if (joins)
                steps.lineTo(x(*v), y(b.top));
            else
                steps.moveTo(x(*v), y(b.top));
            steps.lineTo(x(*v), y(b.bottom));
            painter.fillRect(QRectF(QPointF(r.left(), y(b.top)), QPointF(x(*v), y(b.bottom))),
                             QColor(70, 110, 160, 60));
            open = true;
        }
        painter.setPen(QPen(QColor(30, 70, 130), std::max(1.5, em / 8)));
        painter.drawPath(steps);
    }

    if (!g.footText.isEmpty()) {
        painter.setFont(g.small);
        painter.setPen(QColor(60, 60, 60));
        painter.drawText(g.foot, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, g.footText);
    }
    painter.restore();
}

QString ProfileSketch::toolTipAt(const QPointF &point, const QRectF &area, const QFont &font) const
{
    const Geometry g = geometry(area, font, nullptr);
    if (point.y() < g.top || point.y() > g.bottom || m_depth <= 0)
        return {};
    const double cm = (point.y() - g.top) / (g.bottom - g.top) * m_depth;
    qsizetype band = -1;
    for (qsizetype i = 0; i < m_bands.size(); ++i)
        if (cm >= m_bands.at(i).top && cm <= m_bands.at(i).bottom)
            band = i;
    if (band < 0)
        return {};
    const Band &b = m_bands.at(band);
    const QString where = QStringLiteral("%1, %2").arg(b.designation, depthRange(b.top, b.bottom));
    if (g.bands.contains(point)) {
        if (b.colour)
            return QStringLiteral("%1: %2 (%3)").arg(where, b.notation, colourName(*b.colour));
        return b.rock ? where + QStringLiteral(": rock") : where + QStringLiteral(": no colour to draw");
    }
    for (qsizetype i = 0; i < g.plots.size(); ++i)
        if (g.plots.at(i).adjusted(-0.25 * g.em, 0, 0.25 * g.em, 0).contains(point)) {
            const Plot &p = m_plots.at(i);
            const std::optional<double> v = p.values.at(band);
            return QStringLiteral("%1 in %2: %3")
                .arg(QString::fromUtf8(p.property.heading), where, v ? numberText(*v) : QStringLiteral("not measured"));
        }
    return {};
}

} // namespace yuc::study

namespace yuc {

PictureWidget::PictureWidget(const QString &objectName, const QString &accessibleName, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

QRectF PictureWidget::area() const
{
    return QRectF(rect()).adjusted(4, 4, -4, -4);
}

void PictureWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPicture(painter);
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

bool PictureWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

ProfileDrawing::ProfileDrawing(QWidget *parent)
    : PictureWidget(QStringLiteral("profile_drawing"), QStringLiteral("Profile drawing"), parent)
{
    redraw();
}

void ProfileDrawing::setProfile(const study::Profile &profile)
{
    m_profile = profile;
    redraw();
}

void ProfileDrawing::setDry(bool dry)
{
    if (dry == m_dry)
        return;
    m_dry = dry;
    redraw();
}

void ProfileDrawing::setBrackets(const QList<study::Bracket> &brackets)
{
    m_brackets = brackets;
    redraw();
}

void ProfileDrawing::redraw()
{
    m_sketch = study::ProfileSketch(m_profile, m_dry, m_brackets);
    setAccessibleDescription(m_sketch.description());
    update();
    emit changed();
}

QRect ProfileDrawing::bandRect(int horizon) const
{
    return m_sketch.bandRect(horizon, area(), font()).toRect();
}

int ProfileDrawing::plotsShown() const
{
    return m_sketch.plotsShown(area(), font());
}

QSize ProfileDrawing::sizeHint() const
{
    return {360, 420};
}

QSize ProfileDrawing::minimumSizeHint() const
{
    const int em = fontMetrics().height();
    return {14 * em, 22 * em};
}

void ProfileDrawing::paintPicture(QPainter &painter) const
{
    m_sketch.paint(painter, area(), font());
}

QString ProfileDrawing::toolTipAt(const QPointF &point) const
{
    return m_sketch.toolTipAt(point, area(), font());
}

} // namespace yuc
