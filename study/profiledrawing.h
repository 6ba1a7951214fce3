#pragma once

#include "model/munsell.h"
#include "model/profileformat.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QWidget>

#include <optional>

class QPainter;
class QPaintDevice;

namespace yuc::study {

// A diagnostic horizon or contact beside the bands, with its depths; one
// that was recorded but that the data contradict is marked so, with why.
struct Bracket {
    QString name;
    double top = 0;
    double bottom = 0;
    bool contradicted = false;
    QString note;
};
// The diagnostic horizons and contacts the key's evaluation identifies in a
// profile, as brackets, and the describer's records the data contradict.
QList<Bracket> bracketsOf(const Profile &profile);

// A described soil drawn to scale: its horizons as bands in the colours of
// their Munsell notations, a depth scale, the brackets, and a depth plot of
// every property it measures. Worked out once per change; painted by the
// profile window and into the handed-in record alike.
class ProfileSketch
{
public:
    ProfileSketch() = default;
    ProfileSketch(const Profile &profile, bool dry, const QList<Bracket> &brackets = {});

    struct Band {
        QString designation;
        double top = 0;
        double bottom = 0;
        QString notation;            // the colour shown (moist or dry), as written
        std::optional<Srgb8> colour; // none: drawn hatched grey
        bool rock = false;           // a contact (R, Cr): drawn as rock
    };
    struct Plot {
        Property property;
        QString name; // short, above the plot
        QString unit;
        double low = 0;
        double high = 1;
        QList<std::optional<double>> values; // one per band
    };

    const QList<Band> &bands() const { return m_bands; }
    const QList<Plot> &plots() const { return m_plots; }
    const QList<Bracket> &brackets() const { return m_brackets; }
    bool dry() const { return m_dry; }
    // The bottom of the lowest horizon, in cm.
    double depth() const { return m_depth; }
    // What the bands cannot show as they should: which horizon, and why; the
    // brackets the data contradict.
    const QStringList &notes() const { return m_notes; }
    // Everything the drawing shows, in words.
    QString description() const;

    // Paints the drawing into the area; the font's size sets the lettering,
    // and so how many plots find room (those left out are named at the foot).
    void paint(QPainter &painter, const QRectF &area, const QFont &font) const;
    // Where a horizon's band lies when painted so.
    QRectF bandRect(int horizon, const QRectF &area, const QFont &font, const QPaintDevice *device = nullptr) const;
    // The plots that find room in the area, in their order.
    int plotsShown(const QRectF &area, const QFont &font, const QPaintDevice *device = nullptr) const;
    // What lies under a point: a band's horizon and colour, or a plot's value.
    QString toolTipAt(const QPointF &point, const QRectF &area, const QFont &font) const;

private:
    struct Geometry;
    Geometry geometry(const QRectF &area, const QFont &font, const QPaintDevice *device) const;

    QString m_title;
    bool m_dry = false;
    double m_depth = 0;
    QList<Band> m_bands;
    QList<QStringList> m_values; // per band: every measured value in words
    QList<Plot> m_plots;
    QList<Bracket> m_brackets;
    QList<int> m_lanes; // per bracket, the lane it stands in
    int m_laneCount = 0;
    QStringList m_notes;
};

// "8–88 cm"
QString depthRange(double top, double bottom);
QColor toColour(Srgb8 colour);
// The font at a fraction of its size, in points or pixels as it is given.
QFont scaledFont(const QFont &font, double factor);

} // namespace yuc::study

namespace yuc {

// A picture our code paints, in a window: named for a screen reader, reached
// with Tab, with a tool tip for what lies under the pointer.
class PictureWidget : public QWidget
{
    Q_OBJECT
public:
    PictureWidget(const QString &objectName, const QString &accessibleName, QWidget *parent);

protected:
    // The rectangle painted in, inside a small margin.
    QRectF area() const;
    virtual void paintPicture(QPainter &painter) const = 0;
    virtual QString toolTipAt(const QPointF &point) const = 0;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};

// The profile drawing in a window: it follows the profile it is given and
// tells a screen reader all it shows.
class ProfileDrawing : public PictureWidget
{
    Q_OBJECT
public:
    explicit ProfileDrawing(QWidget *parent = nullptr);
    void setProfile(const study::Profile &profile);
    // Dry colours instead of moist ones.
    void setDry(bool dry);
    // The diagnostic horizons and contacts to stand beside the bands.
    void setBrackets(const QList<study::Bracket> &brackets);
    const study::ProfileSketch &sketch() const { return m_sketch; }
    QRect bandRect(int horizon) const;
    int plotsShown() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The drawing, its notes or its description changed.
    void changed();

protected:
    void paintPicture(QPainter &painter) const override;
    QString toolTipAt(const QPointF &point) const override;

private:
    void redraw();
    study::Profile m_profile;
    QList<study::Bracket> m_brackets;
    bool m_dry = false;
    study::ProfileSketch m_sketch;
};

} // namespace yuc
