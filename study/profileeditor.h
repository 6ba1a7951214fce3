#pragma once

#include "model/profileformat.h"
#include "model/texture.h"

#include <QAbstractTableModel>
#include <QUndoStack>

#include <functional>
#include <optional>

namespace yuc::study {

// A column of the horizons table: the file's name for it, its heading with
// the unit, and the kind of value it takes (each kind has its delegate).
struct Column {
    enum class Kind { Designation, Depth, Percent, Number, Ph, Munsell, Texture, Choice, Text, Features };
    QString key;
    QString heading;
    Kind kind;
};
const QList<Column> &horizonColumns();
// The column of a field ("clay_pct"), or -1.
int horizonColumn(const QString &key);
// The values a column offers in its list: the texture classes, yes and no, or a property's choices.
QStringList columnChoices(int column);

// A described soil being typed or mended: its title, its site and its
// horizons as a table model, every cell kept as typed (a faulty one is
// marked and says why, never thrown away), every edit undoable.
class ProfileEditor : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ProfileEditor(QObject *parent = nullptr);
    // Opens a profile read from a file (or built in), to be edited.
    void load(const Profile &profile, const QString &path = {});
    // A new profile: one horizon from the surface, nothing typed yet.
    void loadBlank();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    QString site(const QString &key) const { return m_site.value(key); }
    void setSite(const QString &key, const QString &value);

    // A new horizon at the row, beginning where the one above ends.
    void insertHorizon(int row);
    void removeHorizon(int row);
    void moveHorizon(int from, int to);

    // The column of a name: the program's, an export's, or a column heading; -1 for none.
    static int columnNamed(const QString &name);

    // What a paste filled: its first row, how many rows (added ones among
    // them), which columns, and the names of a heading row it could not place.
    struct Pasted {
        int row = 0;
        int rows = 0;
        int added = 0;
        QList<int> columns;
        QStringList unplaced;
    };
    // Pastes a block of cells as a spreadsheet puts it on the clipboard
    // (tab-separated rows) from the cell at row and column, adding rows as
    // needed. A first row of column names places the columns by name;
    // without one they fill from the column given. Every cell is kept and
    // checked as if typed; the whole paste is one edit.
    Pasted paste(const QString &text, int row, int column);
    // The cells of the rows and columns given as tab-separated text below a
    // row of their column names, as a spreadsheet takes them.
    QString copyText(const QList<int> &rows, const QList<int> &columns) const;

    // Why a cell is faulty, or nothing.
    QString cellProblem(int row, int column) const;
    // Every faulty cell, "horizons[2].clay_pct: why" (the file's field path).
    QStringList faults() const;
    // What is wrong with a site field as typed (a yes or no, a choice, a
    // number in its range); empty where nothing is.
    QString siteProblem(const QString &key) const;
    // Horizons out of depth order, overlapping or leaving a gap: pointed
    // out, not refused.
    QStringList depthNotes() const;

    // The profile as it stands: faulty cells, and horizons without valid
    // depths, left out; what the program does not know kept from the file.
    // As typed, a faulty colour or texture stays, for the pictures to say
    // why they cannot show it.
    Profile profile(bool asTyped = false) const;
    bool hasAnswer() const { return m_base.answer.has_value(); }

    QUndoStack *undoStack() { return &m_undo; }
    bool isModified() const { return !m_undo.isClean(); }
    QString path() const { return m_path; }
    // After a save: the file the profile now is, and no unsaved edits.
    void markSaved(const QString &path);
    // Where a profile that has no file of its own came from ("pedon 7 of
    // survey.csv"), if anywhere.
    QString origin() const { return m_origin; }
    void setOrigin(const QString &origin) { m_origin = origin; }

    // Everything the editor holds, every cell as typed, with the profile as
    // last opened or saved: what a recovery copy keeps.
    QJsonObject snapshot() const;
    // Opens a snapshot: the profile as it was last opened or saved, with the
    // snapshot's edits on it as one edit not saved. False, saying why, for
    // something that is not a snapshot.
    bool restore(const QJsonObject &snapshot, QString *error = nullptr);

signals:
    void titleChanged();
    void siteChanged(const QString &key);
    // Anything in the profile changed: a cell, a row, the title or the site.
    void edited();

private:
    struct Row {
        QStringList cells;
        QJsonObject extra;
        QStringList features; // as read: a feature may hold a ";" of its own
    };
    struct Cell {
        int row;
        int column;
        QString text;
    };
    void applyCells(const QList<Cell> &cells);
    void applyAppend(int count);
    void applyState(const QJsonObject &state);
    QJsonObject state() const;
    void applyInsert(int row, const Row &content);
    void applyRemove(int row);
    void applyMove(int from, int to);
    void push(const QString &what, std::function<void()> redo, std::function<void()> undo);
    std::optional<double> numberAt(int row, int column) const;

    Profile m_base; // what was read: the answer, the page and unknown fields
    QString m_title;
    QHash<QString, QString> m_site;
    QStringList m_siteOrder;
    QList<Row> m_rows;
    QUndoStack m_undo;
    QString m_path;
    QString m_origin;
};

} // namespace yuc::study
