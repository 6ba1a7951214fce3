#pragma once

#include "study/profile.h"

#include <QAbstractTableModel>
#include <QRect>
#include <QWidget>

namespace yuc {

// The horizons of a described soil as a table: designation, depths, every
// property the description gives, and the features.
class HorizonTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit HorizonTable(const study::Profile &profile, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<study::Horizon> m_horizons;
    QList<study::Property> m_columns;
};

// A described soil in a window of its own, to read beside the key: title,
// site, the horizons as a table and, where it illustrates one, its page.
class ProfileWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ProfileWindow(const study::Profile *profile, QWidget *parent = nullptr);
};

// Where a study window stands: beside the key's windows, which are centred on
// the screen and at most keyWidth wide, on the given side, where the screen has
// room; otherwise at that edge of the screen, for the user to move.
enum class Side { Left, Right };
QRect besideTheKey(const QRect &available, Side side, int keyWidth, QSize preferred);
// The widest key window, frame included, on the screens the key is laid out for.
constexpr int keyAreaWidth = 800;

} // namespace yuc
