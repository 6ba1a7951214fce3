#include "model/evaluation.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace yuc::eval {

const KeyTests &KeyTests::instance()
{
    static const KeyTests tests = [] {
        KeyTests t;
        QFile file(QStringLiteral(":/key/data/tests/statements.json"));
        if (file.open(QIODevice::ReadOnly))
            t.read(file.readAll());
        else
            t.errors << QStringLiteral("the key's tests are missing");
        return t;
    }();
    return tests;
}

void KeyTests::read(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    if (error.error != QJsonParseError::NoError) {
        errors << QStringLiteral("the key's tests are not JSON: ") + error.errorString();
        return;
    }
    const QJsonObject options = root.value(QStringLiteral("options")).toObject();
    for (auto it = options.begin(); it != options.end(); ++it)
        m_options.insert(it.key(), it.value().toObject());
    const QJsonObject panels = root.value(QStringLiteral("panels")).toObject();
    for (auto it = panels.begin(); it != panels.end(); ++it)
        m_panels.insert(it.key(), it.value().toObject());
}

const QJsonObject *KeyTests::option(const QString &name) const
{
    const auto it = m_options.constFind(name);
    return it == m_options.cend() ? nullptr : &*it;
}

const QJsonObject *KeyTests::panel(const QString &form) const
{
    const auto it = m_panels.constFind(form);
    return it == m_panels.cend() ? nullptr : &*it;
}

namespace {

void checkTest(const QJsonObject &test, const QString &where, const KeyModel &model, QStringList &problems)
{
    const QStringList forms{QStringLiteral("all"), QStringLiteral("any")};
    for (const QString &form : forms)
        if (test.contains(form)) {
            const QJsonArray parts = test.value(form).toArray();
            if (parts.isEmpty())
                problems << where + QStringLiteral(": \u201c%1\u201d with no parts").arg(form);
            for (const QJsonValue part : parts)
                checkTest(part.toObject(), where, model, problems);
            return;
        }
    if (test.contains(QStringLiteral("not"))) {
        checkTest(test.value(QStringLiteral("not")).toObject(), where, model, problems);
        return;
    }
    if (test.contains(QStringLiteral("panel"))) {
        if (!model.panel(test.value(QStringLiteral("panel")).toString()))
            problems << where + QStringLiteral(": no panel ") + test.value(QStringLiteral("panel")).toString();
        return;
    }
    if (test.value(QStringLiteral("other")).toBool())
        return;
    if (!Soil::knows(test.value(QStringLiteral("test")).toString()))
        problems
            << where
                   + QStringLiteral(": no criterion \u201c%1\u201d").arg(test.value(QStringLiteral("test")).toString());
}

} // namespace

QStringList KeyTests::check(const KeyModel &model) const
{
    QStringList problems = errors;
    for (const KeyStep &step : model.steps)
        for (const KeyOption &option : step.options) {
            if (const QJsonObject *test = this->option(option.name))
                checkTest(*test, option.name, model, problems);
            else
                problems << QStringLiteral("%1 (%2): no test").arg(option.name, step.form);
        }
    for (const CriterionPanel &panel : model.panels) {
        if (const QJsonObject *test = this->panel(panel.form))
            checkTest(*test, panel.form, model, problems);
        else
            problems << panel.form + QStringLiteral(": no test");
    }
    return problems;
}

Finding decide(const Soil &soil, const QJsonObject &test, const KeyTests &tests)
{
    const auto parts = [&](const QString &form) {
        QList<Finding> list;
        for (const QJsonValue part : test.value(form).toArray())
            list << decide(soil, part.toObject(), tests);
        return list;
    };
    if (test.contains(QStringLiteral("all")))
        return combine(parts(QStringLiteral("all")), State::DoesNotHold, State::Holds);
    if (test.contains(QStringLiteral("any")))
        return combine(parts(QStringLiteral("any")), State::Holds, State::DoesNotHold);
    if (test.contains(QStringLiteral("not"))) {
        Finding f = decide(soil, test.value(QStringLiteral("not")).toObject(), tests);
        if (f.state != State::CannotTell)
            f.state = f.state == State::Holds ? State::DoesNotHold : State::Holds;
        return f;
    }
    if (test.contains(QStringLiteral("panel"))) {
        const QJsonObject *panel = tests.panel(test.value(QStringLiteral("panel")).toString());
        return panel ? decide(soil, *panel, tests)
                     : Finding{State::CannotTell, QStringLiteral("no test for the panel"), {}};
    }
    if (test.value(QStringLiteral("other")).toBool())
        return {State::Holds, QStringLiteral("none of the statements before it holds"), {}};
    return soil.test(test.value(QStringLiteral("test")).toString(), test);
}

StepFindings decideStep(const Soil &soil, const KeyStep &step)
{
    StepFindings s;
    s.step = &step;
    const KeyTests &tests = KeyTests::instance();
    bool open = true;
    for (int i = 0; i < step.options.size(); ++i) {
        const QJsonObject *test = tests.option(step.options.at(i).name);
        s.statements << (test ? decide(soil, *test, tests)
                              : Finding{
                                  State::CannotTell, QStringLiteral("the program has no test for this statement"), {}});
        if (!open)
            continue;
        if (s.statements.last().state == State::Holds) {
            s.chosen = i;
            open = false;
        } else if (s.statements.last().state == State::CannotTell)
            open = false;
    }
    return s;
}

KeyResult keyFromData(const Soil &soil, const KeyPaths &paths)
{
    KeyResult result;
    const KeyModel &model = paths.model();
    const KeyStep *step = paths.root();
    while (step) {
        result.way << decideStep(soil, *step);
        const StepFindings &here = result.way.last();
        if (here.chosen < 0) {
            // Stopped: the statements before the first that holds which cannot be told.
            for (int i = 0; i < here.statements.size(); ++i) {
                if (here.statements.at(i).state == State::CannotTell)
                    result.undecided << i;
                if (here.statements.at(i).state == State::Holds) {
                    result.undecided << i;
                    break;
                }
            }
            // What to measure: the properties that settle the most undecided statements first.
            QHash<QString, int> count;
            QStringList order;
            for (int i : result.undecided)
                for (const QString &m : here.statements.at(i).missing) {
                    if (!count.contains(m))
                        order << m;
                    ++count[m];
                }
            std::stable_sort(order.begin(), order.end(),
                             [&](const QString &a, const QString &b) { return count.value(a) > count.value(b); });
            result.measureNext = order;
            return result;
        }
        const KeyOption &option = step->options.at(here.chosen);
        Destination to = option.destination;
        if (to.kind == Destination::Kind::None)
            to = step->fallback;
        switch (to.kind) {
        case Destination::Kind::Step:
            step = model.step(to.target);
            break;
        case Destination::Kind::Screen:
            result.place = KeyPlace::screen(to.target);
            step = nullptr;
            break;
        case Destination::Kind::Message:
            result.place = KeyPlace::message(step->form, here.chosen);
            step = nullptr;
            break;
        case Destination::Kind::None:
            step = nullptr;
            break;
        }
    }
    if (result.place.isValid())
        result.taxon = paths.nameOf(result.place);
    return result;
}

const char *stateName(State state)
{
    switch (state) {
    case State::Holds:
        return "holds";
    case State::DoesNotHold:
        return "does_not_hold";
    case State::CannotTell:
        break;
    }
    return "cannot_tell";
}

QString stateText(State state)
{
    return QString::fromLatin1(stateName(state)).replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace yuc::eval
