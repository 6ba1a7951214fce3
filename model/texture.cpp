#include "model/texture.h"

#include <QHash>

#include <cmath>

namespace yuc::study {

namespace {

// A limit of a class: a weighted sum of sand, silt and clay against a bound,
// as the class definitions state them ("silt plus twice the clay is 30 or more").
struct Limit {
    double sand;
    double silt;
    double clay;
    enum Compare { Less, AtMost, AtLeast, More } compare;
    double bound;

    double excess(double sandPct, double clayPct) const
    {
        return sand * sandPct + silt * (100 - sandPct - clayPct) + clay * clayPct - bound;
    }
    bool holds(double sandPct, double clayPct) const
    {
        const double e = excess(sandPct, clayPct);
        switch (compare) {
        case Less:
            return e < 0;
        case AtMost:
            return e <= 0;
        case AtLeast:
            return e >= 0;
        case More:
            return e > 0;
        }
        return false;
    }
    // Positive inside the limit, zero on it: the side a polygon is clipped to.
    double inside(TexturePoint p) const
    {
        const double e = excess(p.sand, p.clay);
        return compare == Less || compare == AtMost ? -e : e;
    }
};

constexpr Limit sand(Limit::Compare compare, double bound)
{
    return {1, 0, 0, compare, bound};
}
constexpr Limit silt(Limit::Compare compare, double bound)
{
    return {0, 1, 0, compare, bound};
}
constexpr Limit clay(Limit::Compare compare, double bound)
{
    return {0, 0, 1, compare, bound};
}

struct ClassLimits {
    const char *name;
    QList<QList<Limit>> pieces; // the class holds where every limit of one piece holds
};

// The twelve classes of the USDA texture triangle by their limits (Soil
// Survey Manual); together they cover the triangle once. Limits another one
// implies are left out: sand (more than 85 %) follows from silt + 1.5 clay
// below 15, as loamy sand's 70 % does from silt + 2 clay below 30.
const QList<ClassLimits> &classLimits()
{
    using L = Limit;
    static const QList<ClassLimits> limits{
        {"sand", {{{0, 1, 1.5, L::Less, 15}}}},
        {"loamy sand", {{{0, 1, 1.5, L::AtLeast, 15}, {0, 1, 2, L::Less, 30}}}},
        {"sandy loam",
         {{clay(L::AtLeast, 7), clay(L::Less, 20), sand(L::More, 52), {0, 1, 2, L::AtLeast, 30}},
          {clay(L::Less, 7), silt(L::Less, 50), {0, 1, 2, L::AtLeast, 30}}}},
        {"loam",
         {{clay(L::AtLeast, 7), clay(L::Less, 27), silt(L::AtLeast, 28), silt(L::Less, 50), sand(L::AtMost, 52)}}},
        {"silt loam",
         {{silt(L::AtLeast, 50), clay(L::AtLeast, 12), clay(L::Less, 27)},
          {silt(L::AtLeast, 50), silt(L::Less, 80), clay(L::Less, 12)}}},
        {"silt", {{silt(L::AtLeast, 80), clay(L::Less, 12)}}},
        {"sandy clay loam", {{clay(L::AtLeast, 20), clay(L::Less, 35), silt(L::Less, 28), sand(L::More, 45)}}},
        {"clay loam", {{clay(L::AtLeast, 27), clay(L::Less, 40), sand(L::More, 20), sand(L::AtMost, 45)}}},
        {"silty clay loam", {{clay(L::AtLeast, 27), clay(L::Less, 40), sand(L::AtMost, 20)}}},
        {"sandy clay", {{clay(L::AtLeast, 35), sand(L::More, 45)}}},
        {"silty clay", {{clay(L::AtLeast, 40), silt(L::AtLeast, 40)}}},
        {"clay", {{clay(L::AtLeast, 40), sand(L::AtMost, 45), silt(L::Less, 40)}}},
    };
    return limits;
}

// The part of a convex polygon on the inner side of a limit (Sutherland and Hodgman).
QList<TexturePoint> clip(const QList<TexturePoint> &polygon, const Limit &limit)
{
    QList<TexturePoint> kept;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const TexturePoint p = polygon.at(i);
        const TexturePoint q = polygon.at((i + 1) % polygon.size());
        const double dp = limit.inside(p);
        const double dq = limit.inside(q);
        if (dp >= 0)
            kept << p;
        if ((dp < 0 && dq > 0) || (dp > 0 && dq < 0)) {
            const double t = dp / (dp - dq);
            kept << TexturePoint{p.sand + t * (q.sand - p.sand), p.clay + t * (q.clay - p.clay)};
        }
    }
    // Corners that clipping left twice.
    QList<TexturePoint> distinct;
    for (const TexturePoint &p : kept)
        if (distinct.isEmpty() || std::hypot(p.sand - distinct.last().sand, p.clay - distinct.last().clay) > 1e-9)
            distinct << p;
    while (distinct.size() > 1
           && std::hypot(distinct.first().sand - distinct.last().sand, distinct.first().clay - distinct.last().clay)
                  <= 1e-9)
        distinct.removeLast();
    return distinct;
}

} // namespace

const QList<TextureClass> &usdaTextureClasses()
{
    static const QList<TextureClass> classes = [] {
        QList<TextureClass> built;
        const QList<TexturePoint> triangle{{100, 0}, {0, 0}, {0, 100}};
        for (const ClassLimits &limits : classLimits()) {
            TextureClass c{QLatin1String(limits.name), {}};
            for (const QList<Limit> &piece : limits.pieces) {
                QList<TexturePoint> polygon = triangle;
                for (const Limit &limit : piece)
                    polygon = clip(polygon, limit);
                if (polygon.size() >= 3)
                    c.pieces << polygon;
            }
            built << c;
        }
        return built;
    }();
    return classes;
}

double polygonArea(const QList<TexturePoint> &polygon)
{
    double twice = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const TexturePoint &a = polygon.at(i);
        const TexturePoint &b = polygon.at((i + 1) % polygon.size());
        twice += a.sand * b.clay - b.sand * a.clay;
    }
    return std::abs(twice) / 2;
}

QString textureClassOf(double clay, double sand)
{
    if (!(clay >= 0 && sand >= 0 && clay + sand <= 100))
        return {};
    for (const ClassLimits &limits : classLimits())
        for (const QList<Limit> &piece : limits.pieces)
            if (std::all_of(piece.begin(), piece.end(), [&](const Limit &l) { return l.holds(sand, clay); }))
                return QLatin1String(limits.name);
    return {};
}

const QStringList &textureClasses()
{
    static const QStringList names = [] {
        QStringList list;
        for (const ClassLimits &limits : classLimits()) {
            const QString name = QLatin1String(limits.name);
            const qsizetype sandy = name.indexOf(QLatin1String("sand"));
            // The sandy classes come in the sizes of their sand; silty and clayey ones do not.
            if (sandy < 0 || name.contains(QLatin1String("clay"))) {
                list << name;
                continue;
            }
            for (const char *size : {"coarse ", "", "fine ", "very fine "})
                list << QString(name).insert(sandy, QLatin1String(size));
        }
        return list;
    }();
    return names;
}

QString baseTextureClass(const QString &stated)
{
    static const QHash<QString, QString> bases = [] {
        QHash<QString, QString> map;
        for (const QString &name : textureClasses()) {
            QString base = name;
            for (const char *size : {"very fine ", "coarse ", "fine "})
                base.remove(QLatin1String(size));
            map.insert(name, base);
        }
        return map;
    }();
    return bases.value(stated.simplified().toLower());
}

} // namespace yuc::study
