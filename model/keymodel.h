#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace yuc {

// A named button: its control name and its caption.
struct ButtonSpec {
    QString name;
    QString caption;
};

// Where an option leads.
struct Destination {
    enum class Kind { None, Step, Screen, Message };
    Kind kind = Kind::None;
    QString target; // form name of a step or screen
    QString title;  // message title
    QString text;   // message text
};

// A button on an option's row that opens a criterion panel.
struct PanelButton {
    QString name;
    QString caption;
    QString panel;
};

// One piece of a statement after the option's caption.
struct StatementItem {
    enum class Kind { Label, Marker, Panel };
    Kind kind = Kind::Label;
    QString text;      // label or marker text
    PanelButton panel; // for Kind::Panel
};
using StatementRow = QList<StatementItem>;

struct KeyOption {
    QString name;
    QString caption;
    // rows[0] stands on the caption's own line; further rows stand beneath it.
    QList<StatementRow> rows;
    Destination destination;
};

// A label beside an option's row that belongs to no option.
struct Annotation {
    int option = 0;
    QString name;
    QString text;
    QString line;
};

struct KeyStep {
    QString form;
    QString caption;
    ButtonSpec frame;
    ButtonSpec stepButton;
    std::optional<ButtonSpec> cancelButton;
    std::optional<ButtonSpec> backButton;
    QString backTarget;
    std::optional<ButtonSpec> helpButton;
    QString helpTitle;
    QString helpText;
    QString closesOnLoad;
    Destination fallback; // two-way steps: taken whenever the first option is not selected
    bool centred = true;
    bool buttonsInFrame = false;
    bool cancelFirst = false;
    QList<KeyOption> options;
    QList<Annotation> annotations;
};

struct ResultScreen {
    QString form;
    QString caption;
    QString label;
    double labelSize = 14.25;
    QList<ButtonSpec> buttons;
    std::optional<ButtonSpec> backButton;
    QString backTarget;
    QString closesOnLoad;
    std::optional<ButtonSpec> lead; // group screen: the line above the name (name, text)
};

struct PanelRow {
    int indent = 0;
    QString marker;
    QString text;
};

// A colour as the key's data give it; the windows make a QColor of it.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

struct CriterionPanel {
    QString form;
    QString caption;
    QSize clientTwips;
    Rgb background;
    QList<PanelRow> rows;
};

// The whole key: steps, result screens and criterion panels.
struct KeyModel {
    QList<KeyStep> steps;
    QList<ResultScreen> screens;
    QList<CriterionPanel> panels;
    QStringList errors; // problems met while reading

    const KeyStep *step(const QString &form) const;
    const ResultScreen *screen(const QString &form) const;
    const CriterionPanel *panel(const QString &form) const;

    // Reads branch files ({"steps": [...], "screens": [...]}) and panel files
    // ({"panels": [...]}); everything read is appended.
    void read(const QByteArray &json, const QString &source);

    // The program's key, read once from the compiled-in data.
    static const KeyModel &instance();
};

// Checks the key's structure; returns one line per problem found.
QStringList validateKey(const KeyModel &model);

} // namespace yuc
