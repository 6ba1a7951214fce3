// What the parts of the benchmark share: a measured figure and its summary.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <algorithm>

namespace yuc::bench {

struct Figure {
    double median = 0;
    double worst = 0;
};

inline Figure summarise(QList<double> values)
{
    if (values.isEmpty())
        return {};
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.last()};
}

inline double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// A figure with its name in --json, its row in the table and its goal.
struct Named {
    QString key;
    QString what;
    Figure figure;
    QString unit;
    QString goal;
    bool met = true;
};

// The key decided from profiles' data: one profile through the key, the
// record with the data lines, and the classifier over 10,000 files.
QList<Named> measureEvaluation();

} // namespace yuc::bench
