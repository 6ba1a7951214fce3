// The user's own profile: typed in the editor, checked cell by cell, undone
// and redone, saved and opened again with nothing lost, bad files refused
// with their fault named, unsaved edits asked about, and handed in.
#include "testsupport.h"

#include "model/profile.h"
#include "program/program.h"
#include "study/practice.h"
#include "study/profileeditor.h"
#include "study/profilewindow.h"
#include "study/studypanel.h"

#include <QClipboard>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <numeric>

using namespace yuc;
using namespace yuc::test;
using study::horizonColumn;
using study::ProfileEditor;

namespace {

const QString profileScreen = QStringLiteral("soil_profile");

QString example()
{
    return QStringLiteral(YUC_SOURCE_DIR "/examples/dry-wash-terrace.soilprofile.json");
}

void type(ProfileEditor &editor, int row, const QString &key, const QString &text)
{
    QVERIFY(editor.setData(editor.index(row, horizonColumn(key)), text));
}

// Five horizons typed as a student would.
void typeFiveHorizons(ProfileEditor &editor)
{
    editor.setTitle(QStringLiteral("My pit on the fan"));
    editor.setSite(QStringLiteral("landform"), QStringLiteral("fan apron"));
    editor.setSite(QStringLiteral("slope_pct"), QStringLiteral("3"));
    const char *rows[][5] = {{"A", "0", "8", "10YR 5/3", "sandy loam"},
                             {"Bt", "8", "30", "7.5YR 4/4", "sandy clay loam"},
                             {"Btk", "30", "55", "7.5YR 5/4", "sandy clay loam"},
                             {"Bk", "55", "100", "10YR 6/3", "loam"},
                             {"C", "100", "150", "10YR 6/4", "loamy sand"}};
    for (int row = 0; row < 5; ++row) {
        if (row >= editor.rowCount())
            editor.insertHorizon(row);
        type(editor, row, QStringLiteral("designation"), QLatin1String(rows[row][0]));
        type(editor, row, QStringLiteral("top_cm"), QLatin1String(rows[row][1]));
        type(editor, row, QStringLiteral("bottom_cm"), QLatin1String(rows[row][2]));
        type(editor, row, QStringLiteral("munsell_moist"), QLatin1String(rows[row][3]));
        type(editor, row, QStringLiteral("texture_class"), QLatin1String(rows[row][4]));
        type(editor, row, QStringLiteral("clay_pct"), QString::number(10 + 3 * row));
    }
    type(editor, 1, QStringLiteral("features"), QStringLiteral("common clay films on ped faces; weak blocky"));
}

QString write(QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

StudyPanel *panel()
{
    return show(QStringLiteral("mainmenu"))->findChild<StudyPanel *>();
}

} // namespace

class TestOwnProfile : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        resetScreens();
        study::Practice::instance().dropEditor();
        study::Practice::instance().stop();
    }

    // Typed, saved, opened again: the same profile; what the program does
    // not know, at every level of the file, written back as it came.
    void shouldRoundTripTypedProfilesAndKeepUnknownFields()
    {
        ProfileEditor editor;
        editor.load({});
        typeFiveHorizons(editor);
        QCOMPARE(editor.faults(), QStringList());
        const std::optional<study::Profile> read = study::readProfile(study::writeProfile(editor.profile()));
        QVERIFY(read);
        QCOMPARE(read->title, QStringLiteral("My pit on the fan"));
        QCOMPARE(read->horizons.size(), 5);
        QCOMPARE(read->horizons.at(3).numbers.value(QStringLiteral("clay_pct")), 19.0);
        QVERIFY(!read->horizons.at(3).numbers.contains(QStringLiteral("caco3_pct"))); // never typed, never 0
        QCOMPARE(read->horizons.at(1).features,
                 QStringList({QStringLiteral("common clay films on ped faces"), QStringLiteral("weak blocky")}));
        QVERIFY(QJsonDocument::fromJson(study::writeProfile(*read))
                    .object()
                    .value("site")
                    .toObject()
                    .value("slope_pct")
                    .isDouble());

        QByteArray file = R"({"format": 1, "title": "t", "surveyor": {"name": "R. K."},
            "site": {"landform": "fan", "plot_id": 17},
            "horizons": [{"designation": "A", "top_cm": 0, "bottom_cm": 9, "lab_no": "S-12", "clay_pct": 8},
                         {"hzname": "C", "hzdept_r": 9, "hzdepb_r": 40, "claytotal_r": 5}]})";
        ProfileEditor opened;
        opened.load(*study::readProfile(file));
        type(opened, 0, QStringLiteral("clay_pct"), QStringLiteral("9"));
        const QJsonObject written = QJsonDocument::fromJson(study::writeProfile(opened.profile())).object();
        QCOMPARE(written.value("surveyor").toObject().value("name").toString(), QStringLiteral("R. K."));
        QCOMPARE(written.value("site").toObject().value("plot_id").toInt(), 17);
        const QJsonArray horizons = written.value("horizons").toArray();
        QCOMPARE(horizons.at(0).toObject().value("lab_no").toString(), QStringLiteral("S-12"));
        QCOMPARE(horizons.at(0).toObject().value("clay_pct").toDouble(), 9.0);
        // An export's column names are read as the program's own.
        QCOMPARE(horizons.at(1).toObject().value("designation").toString(), QStringLiteral("C"));
        QCOMPARE(horizons.at(1).toObject().value("clay_pct").toDouble(), 5.0);
    }

    void shouldCheckEveryCellAsItIsTyped_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("percentage") << "clay_pct"
                                    << "101"
                                    << "between 0 and 100";
        QTest::newRow("not a number") << "clay_pct"
                                      << "12x"
                                      << "not a number";
        QTest::newRow("decimal comma") << "clay_pct"
                                       << "12,5"
                                       << "";
        QTest::newRow("pH") << "ph_h2o"
                            << "14.5"
                            << "between 0 and 14";
        QTest::newRow("negative depth") << "top_cm"
                                        << "-2"
                                        << "0 or more";
        QTest::newRow("bottom above top") << "bottom_cm"
                                          << "0"
                                          << "must lie below the top";
        QTest::newRow("Munsell") << "munsell_moist"
                                 << "7.5YR 4/6"
                                 << "";
        QTest::newRow("not Munsell") << "munsell_moist"
                                     << "brown"
                                     << "not a Munsell colour";
        QTest::newRow("texture") << "texture_class"
                                 << "Silty Clay Loam"
                                 << "";
        QTest::newRow("not a texture") << "texture_class"
                                       << "sandy lome"
                                       << "not a USDA texture class";
        QTest::newRow("SAR") << "sar"
                             << "-1"
                             << "0 or more";
        QTest::newRow("yes") << "clay_illuviation"
                             << "Yes"
                             << "";
        QTest::newRow("neither yes nor no") << "clay_illuviation"
                                            << "maybe"
                                            << "not one of: yes, no";
        QTest::newRow("a structure") << "structure"
                                     << "columnar"
                                     << "";
        QTest::newRow("not a structure") << "structure"
                                         << "crumbly"
                                         << "not one of: platy, prismatic";
    }

    // A site field is checked by its kind, and what is faulty is neither
    // keyed nor saved: a file that would not read again is never written.
    void shouldCheckTheSiteFieldsByTheirKind_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("kept");
        QTest::newRow("yes, any case") << "irrigated"
                                       << "YES"
                                       << ""
                                       << "yes";
        QTest::newRow("neither yes nor no") << "irrigated"
                                            << "sometimes"
                                            << "not one of: yes, no"
                                            << "";
        QTest::newRow("a choice") << "moisture_borders"
                                  << "Xeric"
                                  << ""
                                  << "xeric";
        QTest::newRow("not a choice") << "moisture_borders"
                                      << "udic"
                                      << "not one of: xeric, ustic, neither"
                                      << "";
        QTest::newRow("below zero") << "soil_temperature_winter_c"
                                    << "-3"
                                    << ""
                                    << "-3";
        QTest::newRow("a share over 100") << "mcs_dry_pct"
                                          << "120"
                                          << "between 0 and 100"
                                          << "";
        QTest::newRow("not a number") << "saturation_top_cm"
                                      << "deep"
                                      << "not a number"
                                      << "";
        QTest::newRow("free text") << "notes"
                                   << "anything at all"
                                   << ""
                                   << "anything at all";
    }
    void shouldCheckTheSiteFieldsByTheirKind()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        QFETCH(QString, kept);
        ProfileEditor editor;
        editor.load({});
        editor.setTitle(QStringLiteral("site"));
        editor.insertHorizon(0);
        type(editor, 0, QStringLiteral("designation"), QStringLiteral("A"));
        type(editor, 0, QStringLiteral("bottom_cm"), QStringLiteral("10"));
        editor.setSite(key, text);
        QVERIFY2(problem.isEmpty() ? editor.siteProblem(key).isEmpty() : editor.siteProblem(key).contains(problem),
                 qPrintable(editor.siteProblem(key)));
        QCOMPARE(editor.faults().isEmpty(), problem.isEmpty());
        QCOMPARE(study::siteText(editor.profile(), key), kept);
        QVERIFY(study::parseProfile(study::writeProfile(editor.profile())));
    }
    void shouldCheckEveryCellAsItIsTyped()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        ProfileEditor editor;
        editor.load({});
        editor.insertHorizon(0);
        type(editor, 0, QStringLiteral("designation"), QStringLiteral("A"));
        type(editor, 0, QStringLiteral("bottom_cm"), QStringLiteral("10"));
        type(editor, 0, key, text);
        const QModelIndex cell = editor.index(0, horizonColumn(key));
        QCOMPARE(cell.data().toString(), text); // kept as typed
        const QString said = cell.data(Qt::AccessibleDescriptionRole).toString();
        QVERIFY2(problem.isEmpty() ? said.isEmpty() : said.contains(problem), qPrintable(said));
        QCOMPARE(cell.data(Qt::ToolTipRole).toString().contains(problem), true);
    }

    void shouldPointOutGapsOverlapsAndOrder()
    {
        ProfileEditor editor;
        editor.load({});
        typeFiveHorizons(editor);
        QCOMPARE(editor.depthNotes(), QStringList());
        type(editor, 2, QStringLiteral("top_cm"), QStringLiteral("35"));
        type(editor, 3, QStringLiteral("top_cm"), QStringLiteral("50"));
        type(editor, 4, QStringLiteral("top_cm"), QStringLiteral("20"));
        const QString notes = editor.depthNotes().join(QLatin1Char('\n'));
        for (const char *expected : {"Horizon 3 (Btk) begins at 35 cm, but the one above ends at 30 cm: a gap",
                                     "Horizon 4 (Bk) begins at 50 cm, inside the one above, which ends at 55 cm",
                                     "Horizon 5 (C) begins above the one before it"})
            QVERIFY2(notes.contains(QLatin1String(expected)), qPrintable(notes));
        QCOMPARE(editor.profile().horizons.size(), 5); // pointed out, not refused
    }

    void shouldUndoAndRedoEveryEdit()
    {
        ProfileEditor editor;
        editor.load(*study::readProfileFile(example()));
        const QByteArray before = study::writeProfile(editor.profile());
        editor.setTitle(QStringLiteral("renamed"));
        editor.setSite(QStringLiteral("vegetation"), QStringLiteral("none"));
        type(editor, 0, QStringLiteral("clay_pct"), QStringLiteral("55"));
        editor.insertHorizon(1);
        editor.moveHorizon(2, 3);
        editor.removeHorizon(0);
        const QByteArray after = study::writeProfile(editor.profile());
        QVERIFY(editor.isModified());
        while (editor.undoStack()->canUndo())
            editor.undoStack()->undo();
        QCOMPARE(study::writeProfile(editor.profile()), before);
        QVERIFY(!editor.isModified());
        while (editor.undoStack()->canRedo())
            editor.undoStack()->redo();
        QCOMPARE(study::writeProfile(editor.profile()), after);
    }

    void shouldRefuseABadFileNamingItsPlaceAndKeepTheOpenProfile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("what");
        QTest::newRow("not JSON") << QByteArray("title: no") << "line 1, column"
                                  << "not JSON";
        QTest::newRow("not UTF-8") << QByteArray("{\"format\": 1, \"title\": \"caf\xe9\"}") << "line 1, column 28"
                                   << "not UTF-8";
        QTest::newRow("truncated") << QByteArray("{\"format\": 1,\n \"title\": \"t\", \"hori") << "line 2, column"
                                   << "not JSON";
        QTest::newRow("format unknown") << QByteArray(R"({"format": 2})") << "format"
                                        << "not a format";
        QTest::newRow("wrong type") << QByteArray(R"({"format": 1, "title": 7})") << "title"
                                    << "must be text";
        QTest::newRow("bottom above top") << QByteArray(R"({"format": 1, "title": "t", "site": {}, "horizons": [
                            {"designation": "A", "top_cm": 10, "bottom_cm": 4}]})")
                                          << "horizons[0].bottom_cm"
                                          << "below the top";
        QTest::newRow("percentage") << QByteArray(R"({"format": 1, "title": "t", "site": {}, "horizons": [
                            {"designation": "A", "top_cm": 0, "bottom_cm": 4, "gypsum_pct": 140}]})")
                                    << "horizons[0].gypsum_pct"
                                    << "between 0 and 100";
        QTest::newRow("larger than 1 MiB") << QByteArray(2 * 1024 * 1024, ' ') << "the file"
                                           << "larger than 1 MiB";
    }
    void shouldRefuseABadFileNamingItsPlaceAndKeepTheOpenProfile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, where);
        QFETCH(QString, what);
        QTemporaryDir dir;
        const QString path = write(dir, QStringLiteral("bad.soilprofile.json"), bytes);
        QVERIFY(profilefiles::open(example()));
        study::ProfileEditor *open = study::Practice::instance().editor();
        type(*open, 0, QStringLiteral("clay_pct"), QStringLiteral("11"));
        MessageRecorder recorder;
        QVERIFY(!profilefiles::open(path));
        QCOMPARE(recorder.messages.size(), 1);
        const ShownMessage &message = recorder.last();
        QCOMPARE(message.icon, MessageIcon::Warning);
        QVERIFY2(message.text.contains(path) && message.text.contains(where) && message.text.contains(what),
                 qPrintable(message.text));
        QCOMPARE(study::Practice::instance().editor(), open);
        QVERIFY(open->isModified());
        QVERIFY(loaded(profileScreen));
    }

    // Typed in the window, saved, opened again, handed in: a complete lab sheet.
    void shouldTypeSaveReopenAndHandInThroughTheWindows()
    {
        StudyPanel *study = panel();
        QVERIFY(click(study, QStringLiteral("New profile")));
        QWidget *window = loaded(profileScreen);
        QVERIFY(window);
        study::ProfileEditor *editor = study::Practice::instance().editor();
        auto *title = window->findChild<QLineEdit *>(QStringLiteral("profile_title"));
        title->setText(QStringLiteral("My pit on the fan"));
        emit title->editingFinished();
        auto *table = window->findChild<QTableView *>(QStringLiteral("profile_horizons"));
        QCOMPARE(table->model(), editor);
        typeFiveHorizons(*editor);
        QVERIFY(window->isWindowModified());
        // Undo and redo from the keyboard.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->index(1, horizonColumn(QStringLiteral("features"))).data().toString(), QString());
        QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!editor->index(1, horizonColumn(QStringLiteral("features"))).data().toString().isEmpty());
        // Typed into the texture list, a class stays what was typed: "loam" is not completed to "loamy sand".
        const QModelIndex texture = editor->index(4, horizonColumn(QStringLiteral("texture_class")));
        table->setCurrentIndex(texture);
        table->edit(texture);
        auto *box = table->viewport()->findChild<QComboBox *>();
        QVERIFY(box && box->isEditable());
        box->lineEdit()->setFocus();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("loam"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QCOMPARE(texture.data().toString(), QStringLiteral("loam"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pit.soilprofile.json"));
        {
            DialogAnswers answers(path);
            MessageRecorder recorder;
            QVERIFY(click(window, QStringLiteral("Save profile as...")));
            QVERIFY(recorder.messages.isEmpty());
        }
        QVERIFY(!editor->isModified());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("pit.soilprofile.json")});
        const QByteArray saved = study::writeProfile(editor->profile());
        // The practice list names the user's profile after the built-in ones.
        auto *practice = study->findChild<QComboBox *>(QStringLiteral("practice_profiles"));
        QCOMPARE(practice->itemText(practice->count() - 1), QStringLiteral("My pit on the fan"));
        resetScreens();
        study::Practice::instance().dropEditor();
        study = panel();
        {
            DialogAnswers answers({}, path);
            QVERIFY(click(study, QStringLiteral("Open profile...")));
        }
        QCOMPARE(study::writeProfile(study::Practice::instance().editor()->profile()), saved);
        QCOMPARE(loaded(profileScreen)->windowTitle(), QStringLiteral("Soil profile: My pit on the fan[*]"));

        // Handed in without practice: the description above the record.
        study->showPlace(KeyPaths::instance().placeNamed(QStringLiteral("Typic Haplargids")));
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        DialogAnswers answers(pdf);
        QVERIFY(click(study, QStringLiteral("Save as PDF...")));
        const QString text = pdfText(pdf);
        QVERIFY2(text.startsWith(QStringLiteral("My pit on the fan Landform: fan apron")), qPrintable(text.left(200)));
        QVERIFY(text.contains(QStringLiteral("common clay films on ped faces")));
        QVERIFY(text.contains(QStringLiteral("Chosen: Other Argids")));
        QVERIFY(!text.contains(QStringLiteral("Right:")) && !text.contains(QStringLiteral("Not quite"))); // no answer
    }

    void shouldAskBeforeUnsavedEditsGoAndOnlyThen()
    {
        QVERIFY(profilefiles::open(example()));
        QWidget *window = loaded(profileScreen);
        MessageRecorder recorder;
        window->close(); // nothing edited: nothing asked
        flushDeletes();
        QVERIFY(recorder.messages.isEmpty() && !loaded(profileScreen));

        study::Practice::instance().startEditor();
        window = show(profileScreen);
        study::ProfileEditor *editor = study::Practice::instance().editor();
        type(*editor, 0, QStringLiteral("clay_pct"), QStringLiteral("33"));
        recorder.answer = QStringLiteral("Cancel");
        window->close();
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.last().buttons, QStringList({"Save", "Discard", "Cancel"}));
        QVERIFY(loaded(profileScreen) && editor->isModified());
        ScreenManager::instance().end_program(); // asks too, and the program goes on
        QCOMPARE(recorder.messages.size(), 2);
        QVERIFY(loaded(profileScreen));

        // An unwritable place: named, and the edits kept.
        recorder.answer = QStringLiteral("Save");
        editor->markSaved(QStringLiteral("/nonexistent-folder/pit.soilprofile.json"));
        type(*editor, 0, QStringLiteral("clay_pct"), QStringLiteral("34"));
        window->close();
        QVERIFY(recorder.last().text.contains(QStringLiteral("/nonexistent-folder/pit.soilprofile.json")));
        QVERIFY(loaded(profileScreen) && editor->isModified());

        recorder.answer = QStringLiteral("Discard");
        window->close();
        flushDeletes();
        QVERIFY(!loaded(profileScreen));
        QVERIFY(!editor->isModified());
        // Back to the profile as last saved.
        QCOMPARE(editor->index(0, horizonColumn(QStringLiteral("clay_pct"))).data().toString(), QStringLiteral("33"));
    }

    // yucarra FILE: the profile opens once the main window is there.
    void shouldOpenAProfileGivenOnTheCommandLine()
    {
        startProgram(example());
        QTRY_VERIFY_WITH_TIMEOUT(loaded(profileScreen), 10000);
        QVERIFY(loaded(QStringLiteral("mainmenu")));
        QCOMPARE(loaded(profileScreen)->windowTitle(),
                 QStringLiteral("Soil profile: Terrace tread above a dry wash on a high desert plain[*]"));
        // A file with an answer is practised: the walk to its taxon is judged.
        QVERIFY(study::Practice::instance().onEditor());
        QVERIFY(study::Practice::instance().profile()->answer);

        // A CSV file of horizons is taken the same way.
        resetScreens();
        QTemporaryDir dir;
        const QString csv = write(dir, QStringLiteral("dune.csv"), "hzname,hzdept_r,hzdepb_r\nA,0,12\nC,12,90\n");
        startProgram(csv);
        QTRY_VERIFY_WITH_TIMEOUT(loaded(profileScreen), 10000);
        QCOMPARE(loaded(profileScreen)->windowTitle(), QStringLiteral("Soil profile: dune[*]"));
        QCOMPARE(study::Practice::instance().editor()->path(), csv);
    }

    // A spreadsheet's block: with a heading row its columns are placed by
    // name, in any order, rows added; without one it fills from the current
    // cell; a bad cell is kept and marked as if typed; one undo takes it back.
    void shouldPasteBlocksOfCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("faulty");
        const QString heading = QStringLiteral("designation\ttop_cm\tbottom_cm\tclay_pct\tsand_pct\ttexture_class\n");
        QTest::newRow("names in any order, rows added")
            << "texcl\thzdepb_r\tdesignation\thzdept_r\r\nloam\t45\tBk\t30\r\nsand\t80\tC\t45\r\n"
            << 2 << "clay_pct"
            << heading + "A\t0\t10\t8\t\tsandy loam\nBt\t10\t30\t20\t\t\nBk\t30\t45\t\t\tloam\nC\t45\t80\t\t\tsand\n"
            << QString();
        QTest::newRow("no names: from the current cell")
            << "12\t15\n13\t\n"
            << 0 << "clay_pct" << heading + "A\t0\t10\t12\t15\tsandy loam\nBt\t10\t30\t13\t\t\n"
            << QString();
        QTest::newRow("a bad cell") << "1O1\t15\n"
                                    << 1 << "clay_pct" << heading + "A\t0\t10\t8\t\tsandy loam\nBt\t10\t30\t1O1\t15\t\n"
                                    << "horizons[1].clay_pct: \u201c1O1\u201d is not a number.";
    }
    void shouldPasteBlocksOfCells()
    {
        QFETCH(QString, text);
        QFETCH(int, row);
        QFETCH(QString, from);
        QFETCH(QString, table);
        QFETCH(QString, faulty);
        ProfileEditor editor;
        editor.load(*study::parseProfile(R"({"format": 1, "title": "t", "site": {}, "horizons": [
            {"designation": "A", "top_cm": 0, "bottom_cm": 10, "clay_pct": 8, "texture_class": "sandy loam"},
            {"designation": "Bt", "top_cm": 10, "bottom_cm": 30, "clay_pct": 20}]})"));
        const QList<int> shown{0,
                               1,
                               2,
                               horizonColumn(QStringLiteral("clay_pct")),
                               horizonColumn(QStringLiteral("sand_pct")),
                               horizonColumn(QStringLiteral("texture_class"))};
        const auto all = [&editor] {
            QList<int> rows(editor.rowCount());
            std::iota(rows.begin(), rows.end(), 0);
            return rows;
        };
        const QString before = editor.copyText(all(), shown);
        editor.paste(text, row, horizonColumn(from));
        QCOMPARE(editor.copyText(all(), shown), table);
        QCOMPARE(editor.faults().join(QLatin1Char('\n')), faulty);
        QCOMPARE(editor.undoStack()->count(), 1);
        editor.undoStack()->undo();
        QCOMPARE(editor.copyText(all(), shown), before);
        QVERIFY(!editor.isModified());
    }

    // In the window: Ctrl+V pastes the clipboard at the current cell, Ctrl+C
    // copies the selection with its column names; a column no table has is named.
    void shouldCopyAndPasteThroughTheClipboard()
    {
        QVERIFY(profilefiles::open(example()));
        QWidget *window = loaded(profileScreen);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *table = window->findChild<QTableView *>(QStringLiteral("profile_horizons"));
        study::ProfileEditor *editor = study::Practice::instance().editor();
        const int rows = editor->rowCount();
        table->setFocus();
        table->setCurrentIndex(editor->index(rows - 1, 0));
        QGuiApplication::clipboard()->setText(
            QStringLiteral("hzname\thzdept_r\thzdepb_r\tcolour_name\nR\t150\t160\tgrey\n"));
        MessageRecorder recorder;
        // The current cell is being typed in: the block goes to the table all the same.
        QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->rowCount(), rows); // from the current row: the last one is replaced
        QCOMPARE(editor->index(rows - 1, 0).data().toString(), QStringLiteral("R"));
        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY2(recorder.last().text.contains(QStringLiteral("colour_name")), qPrintable(recorder.last().text));
        table->selectionModel()->select(QItemSelection(editor->index(0, 0), editor->index(1, 2)),
                                        QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(copied.first(), QStringLiteral("designation\ttop_cm\tbottom_cm"));
        QCOMPARE(copied.size(), 4); // the names, two rows, and the last line's end
        QCOMPARE(copied.at(1), QStringLiteral("%1\t%2\t%3")
                                   .arg(editor->index(0, 0).data().toString(), editor->index(0, 1).data().toString(),
                                        editor->index(0, 2).data().toString()));
    }

    // A CSV file of several pedons: one chosen from the list; saved as CSV and
    // opened again, the same pedon with its unknown column; a bad CSV file
    // refused naming its row and column, the profile open kept.
    void shouldOpenAPedonOfACsvFileAndSaveItAsCsv()
    {
        QTemporaryDir dir;
        const QString survey = write(dir, QStringLiteral("survey.csv"),
                                     "\xef\xbb\xbfpeiid;hzname;hzdept_r;hzdepb_r;claytotal_r;lab\n"
                                     "11;A;0;9;8,5;x\n12;A;0;6;4;y\n12;Bk;6;40;12;z\n");
        {
            DialogAnswers answers({}, {}, 1);
            QVERIFY(profilefiles::open(survey));
            QCOMPARE(answers.offered,
                     QStringList({"11: 1 horizon(s), 0\u20139 cm (A)", "12: 2 horizon(s), 0\u201340 cm (A, Bk)"}));
        }
        study::ProfileEditor *editor = study::Practice::instance().editor();
        QCOMPARE(editor->rowCount(), 2);
        QCOMPARE(editor->index(1, horizonColumn(QStringLiteral("clay_pct"))).data().toString(), QStringLiteral("12"));
        QVERIFY(editor->path().isEmpty()); // saving one pedon never overwrites the others
        const QString saved = dir.filePath(QStringLiteral("pedon12.csv"));
        {
            DialogAnswers answers(saved);
            QVERIFY(profilefiles::save(false));
        }
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xef\xbb\xbftitle;pedon_id;designation;top_cm;bottom_cm;clay_pct;lab\n"
                                            "Pedon 12;12;A;0;6;4;y\nPedon 12;12;Bk;6;40;12;z\n"));
        QVERIFY(profilefiles::open(saved));
        editor = study::Practice::instance().editor();
        QCOMPARE(editor->path(), saved);

        const QString bad = write(dir, QStringLiteral("bad.csv"), "hzname,hzdept_r,hzdepb_r\nA,0,9\nB,9,x\n");
        MessageRecorder recorder;
        QVERIFY(!profilefiles::open(bad));
        QVERIFY2(recorder.last().text.contains(bad)
                     && recorder.last().text.contains(
                         QStringLiteral("row 3, column 3 (hzdepb_r): \u201cx\u201d is not a number")),
                 qPrintable(recorder.last().text));
        QCOMPARE(study::Practice::instance().editor(), editor);
        // The list cancelled: nothing opened.
        QVERIFY(!profilefiles::open(survey));
        QCOMPARE(study::Practice::instance().editor(), editor);
    }
};

YUC_TEST_MAIN(TestOwnProfile)
#include "tst_ownprofile.moc"
