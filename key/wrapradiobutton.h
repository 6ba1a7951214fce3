#pragma once

#include "key/heightcache.h"

#include <QLabel>
#include <QRadioButton>

namespace yuc {

// A radio button whose caption wraps over as many lines as it needs. The
// whole caption is the button's text (and so its accessible name), and a
// click anywhere on it selects the option.
class WrapRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit WrapRadioButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // Where the caption's first line stands, in the button's coordinates:
    // what texts beside the caption line up with.
    int firstBaseline() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void changeEvent(QEvent *event) override;

private:
    int textIndent() const;
    int textAdvance() const;
    QRect textRect(int width) const;
    QRect textArea() const;
    HeightCache m_heights;
    mutable int m_advance = -1;
};

// A word-wrapped plain-text label that remembers its wrapped heights.
class WrapLabel : public QLabel
{
    Q_OBJECT
public:
    WrapLabel(const QString &text, QWidget *parent = nullptr);
    int heightForWidth(int width) const override;
    // Cheap hints: the layout gives the width, heightForWidth the height.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    HeightCache m_heights;
    mutable int m_advance = -1;
};

} // namespace yuc
