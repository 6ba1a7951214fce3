#pragma once

#include "model/munsell.h"
#include "model/profileformat.h"
#include "model/texture.h"
#include "study/profiledrawing.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QWidget>

#include <optional>

class QPainter;
class QPaintDevice;

namespace yuc::study {

// The USDA texture triangle with a profile's horizons plotted on it by their
// clay and sand (silt by difference), each labelled with its designation; a
// horizon whose stated class disagrees with its figures is marked and listed.
// Painted by the profile window and into the handed-in record alike.
class TextureSketch
{
public:
    TextureSketch() = default;
    explicit TextureSketch(const Profile &profile);

    struct Point {
        QString designation;
        double top = 0;
        double bottom = 0;
        double clay = 0;
        double sand = 0;
        QString found;  // the class its clay and sand make
        QString stated; // its texture_class as written, if any
        std::optional<Srgb8> colour;
        bool disagrees() const { return !stated.isEmpty() && baseTextureClass(stated) != found; }
    };
    const QList<Point> &points() const { return m_points; }
    // Each horizon whose stated class disagrees, with both classes.
    const QStringList &disagreements() const { return m_disagreements; }
    // The horizons that cannot be plotted, and why.
    const QStringList &notes() const { return m_notes; }
    QString description() const;

    void paint(QPainter &painter, const QRectF &area, const QFont &font) const;
    // Where a mixture lies when painted so.
    QPointF position(TexturePoint point, const QRectF &area, const QFont &font,
                     const QPaintDevice *device = nullptr) const;
    // The height the triangle takes at a width.
    static double heightFor(double width, double em);
    // The fill of a class's region.
    static QColor classColour(const QString &name);
    QString toolTipAt(const QPointF &point, const QRectF &area, const QFont &font) const;

private:
    struct Geometry;
    Geometry geometry(const QRectF &area, const QFont &font, const QPaintDevice *device) const;

    QString m_title;
    QList<Point> m_points;
    QStringList m_disagreements;
    QStringList m_notes;
};

} // namespace yuc::study

namespace yuc {

// The texture triangle in a window: it follows the profile it is given and
// tells a screen reader all it shows.
class TextureTriangle : public PictureWidget
{
    Q_OBJECT
public:
    explicit TextureTriangle(QWidget *parent = nullptr);
    void setProfile(const study::Profile &profile);
    const study::TextureSketch &sketch() const { return m_sketch; }
    // Where a mixture lies in the widget.
    QPointF position(study::TexturePoint point) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintPicture(QPainter &painter) const override;
    QString toolTipAt(const QPointF &point) const override;

private:
    study::TextureSketch m_sketch;
};

} // namespace yuc
