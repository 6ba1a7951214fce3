#pragma once

#include "model/keymodel.h"

#include <QWidget>

namespace yuc {

// The small yellow window that names the final subgroup (and the group
// window of a great group with a single subgroup).
class ResultWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ResultWindow(const ResultScreen &screen, QWidget *parent = nullptr);
};

// A criterion panel: read-only labels that spell out a criterion, and Close.
class PanelWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PanelWindow(const CriterionPanel &panel, QWidget *parent = nullptr);
};

} // namespace yuc
