#include "study/handin.h"

#include "shell/style.h"
#include "study/profiledrawing.h"
#include "study/record.h"
#include "study/texturetriangle.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

namespace yuc::study {

namespace {

constexpr double pageWidthMm = 210;
constexpr double marginMm = 20;
// QTextDocument::print keeps 2 cm inside the printable area of a document
// that has no page size of its own.
constexpr double printInsetMm = 20;
constexpr double pointsPerMm = 72 / 25.4;
constexpr double tablePoints = 7;
constexpr double picturePoints = 7.5;
// Padding and rule of a cell (2 px and 1 px at 96 dpi), with room to spare.
constexpr double cellExtraPoints = 6;

// The pictures of the handed-in record, painted on the page as vectors.
class Pictures : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    static constexpr int format = QTextFormat::UserObject + 24;
    enum Property { Which = QTextFormat::UserProperty + 1, Width, Height };

    using QObject::QObject;
    QList<ProfileSketch> drawings;
    QList<TextureSketch> triangles;

    // The handler of a document, registered on first use.
    static Pictures *of(QTextDocument *document)
    {
        if (auto *found = document->findChild<Pictures *>(QString(), Qt::FindDirectChildrenOnly))
            return found;
        auto *pictures = new Pictures(document);
        document->documentLayout()->registerHandler(format, pictures);
        return pictures;
    }

    QSizeF intrinsicSize(QTextDocument *document, int, const QTextFormat &f) override
    {
        const QPaintDevice *device = document->documentLayout()->paintDevice();
        const double scale = (device ? device->logicalDpiX() : 96) / 72.0;
        return QSizeF(f.doubleProperty(Width), f.doubleProperty(Height)) * scale;
    }
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int, const QTextFormat &f) override
    {
        const int which = f.intProperty(Which);
        const QFont font = timesFont(picturePoints);
        if (which >= 0 && which < drawings.size())
            drawings.at(which).paint(*painter, rect, font);
        else if (which < 0 && -which - 1 < triangles.size())
            triangles.at(-which - 1).paint(*painter, rect, font);
    }
};

void insertPicture(QTextCursor &cursor, int which, double width, double height)
{
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setTopMargin(4);
    cursor.insertBlock(centred);
    QTextCharFormat object;
    object.setObjectType(Pictures::format);
    object.setProperty(Pictures::Which, which);
    object.setProperty(Pictures::Width, width);
    object.setProperty(Pictures::Height, height);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
}

// A caption and its notes, in paragraphs of their own after the cursor.
void insertNotes(QTextCursor &cursor, const QString &caption, const QStringList &notes)
{
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    QString html = QStringLiteral("<p style=\"margin-top:8px; margin-bottom:0px;\"><b>%1</b></p>").arg(caption);
    for (const QString &note : notes)
        html += QStringLiteral("<p style=\"margin-top:2px; margin-bottom:0px; font-size:9pt;\">%1</p>")
                    .arg(note.toHtmlEscaped());
    cursor.insertHtml(html);
}

// A word is not broken after its slash or dash ("dS/m", "0.02–2.0"): a word
// joiner follows each that stands inside a word.
QString keptWhole(QString text)
{
    for (qsizetype i = text.size() - 2; i > 0; --i) {
        const QChar c = text.at(i);
        if ((c == QLatin1Char('/') || c == QLatin1Char('-') || c == QChar(0x2013)) && !text.at(i + 1).isSpace()
            && !text.at(i - 1).isSpace())
            text.insert(i + 1, QChar(0x2060));
    }
    return text;
}

// Widths on the page, in points, as a printer's resolution measures them.
class Measure
{
public:
    Measure() : m_probe(1, 1, QImage::Format_RGB32)
    {
        m_probe.setDotsPerMeterX(int(std::lround(1200 / 0.0254)));
        m_probe.setDotsPerMeterY(int(std::lround(1200 / 0.0254)));
    }
    // The widest word of a text, in points.
    double widestWord(const QString &text, bool bold)
    {
        const QFontMetricsF metrics(timesFont(tablePoints, bold), &m_probe);
        double widest = 0;
        for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(word));
        return widest * 72 / 1200;
    }

private:
    QImage m_probe;
};

} // namespace

void prepareHandInPages(QTextDocument &document, QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter));
    document.setDefaultFont(timesFont(11));
}

double handInTextWidth()
{
    return (pageWidthMm - 2 * marginMm - 2 * printInsetMm) * pointsPerMm;
}

QString horizonTablesHtml(const Profile &profile, const QList<Property> &columns)
{
    struct Column {
        QString heading;
        QStringList values;
        double width = 0;
    };
    Measure measure;
    const auto column = [&](const QString &heading, const QStringList &values) {
        Column c{heading, values, measure.widestWord(heading, true)};
        for (const QString &value : values)
            c.width = std::max(c.width, measure.widestWord(value, false));
        c.width += cellExtraPoints;
        return c;
    };
    QStringList designations;
    QStringList depths;
    for (const Horizon &h : profile.horizons) {
        designations << h.designation;
        depths << QStringLiteral("%1\u2013%2").arg(numberText(h.top), numberText(h.bottom));
    }
    const Column designation = column(QStringLiteral("Horizon"), designations);
    QList<Column> rest{column(QStringLiteral("Depth (cm)"), depths)};
    for (const Property &p : columns) {
        QStringList values;
        for (const Horizon &h : profile.horizons)
            values << horizonValue(h, p);
        rest << column(QString::fromUtf8(p.heading), values);
    }
    // Tables of the columns that fit side by side, each headed by the designation.
    QList<QList<Column>> tables;
    const double room = handInTextWidth() - 2;
    double used = room;
    for (const Column &c : std::as_const(rest)) {
        if (used + c.width > room) {
            tables.append({designation});
            used = designation.width;
        }
        tables.last() << c;
        used += c.width;
    }
    QString html;
    for (const QList<Column> &table : std::as_const(tables)) {
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" "
                               "style=\"margin-top:6px; font-size:7pt;\"><tr>");
        // Each column its share of the page, so that none is given less than its widest word.
        double total = 0;
        for (const Column &c : table)
            total += c.width;
        for (const Column &c : table)
            html += QStringLiteral("<th width=\"%1%\">%2</th>")
                        .arg(QString::number(100 * c.width / total, 'f', 1), keptWhole(c.heading).toHtmlEscaped());
        html += QStringLiteral("</tr>");
        for (qsizetype row = 0; row < profile.horizons.size(); ++row) {
            html += QStringLiteral("<tr>");
            for (const Column &c : table)
                html += QStringLiteral("<td>%1</td>").arg(keptWhole(c.values.at(row)).toHtmlEscaped());
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    return html;
}

void insertProfile(QTextCursor &cursor, const Profile &profile)
{
    Pictures *pictures = Pictures::of(cursor.document());
    cursor.insertHtml(profileHtml(profile));

    // Each picture with its caption and notes below it, so that no caption
    // stands alone at the foot of a page.
    const ProfileSketch drawing(profile, false, bracketsOf(profile));
    pictures->drawings << drawing;
    const double width = handInTextWidth();
    insertPicture(cursor, int(pictures->drawings.size()) - 1, width, 0.8 * width);
    insertNotes(cursor, QStringLiteral("Profile drawing (moist colours)"), drawing.notes());

    const TextureSketch triangle(profile);
    pictures->triangles << triangle;
    const double side = 0.8 * width;
    const double em = picturePoints * 1.15;
    insertPicture(cursor, -int(pictures->triangles.size()), side, TextureSketch::heightFor(side, em));
    insertNotes(cursor, QStringLiteral("Texture triangle"), triangle.disagreements() + triangle.notes());
}

} // namespace yuc::study

#include "handin.moc"
