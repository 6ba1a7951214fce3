#include "testsupport.h"

#include "shell/svgpicture.h"

#include <QLabel>
#include <QLayout>

using namespace yuc;
using namespace yuc::test;

namespace {
const QString about = QStringLiteral("About_form");
const QString moreInfo = QStringLiteral("More_info");
} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    void shouldOpenOneMoreInfoAboveAbout()
    {
        QWidget *window = show(about);
        QVERIFY(click(window, QStringLiteral("Command1")));
        QWidget *more = loaded(moreInfo);
        QVERIFY(more);
        QVERIFY(click(window, QStringLiteral("Command1")));
        QCOMPARE(loaded(moreInfo), more);
        QCOMPARE(liveWindows(moreInfo), 1);
        QCOMPARE(show(about), window);
        QCOMPARE(liveWindows(about), 1);
    }

    void shouldLeaveTheOtherWindowOpen_data()
    {
        QTest::addColumn<QString>("closing");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("staying");
        QTest::newRow("About closed") << about << QStringLiteral("About_form_btncommand") << moreInfo;
        QTest::newRow("More Info closed") << moreInfo << QStringLiteral("Command1") << about;
    }
    void shouldLeaveTheOtherWindowOpen()
    {
        QFETCH(QString, closing);
        QFETCH(QString, button);
        QFETCH(QString, staying);
        QVERIFY(click(show(about), QStringLiteral("Command1")));
        QWidget *other = loaded(staying);
        QVERIFY(click(loaded(closing), button));
        flushDeletes();
        QVERIFY(!loaded(closing));
        QCOMPARE(liveWindows(closing), 0);
        QCOMPARE(loaded(staying), other);
    }

    // The windows have a fixed size: their texts must fit in it whole.
    void shouldFitEveryTextInTheFixedWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("About") << about;
        QTest::newRow("More Info") << moreInfo;
    }
    void shouldFitEveryTextInTheFixedWindow()
    {
        QFETCH(QString, window);
        QWidget *shown = show(window);
        QCOMPARE(shown->minimumSize(), shown->maximumSize());
        QLayout *layout = shown->layout();
        QVERIFY(layout->totalHeightForWidth(shown->width()) <= shown->height());
        QVERIFY(layout->totalMinimumSize().width() <= shown->width());
        for (QLabel *label : shown->findChildren<QLabel *>()) {
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
            QVERIFY2(!label->text().trimmed().isEmpty(), qPrintable(label->objectName()));
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
        }
    }

    void shouldShowPicturesWithDescriptions_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QSize>("size");
        QTest::newRow("About logo") << about << QStringLiteral("Image1") << QSize(200, 47);
        QTest::newRow("More Info logo") << moreInfo << QStringLiteral("Image2") << QSize(135, 33);
        QTest::newRow("More Info profile") << moreInfo << QStringLiteral("Image1") << QSize(72, 209);
    }
    void shouldShowPicturesWithDescriptions()
    {
        QFETCH(QString, window);
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        auto *image = show(window)->findChild<SvgPicture *>(picture);
        QVERIFY(image);
        QCOMPARE(image->size(), size);
        QVERIFY(!image->accessibleName().isEmpty());
    }

    void shouldNameTheProjectAsMaker()
    {
        QWidget *window = show(about);
        QVERIFY(window->windowTitle().isEmpty());
        QVERIFY(!window->accessibleName().isEmpty());
        const auto *author = window->findChild<QLabel *>(QStringLiteral("Label4"));
        QVERIFY(author->text().contains(QStringLiteral("Yucarra")));
        QVERIFY(author->font().bold());
        const auto *site = window->findChild<QLabel *>(QStringLiteral("Label1"));
        QCOMPARE(site->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QWidget *more = show(moreInfo);
        for (const char *name : {"Label3", "Label6", "Label4"})
            QVERIFY(!more->findChild<QLabel *>(QLatin1String(name))->text().isEmpty());
    }
};

YUC_TEST_MAIN(TestAbout)
#include "tst_about.moc"
