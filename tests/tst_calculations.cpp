#include "testsupport.h"

#include "calc/calculations.h"

#include <QLocale>

#include <clocale>
#include <cmath>
#include <limits>

using namespace yuc::calc;

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
}

class TestCalculations : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { yuc::test::resetScreens(); }

    void shouldReadLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("comma stops reading") << "12,5" << 12.0;
        QTest::newRow("blank inside digits") << "1 5" << 15.0;
        QTest::newRow("tab and line feed") << "\t4\n2" << 42.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("sign and leading point") << "-.5" << -0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("minus") << "-5" << -5.0;
        QTest::newRow("plus") << "+5" << 5.0;
        QTest::newRow("blank after sign") << "- 5" << -5.0;
        QTest::newRow("double sign") << "--5" << 0.0;
        QTest::newRow("exponent") << "1E2" << 100.0;
        QTest::newRow("lower-case exponent") << "1e2" << 100.0;
        QTest::newRow("negative exponent") << "25e-1" << 2.5;
        QTest::newRow("blanks in exponent") << "2 E + 1" << 20.0;
        QTest::newRow("exponent without digits") << "7E" << 7.0;
        QTest::newRow("carriage return stops") << "1\r5" << 1.0;
        QTest::newRow("overflow") << "1e400" << inf;
        QTest::newRow("negative overflow") << "-1e400" << -inf;
        QTest::newRow("just above the largest double") << "1.8e308" << inf;
        QTest::newRow("underflow") << "1e-400" << 0.0;
        QTest::newRow("thousand digits") << "1" + QString(999, u'0') << inf;
        QTest::newRow("thousand fraction zeros") << "0." + QString(999, u'0') + "1" << 0.0;
        QTest::newRow("huge exponent") << "1e" + QString(1000, u'9') << inf;
        QTest::newRow("huge negative exponent") << "1e-" + QString(1000, u'9') << 0.0;
        QTest::newRow("zero with huge exponent") << "0e" + QString(1000, u'9') << 0.0;
        QTest::newRow("long fraction in range") << "12." + QString(1000, u'3') << 12.0 + 1.0 / 3.0;
    }
    void shouldReadLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(readNumber(QStringView(text)), expected);
        QCOMPARE(readNumber(text.toStdString()), expected);
    }

    void shouldReadPointWhateverTheLocale()
    {
        const QLocale before;
        const std::string cBefore = std::setlocale(LC_ALL, nullptr);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const bool hasGerman = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        const double point = readNumber(QStringView(u"12.5"));
        const double comma = readNumber(QStringView(u"12,5"));
        std::setlocale(LC_ALL, cBefore.c_str());
        QLocale::setDefault(before);
        QCOMPARE(point, 12.5);
        QCOMPARE(comma, 12.0);
        if (!hasGerman)
            qInfo("the C library has no German locale here; only Qt's locale was German");
    }

    void shouldRoundHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("12.5") << 12.5 << 12.0;
        QTest::newRow("13.5") << 13.5 << 14.0;
        QTest::newRow("99.5") << 99.5 << 100.0;
        QTest::newRow("100.5") << 100.5 << 100.0;
        QTest::newRow("-1.5") << -1.5 << -2.0;
        QTest::newRow("below a half") << 45.4999 << 45.0;
        QTest::newRow("above a half") << 12.5000001 << 13.0;
    }
    void shouldRoundHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(roundHalfEven(value), expected);
    }

    void shouldComputeNValue_data()
    {
        QTest::addColumn<double>("water");
        QTest::addColumn<double>("sand");
        QTest::addColumn<double>("silt");
        QTest::addColumn<double>("clay");
        QTest::addColumn<double>("om");
        QTest::addColumn<NValueOutcome>("outcome");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one half") << 35.0 << 20.0 << 30.0 << 50.0 << 0.0 << NValueOutcome::Value << " .5";
        QTest::newRow("26/46") << 38.0 << 30.0 << 30.0 << 40.0 << 2.0 << NValueOutcome::Value << " .565217391304348";
        QTest::newRow("zero is a value") << 12.0 << 40.0 << 20.0 << 40.0 << 0.0 << NValueOutcome::Value << " 0";
        QTest::newRow("zero over a negative denominator")
            << 12.0 << 40.0 << 20.0 << 40.0 << -20.0 << NValueOutcome::Value << " 0";
        QTest::newRow("thirds sum exactly to 100")
            << 33.4 << 33.3 << 33.3 << 33.4 << 0.0 << NValueOutcome::Value << " .601197604790419";
        QTest::newRow("negative") << 5.0 << 40.0 << 40.0 << 20.0 << 0.0 << NValueOutcome::Negative << "";
        QTest::newRow("all zero") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << NValueOutcome::BadSum << "";
        QTest::newRow("decimals that miss 100 in binary")
            << 30.0 << 0.1 << 64.1 << 35.8 << 0.0 << NValueOutcome::BadSum << "";
        QTest::newRow("no clay, no organic matter")
            << 20.0 << 60.0 << 40.0 << 0.0 << 0.0 << NValueOutcome::ZeroDenominator << "";
        QTest::newRow("organic matter cancels clay")
            << 50.0 << 40.0 << 30.0 << 30.0 << -10.0 << NValueOutcome::ZeroDenominator << "";
        QTest::newRow("overflowing water") << inf << 20.0 << 30.0 << 50.0 << 0.0 << NValueOutcome::OutOfRange << "";
        QTest::newRow("overflowing organic matter")
            << 35.0 << 20.0 << 30.0 << 50.0 << inf << NValueOutcome::OutOfRange << "";
        QTest::newRow("overflowing sand") << 35.0 << inf << 30.0 << 50.0 << 0.0 << NValueOutcome::BadSum << "";
        QTest::newRow("n beyond a double") << 1e308 << 100.0 << 0.0 << 1e-300 << 0.0 << NValueOutcome::OutOfRange << "";
        QTest::newRow("very large n") << 1e300 << 0.0 << 0.0 << 100.0 << 0.0 << NValueOutcome::Value << " 1E+298";
    }
    void shouldComputeNValue()
    {
        QFETCH(double, water);
        QFETCH(double, sand);
        QFETCH(double, silt);
        QFETCH(double, clay);
        QFETCH(double, om);
        QFETCH(NValueOutcome, outcome);
        QFETCH(QString, shown);
        const NValueResult result = nValue({water, sand, silt, clay, om});
        QCOMPARE(result.outcome, outcome);
        if (outcome == NValueOutcome::Value)
            QCOMPARE(QString::fromStdString(formatResult(result.n)), shown);
    }

    void shouldFindParticleSizeClass_data()
    {
        QTest::addColumn<double>("sand");
        QTest::addColumn<double>("silt");
        QTest::addColumn<double>("clay");
        QTest::addColumn<TextureOutcome>("outcome");
        QTest::addColumn<QString>("className");
        const auto classified = TextureOutcome::Classified;
        QTest::newRow("sandy") << 80.0 << 10.0 << 10.0 << classified << " SANDY ";
        QTest::newRow("very fine") << 20.0 << 15.0 << 65.0 << classified << " VERY FINE (Clayey)";
        QTest::newRow("clay exactly 60") << 20.0 << 20.0 << 60.0 << classified << " FINE (Clayey) ";
        QTest::newRow("fine loamy") << 40.0 << 40.0 << 20.0 << classified << "FINE LOAMY";
        QTest::newRow("coarse loamy") << 50.0 << 40.0 << 10.0 << classified << " COARSE LOAMY ";
        QTest::newRow("sand exactly 70") << 70.0 << 20.0 << 10.0 << classified << " COARSE LOAMY ";
        QTest::newRow("sand above 70 with clay 20") << 75.0 << 5.0 << 20.0 << classified << "FINE LOAMY";
        QTest::newRow("clay exactly 35") << 30.0 << 35.0 << 35.0 << classified << "FINE LOAMY";
        QTest::newRow("clay exactly 18") << 50.0 << 32.0 << 18.0 << classified << "FINE LOAMY";
        QTest::newRow("coarse silty") << 5.0 << 90.0 << 5.0 << classified << " COARSE SILTY ";
        QTest::newRow("fine silty") << 5.0 << 75.0 << 20.0 << classified << " FINE SILTY ";
        QTest::newRow("silt exactly 82") << 10.0 << 82.0 << 8.0 << classified << " FINE SILTY ";
        QTest::newRow("sand 15, silt 67, clay 18") << 15.0 << 67.0 << 18.0 << classified << " FINE SILTY ";
        QTest::newRow("silt just below 67") << 15.0 << 66.0 << 19.0 << classified << "FINE LOAMY";
        QTest::newRow("gap no rule covers") << 10.0 << 60.0 << 30.0 << TextureOutcome::Unclassified << "";
        QTest::newRow("all zero") << 0.0 << 0.0 << 0.0 << TextureOutcome::NoData << "";
        QTest::newRow("decimals that miss 100 in binary") << 0.1 << 64.1 << 35.8 << TextureOutcome::BadTotal << "";
        QTest::newRow("overflowing entries") << inf << -inf << 0.0 << TextureOutcome::BadTotal << "";
    }
    void shouldFindParticleSizeClass()
    {
        QFETCH(double, sand);
        QFETCH(double, silt);
        QFETCH(double, clay);
        QFETCH(TextureOutcome, outcome);
        QFETCH(QString, className);
        const TextureResult result = textureClass(sand, silt, clay);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(QString::fromUtf8(result.className.data(), qsizetype(result.className.size())), className);
    }

    void shouldFormatResult_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("below one") << 0.5 << " .5";
        QTest::newRow("fifteen digits") << 26.0 / 46.0 << " .565217391304348";
        QTest::newRow("rounded up at fifteen digits") << 2.0 / 3.0 << " .666666666666667";
        QTest::newRow("with integer part") << 1.25 << " 1.25";
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("negative zero") << -0.0 << " 0";
        QTest::newRow("trailing zeros of an integer") << 1500.0 << " 1500";
        QTest::newRow("negative") << -0.55 << "-.55";
        QTest::newRow("smallest without exponent") << 0.0001 << " .0001";
        QTest::newRow("below 0.0001") << 0.00001 << " 1E-05";
        QTest::newRow("largest without exponent") << 999999999999999.0 << " 999999999999999";
        QTest::newRow("rounds up to the exponent form") << 999999999999999.9 << " 1E+15";
        QTest::newRow("from 10^15") << 1.5e15 << " 1.5E+15";
    }
    void shouldFormatResult()
    {
        QFETCH(double, value);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(formatResult(value)), shown);
    }
};

YUC_TEST_MAIN(TestCalculations)
#include "tst_calculations.moc"
