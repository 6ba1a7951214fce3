#pragma once

#include "model/keypaths.h"
#include "model/soil.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace yuc::eval {

// The key's tests: for every option of every step (by its control name) and
// every criterion panel (by its form name), what must hold, written in
// terms of the diagnostic criteria. Read once from the compiled-in data.
class KeyTests
{
public:
    static const KeyTests &instance();
    // Reads {"options": {name: test}, "panels": {form: test}}; problems are listed.
    void read(const QByteArray &json);

    const QJsonObject *option(const QString &name) const;
    const QJsonObject *panel(const QString &form) const;
    // One line per option or panel of the key without a test, per test that
    // names a criterion or panel the program does not know.
    QStringList check(const KeyModel &model) const;
    QStringList errors;

private:
    QHash<QString, QJsonObject> m_options;
    QHash<QString, QJsonObject> m_panels;
};

// Decides one test against a soil: "all", "any", "not", "panel", "other" and
// the criteria, in three-valued logic.
Finding decide(const Soil &soil, const QJsonObject &test, const KeyTests &tests = KeyTests::instance());

// Every statement of a step decided against a soil.
struct StepFindings {
    const KeyStep *step = nullptr;
    QList<Finding> statements; // one per option
    int chosen = -1;           // the first that holds, if none before it cannot be told
};

// Where the data lead through the key: from the key to suborders, at each
// step the first statement that holds, stopping where one before it cannot
// be told.
struct KeyResult {
    QList<StepFindings> way; // every step passed, the last one where it ended or stopped
    KeyPlace place;          // the final reached; invalid where the data stop
    QString taxon;           // empty where the data stop
    // Where the data stop: the statements the step cannot tell between (the
    // undecided ones, then the first that holds, if any).
    QList<int> undecided;
    QStringList measureNext; // property keys, the most decisive first
    bool decided() const { return place.isValid(); }
    const KeyStep *stoppedAt() const { return decided() || way.isEmpty() ? nullptr : way.last().step; }
};

KeyResult keyFromData(const Soil &soil, const KeyPaths &paths = KeyPaths::instance());

// Every statement of a step decided, whether or not the data reach it.
StepFindings decideStep(const Soil &soil, const KeyStep &step);

const char *stateName(State state); // "holds", "does_not_hold", "cannot_tell"
QString stateText(State state);     // "holds", "does not hold", "cannot tell"

} // namespace yuc::eval
