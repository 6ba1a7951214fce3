#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace yuc::study {

// A point of the texture triangle: sand and clay in percent of the fine
// earth, silt the rest.
struct TexturePoint {
    double sand = 0;
    double clay = 0;
};

// One of the twelve USDA texture classes and its region of the triangle:
// one or two convex pieces (sandy loam and silt loam have two), each a
// polygon, worked out from the same limits the classes are told by.
struct TextureClass {
    QString name;
    QList<QList<TexturePoint>> pieces;
};
const QList<TextureClass> &usdaTextureClasses();
// The area of a polygon of the triangle, in square percent (the whole is 5000).
double polygonArea(const QList<TexturePoint> &polygon);

// The class of a fine earth with this clay and sand (silt by difference);
// empty when the two are not percentages of one whole (negative, or more than
// 100 together).
QString textureClassOf(double clay, double sand);

// The class of the twelve that a stated class names: a sand-size modifier is
// left out ("loamy fine sand" is a loamy sand); empty for no class.
QString baseTextureClass(const QString &stated);

// The classes a horizon may be given: the twelve, with the sand-size
// modifiers of the sandy ones, in the order of the triangle.
const QStringList &textureClasses();

} // namespace yuc::study
