#pragma once

#include "model/keymodel.h"

#include <QList>
#include <QWidget>

#include <utility>

class QBoxLayout;
class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace yuc {

class WrapRadioButton;

// The one window type of every key step, built from its record: the options
// in one frame (one selection group), their continuation labels and panel
// buttons, and the step's own buttons.
class StepWindow : public QWidget
{
    Q_OBJECT
public:
    explicit StepWindow(const KeyStep &step, QWidget *parent = nullptr);

    const KeyStep &step() const { return m_step; }
    int selectedOption() const; // -1 when none is selected

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildOptions();
    // Adds a row of labels and buttons; caption is the option whose caption
    // starts the row, or null for a row beneath it.
    void addRow(QHBoxLayout *into, const StatementRow &row, QWidget *content, WrapRadioButton *caption);
    void alignWithCaptions();
    QWidget *buildButtons();
    QPushButton *addButton(QBoxLayout *into, const ButtonSpec &desc);
    void fitToScreen();

    const KeyStep &m_step;
    QButtonGroup *m_group;
    QList<WrapRadioButton *> m_options;
    // Labels on the line of an option's caption, with that option.
    QList<std::pair<QLabel *, WrapRadioButton *>> m_besideCaptions;
    QPushButton *m_stepButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QScrollArea *m_scroll = nullptr;
    bool m_fitted = false;
};

} // namespace yuc
