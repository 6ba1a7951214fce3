#include "testsupport.h"

#include <QLabel>
#include <QRadioButton>

using namespace yuc;
using namespace yuc::test;

class TestKeyEntry : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    void shouldShowOneNoteAndLeadIntoTheKey()
    {
        QWidget *main = show(QStringLiteral("mainmenu"));
        click(main, QStringLiteral("Command16"));
        click(main, QStringLiteral("Command16"));
        flushDeletes();
        QCOMPARE(liveWindows(QStringLiteral("Note_about")), 1);
        QWidget *note = loaded(QStringLiteral("Note_about"));
        QCOMPARE(note->windowTitle(), QStringLiteral("Note about Yucarra..."));
        QVERIFY(note->findChild<QLabel *>(QStringLiteral("Label2"))
                    ->text()
                    .contains(QLatin1String("-Properties-Settings  to the above mentioned.")));
        QVERIFY(click(note, QStringLiteral("Command1")));
        QVERIFY(!loaded(QStringLiteral("Note_about")));
        QCOMPARE(loaded(QStringLiteral("Classif_Arid_first"))->windowTitle(),
                 QStringLiteral("Aridisols: Key to suborders"));
    }

    void shouldBringTheOpenKeyForwardWithItsSelection()
    {
        QWidget *key = show(QStringLiteral("Classif_Arid_first"));
        key->findChild<QRadioButton *>(QStringLiteral("Option3_arid"))->click();
        click(show(QStringLiteral("Note_about")), QStringLiteral("Command1"));
        QCOMPARE(loaded(QStringLiteral("Classif_Arid_first")), key);
        QVERIFY(key->findChild<QRadioButton *>(QStringLiteral("Option3_arid"))->isChecked());
    }

    void shouldOpenCambidsForOtherAridisols()
    {
        QWidget *key = show(QStringLiteral("Classif_Arid_first"));
        key->findChild<QRadioButton *>(QStringLiteral("Option7_arid"))->click();
        click(key, QStringLiteral("Command2"));
        QCOMPARE(loaded(QStringLiteral("cambids_form"))->windowTitle(), QStringLiteral("Cambids"));
        QVERIFY(loaded(QStringLiteral("Classif_Arid_first")));
    }

    void shouldDefineTheOrder()
    {
        QWidget *page = show(QStringLiteral("keys_to_aridisols"));
        QCOMPARE(page->windowTitle(), QStringLiteral("Keys to Aridisols"));
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Label14"))->text(), QStringLiteral("ARIDISOLS"));
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Label8"))->text(), QStringLiteral("have:"));
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Label13"))->text(), QStringLiteral("c."));
        QVERIFY(click(page, QStringLiteral("Command1")));
        QVERIFY(!loaded(QStringLiteral("keys_to_aridisols")));
    }
};

YUC_TEST_MAIN(TestKeyEntry)
#include "tst_keyentry.moc"
