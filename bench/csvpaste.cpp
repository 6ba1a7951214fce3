#include "bench/csvpaste.h"

#include "bench/paintwatch.h"

#include "model/horizoncsv.h"
#include "study/profileeditor.h"
#include "study/profilewindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

namespace yuc::bench {

namespace {

volatile double sink;

// An export as a survey database writes it: its own column names, an
// identifier, site columns and columns the program does not know.
QByteArray surveyExport(int pedons, int horizonsEach)
{
    QByteArray bytes("peiid,upedonid,landform,hzname,hzdept_r,hzdepb_r,claytotal_r,sandtotal_r,caco3_r,gypsum_r,"
                     "ec_r,sar_r,ph1to1h2o_r,texcl,munsell_moist,rock_fragments_pct,lab_no,horizon_key,remarks\n");
    const char *names[] = {"A", "Bw", "Bk1", "Bk2", "Btk", "By", "Bky", "C1", "C2", "Cr"};
    const char *textures[] = {"sandy loam", "loam", "sandy clay loam", "loamy sand", "clay loam"};
    for (int p = 0; p < pedons; ++p)
        for (int h = 0; h < horizonsEach; ++h)
            bytes +=
                QStringLiteral("%1,S%1-%2,\"fan piedmont, %3\",%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14,10YR %15/3,%16,"
                               "L-%17,%18,\"%19\"\n")
                    .arg(40000 + p)
                    .arg(p % 97)
                    .arg(p % 3 ? QStringLiteral("upper") : QStringLiteral("lower"))
                    .arg(QLatin1String(names[h % 10]))
                    .arg(h * 15)
                    .arg(h * 15 + 15)
                    .arg(8 + (p + h) % 30)
                    .arg(70 - (p + h) % 40)
                    .arg(QString::number(((p * 7 + h) % 400) / 10.0))
                    .arg((p + h) % 5)
                    .arg(
                        QString::number(((p + 3 * h) % 160) / 10.0, 'f', 1).replace(QLatin1Char('.'), QLatin1Char('.')))
                    .arg((p + h) % 13)
                    .arg(QString::number(7.2 + ((p + h) % 15) / 10.0))
                    .arg(QLatin1String(textures[(p + h) % 5]))
                    .arg(3 + h % 5)
                    .arg((p * h) % 35)
                    .arg(p * horizonsEach + h)
                    .arg(h)
                    .arg(h % 4 ? QString() : QStringLiteral("few fine roots; \"weak\" platy"))
                    .toUtf8();
    return bytes;
}

// A spreadsheet's block: designation, depths and every property the table takes.
QString spreadsheetBlock(int rows)
{
    QString text;
    const QStringList values{QStringLiteral("10YR 5/3"),
                             QStringLiteral("10YR 7/3"),
                             QStringLiteral("sandy loam"),
                             QStringLiteral("14"),
                             QStringLiteral("62"),
                             QStringLiteral("8"),
                             QStringLiteral("12,5"),
                             QStringLiteral("2"),
                             QStringLiteral("0.4"),
                             QStringLiteral("3.1"),
                             QStringLiteral("4"),
                             QStringLiteral("6"),
                             QStringLiteral("8.1"),
                             QStringLiteral("5"),
                             QStringLiteral("0.02"),
                             QStringLiteral("weakly cemented"),
                             QStringLiteral("slightly hard")};
    for (int r = 0; r < rows; ++r)
        text += QStringLiteral("B%1\t%2\t%3\t").arg(r + 1).arg(r * 4).arg(r * 4 + 4) + values.join(QLatin1Char('\t'))
                + QLatin1Char('\n');
    return text;
}

} // namespace

QList<Named> measureCsvPaste()
{
    struct {
        QList<double> csv, paste, pasteModel;
    } times;
    const QByteArray bytes = surveyExport(5000, 10);
    for (int r = 0; r < 7; ++r) {
        QElapsedTimer timer;
        timer.start();
        const std::optional<QList<study::Pedon>> pedons = study::parseHorizonCsv(bytes);
        times.csv << elapsedMs(timer);
        if (!pedons || pedons->size() != 5000 || pedons->last().profile.horizons.size() != 10)
            qFatal("the survey export did not read as 5,000 pedons of 10 horizons");
    }

    const QString block = spreadsheetBlock(50);
    study::ProfileEditor editor;
    editor.loadBlank();
    for (int r = 0; r < 50; ++r) {
        QElapsedTimer timer;
        timer.start();
        const study::ProfileEditor::Pasted pasted = editor.paste(block, 0, 0);
        sink = double(editor.faults().size() + editor.depthNotes().size());
        times.pasteModel << elapsedMs(timer);
        if (pasted.rows != 50 || pasted.columns.size() != 20 || !editor.faults().isEmpty())
            qFatal("the block did not paste as 50 rows of 20 good cells");
        editor.undoStack()->undo();
    }

    // In the window the user sees: the table and the notes below it made
    // again, and drawn.
    auto *window = new ProfileWindow(&editor);
    window->show();
    PaintWatch(window).wait();
    for (int r = 0; r < 30; ++r) {
        PaintWatch painted(window);
        QElapsedTimer timer;
        timer.start();
        editor.paste(block, 0, 0);
        painted.wait();
        times.paste << elapsedMs(timer);
        editor.undoStack()->undo();
        PaintWatch(window).wait();
    }
    delete window;
    const Figure csv = summarise(times.csv);
    const Figure paste = summarise(times.paste);
    return {{QStringLiteral("csv_5000_pedons_ms"),
             QStringLiteral("CSV export: 5,000 pedons of 50,000 horizons read and split"), csv, QStringLiteral("ms"),
             QStringLiteral("< 500"), csv.median < 500},
            {QStringLiteral("paste_50x20_ms"), QStringLiteral("paste: 50 rows x 20 columns, checked, the window drawn"),
             paste, QStringLiteral("ms"), QStringLiteral("< 50"), paste.median < 50},
            {QStringLiteral("paste_50x20_model_ms"), QStringLiteral("paste: the same, checked, without the window"),
             summarise(times.pasteModel), QStringLiteral("ms"), QString(), true}};
}

} // namespace yuc::bench
