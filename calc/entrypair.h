#pragma once

#include "calc/formtypes.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace yuc::calc {

// A percentage entry: a right-aligned label, a text box and a horizontal
// scroll bar from 0 to 100 that follow each other. The text box holds the
// value; the bar is an input aid and a gauge. Both directions react to every
// change, typed or set by the program.
class EntryPair : public QWidget
{
    Q_OBJECT
public:
    EntryPair(const EntryDesc &desc, const EntryGeometry &geometry, const QString &initialText, QWidget *parent);

    QLineEdit *edit() const { return m_edit; }
    QScrollBar *bar() const { return m_bar; }
    // The text box's value as the calculations read it.
    double value() const;

private:
    void followText(const QString &text);
    void followBar(int value);

    QLabel *m_label;
    QLineEdit *m_edit;
    QScrollBar *m_bar;
};

} // namespace yuc::calc
