// CSV files of horizons: every form spreadsheets and survey exports write,
// pedons split by their identifier, written back with nothing lost, and each
// kind of bad file refused with its row, column and fault.
#include "testsupport.h"

#include "model/horizoncsv.h"

using namespace yuc::study;

namespace {

// A pedon's horizons in a line: designation, depths and clay, then any
// other value asked for.
QString summary(const Profile &profile, const QString &also = {})
{
    QStringList horizons;
    for (const Horizon &h : profile.horizons) {
        QString line = QStringLiteral("%1 %2-%3").arg(h.designation, numberText(h.top), numberText(h.bottom));
        if (h.numbers.contains(QStringLiteral("clay_pct")))
            line += QStringLiteral(" clay ") + numberText(h.numbers.value(QStringLiteral("clay_pct")));
        if (!also.isEmpty())
            line += QStringLiteral(" ") + h.texts.value(also, h.extra.value(also).toString());
        horizons << line;
    }
    return horizons.join(QStringLiteral("; "));
}

} // namespace

class TestHorizonCsv : public QObject
{
    Q_OBJECT
private slots:
    void shouldReadEveryFormOfCsv_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("also");
        QTest::addColumn<QString>("expected");
        QTest::newRow("comma, our names")
            << QByteArray("designation,top_cm,bottom_cm,clay_pct\nA,0,10,8\nBt,10,40,22\n") << QString()
            << "A 0-10 clay 8; Bt 10-40 clay 22";
        QTest::newRow("semicolon, byte-order mark, decimal comma, export names")
            << QByteArray("\xef\xbb\xbfhzname;hzdept_r;hzdepb_r;claytotal_r;texcl\r\nAp;0;12;9,5;sandy loam\r\n"
                          "Bk;12;60;18;loam\r\n")
            << "texture_class"
            << "Ap 0-12 clay 9.5 sandy loam; Bk 12-60 clay 18 loam";
        QTest::newRow("tab, names in capitals, blank rows")
            << QByteArray("HZNAME\tHZDEPT_R\tHZDEPB_R\n\nA\t0\t5\n\nC\t5\t30\n\n") << QString() << "A 0-5; C 5-30";
        QTest::newRow("quoted separators, quotes and a line break")
            << QByteArray("designation,top_cm,bottom_cm,remarks\n\"A, upper\",0,8,\"said \"\"dry\"\"\nand loose\"\n")
            << "remarks"
            << "A, upper 0-8 said \"dry\"\nand loose";
        QTest::newRow("columns in any order, an unknown one kept")
            << QByteArray("lab_no,bottom_cm,designation,top_cm\nS-1,9,A,0\n") << "lab_no"
            << "A 0-9 S-1";
        QTest::newRow("our name wins over an export's, which is kept")
            << QByteArray("claytotal_r,designation,top_cm,bottom_cm,clay_pct\n30,A,0,9,12\n") << "claytotal_r"
            << "A 0-9 clay 12 30";
        QTest::newRow("a yes or no as exported, a choice in capitals")
            << QByteArray("designation,top_cm,bottom_cm,clay_illuviation,structure\nBt,0,20,TRUE,Blocky\nC,20,50,no,\n")
            << "clay_illuviation"
            << "Bt 0-20 yes; C 20-50 no";
        QTest::newRow("a short row and trailing separators")
            << QByteArray("designation,top_cm,bottom_cm,clay_pct,,\nA,0,9\nB,9,20,14,,\n") << QString()
            << "A 0-9; B 9-20 clay 14";
    }
    void shouldReadEveryFormOfCsv()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, also);
        QFETCH(QString, expected);
        ProfileError error;
        const std::optional<QList<Pedon>> pedons = parseHorizonCsv(bytes, &error);
        QVERIFY2(pedons, qPrintable(error.where + QStringLiteral(": ") + error.what));
        QCOMPARE(pedons->size(), 1);
        QCOMPARE(summary(pedons->first().profile, also), expected);
    }

    // Rows of several pedons, not all together: each its own profile, in the
    // order they first come, with the site values of the rows that give them.
    void shouldSplitPedonsByTheirIdentifier()
    {
        const QByteArray bytes("peiid;landform;elevation_m;irrigated;hzname;hzdept_r;hzdepb_r;gypsum_r\n"
                               "P-7;fan;;;A;0;8;\n"
                               "P-9;;-12,5;Yes;A;0;5;1\n"
                               "P-7;;;;By;8;50;32\n"
                               "P-9;playa;;;Bz;5;40;\n");
        const std::optional<QList<Pedon>> pedons = parseHorizonCsv(bytes);
        QVERIFY(pedons);
        QCOMPARE(pedons->size(), 2);
        QCOMPARE(pedons->at(0).id, QStringLiteral("P-7"));
        QCOMPARE(pedons->at(0).profile.title, QStringLiteral("Pedon P-7"));
        QCOMPARE(summary(pedons->at(0).profile), QStringLiteral("A 0-8; By 8-50"));
        QCOMPARE(pedons->at(0).profile.horizons.at(1).numbers.value(QStringLiteral("gypsum_pct")), 32.0);
        QCOMPARE(summary(pedons->at(1).profile), QStringLiteral("A 0-5; Bz 5-40"));
        using Site = QList<std::pair<QString, QString>>;
        QCOMPARE(pedons->at(0).profile.site, Site({{"pedon_id", "P-7"}, {"landform", "fan"}}));
        // Below the sea, irrigated: site values as a profile file gives them.
        QCOMPARE(pedons->at(1).profile.site,
                 Site({{"pedon_id", "P-9"}, {"landform", "playa"}, {"elevation_m", "-12.5"}, {"irrigated", "yes"}}));
    }

    // Written with the program's names, the unknown columns after them in the
    // file's order, as the file was laid out (a decimal comma where semicolons
    // separate); read again, the same pedon.
    void shouldWriteBackWhatItRead()
    {
        const QByteArray bytes("\xef\xbb\xbfsite_id;zeta;hzname;hzdept_r;hzdepb_r;alpha;ec_r;features\n"
                               "W1;z1;A;0;7;a1;2,5;\"few roots; vesicular\"\n"
                               "W1;;Bw;7;30;\"x;y\";;\n");
        const std::optional<QList<Pedon>> read = parseHorizonCsv(bytes);
        QVERIFY(read);
        const QByteArray written = writeHorizonCsv(read->first().profile);
        QCOMPARE(written,
                 QByteArray("\xef\xbb\xbftitle;pedon_id;designation;top_cm;bottom_cm;ec_dS_m;features;zeta;alpha\n"
                            "Pedon W1;W1;A;0;7;2,5;\"few roots; vesicular\";z1;a1\n"
                            "Pedon W1;W1;Bw;7;30;;;;\"x;y\"\n"));
        const std::optional<QList<Pedon>> again = parseHorizonCsv(written);
        QVERIFY(again);
        QCOMPARE(writeHorizonCsv(again->first().profile), written);
        QCOMPARE(again->first().profile.horizons.at(0).features, QStringList({"few roots", "vesicular"}));
    }

    void shouldRefuseABadCsvNamingRowColumnAndFault_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("what");
        const QByteArray heading("hzname,hzdept_r,hzdepb_r,claytotal_r\n");
        QTest::newRow("not UTF-8") << heading + "A,0,9,8\n\"B\xe9\",9,20,9\n"
                                   << "row 3, column 1 (hzname)"
                                   << "not UTF-8";
        QTest::newRow("more fields than the heading") << heading + "A,0,9,8,extra\n"
                                                      << "row 2, column 5"
                                                      << "the row has 5 fields, the heading names 4 columns";
        QTest::newRow("not a number") << heading + "A,0,9,8\nB,9,20,12x\n"
                                      << "row 3, column 4 (claytotal_r)"
                                      << "\u201c12x\u201d is not a number";
        QTest::newRow("no depth columns") << QByteArray("hzname,claytotal_r\nA,8\n") << "row 1 (the heading)"
                                          << "no column of top depths (top_cm, ";
        QTest::newRow("no designations") << QByteArray("top_cm;bottom_cm\n0;9\n") << "row 1 (the heading)"
                                         << "no column of horizon designations";
        QTest::newRow("bottom above top") << heading + "A,10,4,8\n"
                                          << "row 2, column 3 (hzdepb_r)"
                                          << "(4 cm) must lie below the top (10 cm)";
        QTest::newRow("percentage") << heading + "A,0,9,108\n"
                                    << "row 2, column 4 (claytotal_r)"
                                    << "(108) must lie between 0 and 100";
        QTest::newRow("not one of the choices")
            << QByteArray("hzname,hzdept_r,hzdepb_r,structure\nA,0,9,cubic\n") << "row 2, column 4 (structure)"
            << "(\u201ccubic\u201d) must be one of: platy, prismatic";
        QTest::newRow("a site number that is not one")
            << QByteArray("hzname,hzdept_r,hzdepb_r,slope_pct\nA,0,9,steep\n") << "row 2, column 4 (slope_pct)"
            << "\u201csteep\u201d is not a number";
        QTest::newRow("quote never closed") << heading + "A,0,9,\"8\nB,9,20,9\n"
                                            << "row 2, column 4 (claytotal_r)"
                                            << "never closed";
        QTest::newRow("a row naming no pedon")
            << QByteArray("upedonid,hzname,hzdept_r,hzdepb_r\nU1,A,0,9\n,B,9,20\n") << "row 3, column 1 (upedonid)"
            << "every row names its pedon";
        QTest::newRow("heading alone") << heading << "the file"
                                       << "no horizons";
    }
    void shouldRefuseABadCsvNamingRowColumnAndFault()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, where);
        QFETCH(QString, what);
        ProfileError error;
        QVERIFY(!parseHorizonCsv(bytes, &error));
        QCOMPARE(error.where, where);
        QVERIFY2(error.what.contains(what), qPrintable(error.what));
    }
};

YUC_TEST_MAIN(TestHorizonCsv)
#include "tst_horizoncsv.moc"
