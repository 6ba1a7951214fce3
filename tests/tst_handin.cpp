// The handed-in record of a practice: the profile's description with its
// drawing and triangle in the PDF, and a horizon table whose headings keep
// their words whole on A4.
#include "testsupport.h"

#include "model/keypaths.h"
#include "model/munsell.h"
#include "study/handin.h"
#include "study/practice.h"
#include "study/studypanel.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

using namespace yuc;
using namespace yuc::test;

namespace {

// A profile that gives every property the program knows, so that the table
// has as many columns as it can ever have.
study::Profile everyProperty()
{
    study::Profile profile = study::builtInProfiles().first();
    for (study::Horizon &h : profile.horizons)
        for (const study::Property &p : study::horizonProperties()) {
            const QString key = QLatin1String(p.key);
            if (p.kind == study::Property::Text && !h.texts.contains(key))
                h.texts.insert(key, QStringLiteral("very strongly cemented"));
            else if (p.kind != study::Property::Text && !h.numbers.contains(key))
                h.numbers.insert(key, 12.25);
        }
    return profile;
}

// The document laid out as QTextDocument::print lays out one without a page
// size: on the printer, 2 cm (in the screen's units, scaled to the printer's)
// inside its printable area.
std::unique_ptr<QTextDocument> laidOutForPrinting(const QTextDocument &document, QPdfWriter &writer)
{
    std::unique_ptr<QTextDocument> laid(document.clone());
    laid->documentLayout()->setPaintDevice(&writer);
    QTextFrameFormat frame = laid->rootFrame()->frameFormat();
    frame.setMargin(int((2 / 2.54) * QGuiApplication::primaryScreen()->logicalDotsPerInchX()));
    laid->rootFrame()->setFrameFormat(frame);
    laid->setPageSize(QSizeF(writer.width(), writer.height()));
    laid->documentLayout()->documentSize();
    return laid;
}

QString cellText(const QTextTableCell &cell)
{
    QString text;
    for (QTextBlock b = cell.firstCursorPosition().block(); b.isValid(); b = b.next()) {
        text += b.text();
        if (b == cell.lastCursorPosition().block())
            break;
    }
    return text.remove(QChar(0x2060)); // the joiners that keep a word whole
}

// The places where a cell's text goes on to a new line inside a word.
QStringList breaksInsideWords(const QTextTableCell &cell)
{
    QStringList found;
    for (QTextBlock b = cell.firstCursorPosition().block(); b.isValid(); b = b.next()) {
        const QTextLayout *layout = b.layout();
        for (int i = 1; i < layout->lineCount(); ++i) {
            const int start = layout->lineAt(i).textStart();
            if (start > 0 && !b.text().at(start - 1).isSpace())
                found << b.text().left(start) + QLatin1Char('|') + b.text().mid(start);
        }
        if (b == cell.lastCursorPosition().block())
            break;
    }
    return found;
}

QList<QImage> pages(const QString &pdf, const QString &folder)
{
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), pdf,
                                              QDir(folder).filePath(QStringLiteral("page"))});
    render.waitForFinished(60000);
    QList<QImage> images;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name))
        images << QImage(QDir(folder).filePath(name)).convertToFormat(QImage::Format_RGB32);
    return images;
}

} // namespace

class TestHandIn : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        study::Practice::instance().stop();
        resetScreens();
    }

    // On A4 portrait every column of the horizon table is as wide as the
    // widest word of its heading and values: nothing breaks inside a word,
    // and every property is there, in tables side by side no wider than the page.
    void shouldLayTheHorizonTableOutWithoutBreakingAWord()
    {
        const study::Profile profile = everyProperty();
        QTextDocument document;
        QTextCursor cursor(&document);
        study::insertProfile(cursor, profile);
        QTemporaryDir dir;
        QPdfWriter writer(dir.filePath(QStringLiteral("table.pdf")));
        study::prepareHandInPages(document, writer);
        const std::unique_ptr<QTextDocument> laid = laidOutForPrinting(document, writer);

        QStringList headings;
        int tables = 0;
        for (QTextFrame *frame : laid->rootFrame()->childFrames()) {
            auto *table = qobject_cast<QTextTable *>(frame);
            if (!table)
                continue;
            ++tables;
            QCOMPARE(table->rows(), int(profile.horizons.size()) + 1);
            QCOMPARE(cellText(table->cellAt(0, 0)), QStringLiteral("Horizon"));
            for (int c = tables > 1 ? 1 : 0; c < table->columns(); ++c)
                headings << cellText(table->cellAt(0, c));
            for (int r = 0; r < table->rows(); ++r)
                for (int c = 0; c < table->columns(); ++c) {
                    const QStringList breaks = breaksInsideWords(table->cellAt(r, c));
                    QVERIFY2(breaks.isEmpty(), qPrintable(breaks.join(QStringLiteral(", "))));
                }
            const double textWidth = study::handInTextWidth() * writer.logicalDpiX() / 72;
            QVERIFY(laid->documentLayout()->frameBoundingRect(table).width() <= textWidth + 2);
        }
        QVERIFY(tables >= 2);
        QStringList expected{QStringLiteral("Horizon"), QStringLiteral("Depth (cm)")};
        for (const study::Property &p : study::usedProperties(profile))
            if (p.kind != study::Property::Text || QLatin1String(p.key) == QLatin1String("munsell_moist")
                || QLatin1String(p.key) == QLatin1String("texture_class"))
                expected << QString::fromUtf8(p.heading);
        QCOMPARE(headings, expected);
    }

    // "Save as PDF..." during practice puts the drawing, in its horizons'
    // colours, and the triangle with the description.
    void shouldPutTheDrawingAndTheTriangleInTheSavedPdf()
    {
        const study::Profile &profile = study::builtInProfiles().first();
        study::Practice::instance().start(profile);
        auto *study = show(QStringLiteral("mainmenu"))->findChild<StudyPanel *>();
        study->showPlace(KeyPaths::instance().placeNamed(QStringLiteral("Typic Haplosalids")));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("exercise.pdf"));
        QString error;
        QVERIFY2(study->savePdf(path, &error), qPrintable(error));

        const QString text = pdfText(path);
        for (const QString &expected : {QStringLiteral("Profile drawing (moist colours)"),
                                        QStringLiteral("Texture triangle"), QStringLiteral("Sand (%)")})
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QVERIFY(text.indexOf(QStringLiteral("Texture triangle")) < text.indexOf(QStringLiteral("What the names mean")));

        const QList<QImage> images = pages(path, dir.path());
        QVERIFY(!images.isEmpty());
        for (const study::Horizon &h : profile.horizons) {
            const study::Srgb8 c = *study::munsellColour(h.texts.value(QStringLiteral("munsell_moist"))).rgb;
            const QRgb wanted = qRgb(c.r, c.g, c.b);
            int found = 0;
            for (const QImage &image : images)
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        found += image.pixel(x, y) == wanted;
            QVERIFY2(found > 20, qPrintable(h.designation));
        }
    }
};

YUC_TEST_MAIN(TestHandIn)
#include "tst_handin.moc"
