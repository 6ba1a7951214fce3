// The profile window beside the key: the whole drawing in view at
// 1366 x 768, every value of every horizon readable without scrolling
// sideways, scrolled but whole at 800 x 600, and the pictures following the
// editor as it is typed in and undone.
#include "testsupport.h"

#include "model/profile.h"
#include "study/profiledrawing.h"
#include "study/profilewindow.h"
#include "study/texturetriangle.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>

using namespace yuc;
using namespace yuc::test;

namespace {

// The window placed where the study panel places it, on a screen of that size.
void placeBesideTheKey(QWidget &window, QSize screen)
{
    window.setGeometry(besideTheKey(QRect(QPoint(0, 0), screen), Side::Right, keyAreaWidth, window.size()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

QScrollArea *scrollAreaOf(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(w))
            return area;
    return nullptr;
}

} // namespace

class TestProfileWindow : public QObject
{
    Q_OBJECT

private slots:
    // Beside a key step at 1366 x 768 (about 260 pixels wide), the drawing
    // shows whole with the five diagnostic plots, and the details show every
    // value of each horizon in turn, none cut off at the side.
    void shouldShowTheWholeDrawingAndEveryValueBesideTheKey()
    {
        const study::Profile &profile = study::builtInProfiles().first();
        ProfileWindow window(&profile);
        placeBesideTheKey(window, QSize(1366, 768));
        QVERIFY(window.width() < 300);
        auto *drawing = window.findChild<ProfileDrawing *>(QStringLiteral("profile_drawing"));
        QVERIFY(drawing->isVisible());
        QCOMPARE(drawing->visibleRegion().boundingRect(), drawing->rect());
        QScrollArea *area = scrollAreaOf(drawing);
        QVERIFY(!area->verticalScrollBar()->isVisible() && !area->horizontalScrollBar()->isVisible());
        QVERIFY(drawing->height() >= 400);
        QVERIFY(drawing->plotsShown() >= 5);
        for (int i = 0; i < profile.horizons.size(); ++i)
            QVERIFY(drawing->rect().contains(drawing->bandRect(i)));

        auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("profile_tabs"));
        auto *details = window.findChild<QTextBrowser *>(QStringLiteral("horizon_details"));
        auto *table = window.findChild<QTableView *>(QStringLiteral("profile_horizons"));
        tabs->setCurrentWidget(details->parentWidget());
        QVERIFY(details->isVisible());
        const QList<study::Property> used = study::usedProperties(profile);
        for (int row = 0; row < profile.horizons.size(); ++row) {
            table->setCurrentIndex(table->model()->index(row, 0));
            const QString text = details->toPlainText();
            QVERIFY(text.startsWith(profile.horizons.at(row).designation + QLatin1Char(',')));
            for (const study::Property &p : used) {
                const QString value = study::horizonValue(profile.horizons.at(row), p);
                QVERIFY2(value.isEmpty() || text.contains(QString::fromUtf8(p.heading) + QStringLiteral(":\n") + value),
                         qPrintable(QString::fromUtf8(p.heading)));
            }
            QVERIFY(details->document()->size().width() <= details->viewport()->width());
            QCOMPARE(details->horizontalScrollBar()->maximum(), 0);
        }
    }

    // On an 800 x 600 screen the drawing keeps the size it needs, and its
    // page scrolls where the window is smaller.
    void shouldScrollTheDrawingInASmallWindow()
    {
        const study::Profile &profile = study::builtInProfiles().first();
        ProfileWindow window(&profile);
        placeBesideTheKey(window, QSize(800, 600));
        QVERIFY(window.geometry().bottom() < 600);
        auto *drawing = window.findChild<ProfileDrawing *>(QStringLiteral("profile_drawing"));
        QVERIFY(drawing->isVisible());
        window.resize(window.width(), 320);
        QTest::qWait(20);
        QScrollArea *area = scrollAreaOf(drawing);
        QVERIFY(drawing->height() >= drawing->minimumSizeHint().height());
        QVERIFY(area->verticalScrollBar()->isVisible());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QVERIFY(drawing->visibleRegion().boundingRect().bottom() == drawing->rect().bottom());
    }

    // The drawing and the triangle follow each cell as it is typed, and its
    // undoing; what cannot be drawn is said under them.
    void shouldFollowTheEditorAsTypedAndUndone()
    {
        study::ProfileEditor editor;
        editor.load(study::builtInProfiles().first());
        ProfileWindow window(&editor);
        auto *drawing = window.findChild<ProfileDrawing *>(QStringLiteral("profile_drawing"));
        auto *triangle = window.findChild<TextureTriangle *>(QStringLiteral("texture_triangle"));
        auto *drawingNotes = window.findChild<QLabel *>(QStringLiteral("profile_drawing_notes"));
        auto *textureNotes = window.findChild<QLabel *>(QStringLiteral("texture_disagreements"));
        QVERIFY(drawing->sketch().notes().isEmpty() && triangle->sketch().disagreements().isEmpty());

        const QModelIndex colour = editor.index(1, study::horizonColumn(QStringLiteral("munsell_moist")));
        editor.setData(colour, QStringLiteral("5YR 4/6"));
        QCOMPARE(drawing->sketch().bands().at(1).colour, study::munsellColour(QStringLiteral("5YR 4/6")).rgb);
        editor.setData(colour, QStringLiteral("10 YR"));
        QVERIFY(!drawing->sketch().bands().at(1).colour);
        QVERIFY(drawingNotes->text().contains(QStringLiteral("\u201c10 YR\u201d is not a Munsell notation")));
        QVERIFY(drawing->accessibleDescription().contains(QStringLiteral("10 YR, which cannot be drawn")));

        const QModelIndex clay = editor.index(1, study::horizonColumn(QStringLiteral("clay_pct")));
        editor.setData(clay, QStringLiteral("55"));
        QCOMPARE(drawing->sketch().plots().first().values.at(1), 55.0);
        QCOMPARE(triangle->sketch().disagreements().size(), 1);
        QVERIFY(textureNotes->text().startsWith(editor.index(1, 0).data().toString()));
        QVERIFY(triangle->accessibleDescription().contains(QStringLiteral("disagrees")));

        editor.undoStack()->undo();
        QCOMPARE(drawing->sketch().plots().first().values.at(1),
                 study::builtInProfiles().first().horizons.at(1).numbers.value(QStringLiteral("clay_pct")));
        QVERIFY(triangle->sketch().disagreements().isEmpty());
        editor.undoStack()->undo();
        editor.undoStack()->undo();
        QVERIFY(drawing->sketch().notes().isEmpty());
        QCOMPARE(drawing->sketch().bands().at(1).colour,
                 study::munsellColour(
                     study::builtInProfiles().first().horizons.at(1).texts.value(QStringLiteral("munsell_moist")))
                     .rgb);
        editor.undoStack()->redo();
        QCOMPARE(drawing->sketch().bands().at(1).colour, study::munsellColour(QStringLiteral("5YR 4/6")).rgb);

        // Removing a horizon takes its band away.
        const int bands = int(drawing->sketch().bands().size());
        editor.removeHorizon(0);
        QCOMPARE(drawing->sketch().bands().size(), bands - 1);

        auto *dry = window.findChild<QCheckBox *>(QStringLiteral("profile_dry"));
        dry->click();
        QVERIFY(drawing->sketch().dry());
        QVERIFY(drawing->accessibleDescription().contains(QStringLiteral("in dry colours")));
    }
};

YUC_TEST_MAIN(TestProfileWindow)
#include "tst_profilewindow.moc"
