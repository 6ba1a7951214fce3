#include "model/keymodel.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace yuc {

namespace {

ButtonSpec button(const QJsonValue &value)
{
    const QJsonObject o = value.toObject();
    return {o.value(QLatin1String("name")).toString(), o.value(QLatin1String("caption")).toString()};
}

std::optional<ButtonSpec> optionalButton(const QJsonObject &o, const char *key)
{
    if (!o.contains(QLatin1String(key)))
        return std::nullopt;
    return button(o.value(QLatin1String(key)));
}

Destination destination(const QJsonObject &o)
{
    Destination d;
    if (o.contains(QLatin1String("step"))) {
        d.kind = Destination::Kind::Step;
        d.target = o.value(QLatin1String("step")).toString();
    } else if (o.contains(QLatin1String("screen"))) {
        d.kind = Destination::Kind::Screen;
        d.target = o.value(QLatin1String("screen")).toString();
    } else if (o.contains(QLatin1String("message"))) {
        const QJsonObject m = o.value(QLatin1String("message")).toObject();
        d.kind = Destination::Kind::Message;
        d.title = m.value(QLatin1String("title")).toString();
        d.text = m.value(QLatin1String("text")).toString();
    }
    return d;
}

StatementItem item(const QJsonObject &o)
{
    StatementItem i;
    if (o.contains(QLatin1String("panel"))) {
        i.kind = StatementItem::Kind::Panel;
        i.panel = {o.value(QLatin1String("name")).toString(), o.value(QLatin1String("caption")).toString(),
                   o.value(QLatin1String("panel")).toString()};
    } else if (o.contains(QLatin1String("marker"))) {
        i.kind = StatementItem::Kind::Marker;
        i.text = o.value(QLatin1String("marker")).toString();
    } else {
        i.text = o.value(QLatin1String("label")).toString();
    }
    return i;
}

KeyOption option(const QJsonObject &o)
{
    KeyOption opt;
    opt.name = o.value(QLatin1String("name")).toString();
    opt.caption = o.value(QLatin1String("caption")).toString();
    for (const QJsonValue row : o.value(QLatin1String("rows")).toArray()) {
        StatementRow items;
        for (const QJsonValue i : row.toArray())
            items << item(i.toObject());
        opt.rows << items;
    }
    if (opt.rows.isEmpty())
        opt.rows << StatementRow{};
    opt.destination = destination(o.value(QLatin1String("to")).toObject());
    return opt;
}

KeyStep readStep(const QJsonObject &o)
{
    KeyStep s;
    s.form = o.value(QLatin1String("form")).toString();
    s.caption = o.value(QLatin1String("caption")).toString();
    s.frame = button(o.value(QLatin1String("frame")));
    s.stepButton = button(o.value(QLatin1String("step_button")));
    s.cancelButton = optionalButton(o, "cancel_button");
    s.backButton = optionalButton(o, "back_button");
    s.backTarget = o.value(QLatin1String("back_button")).toObject().value(QLatin1String("target")).toString();
    s.helpButton = optionalButton(o, "help_button");
    const QJsonObject help = o.value(QLatin1String("help_button")).toObject();
    s.helpTitle = help.value(QLatin1String("title")).toString();
    s.helpText = help.value(QLatin1String("text")).toString();
    s.closesOnLoad = o.value(QLatin1String("closes_on_load")).toString();
    s.fallback = destination(o.value(QLatin1String("fallback")).toObject());
    s.centred = o.value(QLatin1String("centred")).toBool(true);
    s.buttonsInFrame = o.value(QLatin1String("buttons_in_frame")).toBool(false);
    s.cancelFirst = o.value(QLatin1String("cancel_first")).toBool(false);
    for (const QJsonValue v : o.value(QLatin1String("options")).toArray())
        s.options << option(v.toObject());
    for (const QJsonValue v : o.value(QLatin1String("annotations")).toArray()) {
        const QJsonObject a = v.toObject();
        s.annotations << Annotation{a.value(QLatin1String("option")).toInt(), a.value(QLatin1String("name")).toString(),
                                    a.value(QLatin1String("text")).toString(),
                                    a.value(QLatin1String("line")).toString()};
    }
    return s;
}

ResultScreen readScreen(const QJsonObject &o)
{
    ResultScreen r;
    r.form = o.value(QLatin1String("form")).toString();
    r.caption = o.value(QLatin1String("caption")).toString();
    r.label = o.value(QLatin1String("label")).toString();
    r.labelSize = o.value(QLatin1String("label_size")).toDouble(14.25);
    for (const QJsonValue b : o.value(QLatin1String("buttons")).toArray())
        r.buttons << button(b);
    r.backButton = optionalButton(o, "back_button");
    r.backTarget = o.value(QLatin1String("back_button")).toObject().value(QLatin1String("target")).toString();
    r.closesOnLoad = o.value(QLatin1String("closes_on_load")).toString();
    if (o.contains(QLatin1String("lead"))) {
        const QJsonObject lead = o.value(QLatin1String("lead")).toObject();
        r.lead = ButtonSpec{lead.value(QLatin1String("name")).toString(), lead.value(QLatin1String("text")).toString()};
    }
    return r;
}

CriterionPanel readPanel(const QJsonObject &o)
{
    CriterionPanel p;
    p.form = o.value(QLatin1String("form")).toString();
    p.caption = o.value(QLatin1String("caption")).toString();
    const QJsonArray client = o.value(QLatin1String("client")).toArray();
    p.clientTwips = QSize(client.at(0).toInt(), client.at(1).toInt());
    const QJsonArray bg = o.value(QLatin1String("background")).toArray();
    p.background = {bg.at(0).toInt(), bg.at(1).toInt(), bg.at(2).toInt()};
    for (const QJsonValue v : o.value(QLatin1String("rows")).toArray()) {
        const QJsonObject r = v.toObject();
        p.rows << PanelRow{r.value(QLatin1String("indent")).toInt(), r.value(QLatin1String("marker")).toString(),
                           r.value(QLatin1String("text")).toString()};
    }
    return p;
}

template <typename T>
const T *findByForm(const QList<T> &list, const QString &form)
{
    for (const T &entry : list)
        if (entry.form == form)
            return &entry;
    return nullptr;
}

} // namespace

const KeyStep *KeyModel::step(const QString &form) const
{
    return findByForm(steps, form);
}
const ResultScreen *KeyModel::screen(const QString &form) const
{
    return findByForm(screens, form);
}
const CriterionPanel *KeyModel::panel(const QString &form) const
{
    return findByForm(panels, form);
}

void KeyModel::read(const QByteArray &json, const QString &source)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject()) {
        errors << QStringLiteral("%1: %2").arg(source, error.errorString());
        return;
    }
    const QJsonObject root = document.object();
    for (const QJsonValue v : root.value(QLatin1String("steps")).toArray())
        steps << readStep(v.toObject());
    for (const QJsonValue v : root.value(QLatin1String("screens")).toArray())
        screens << readScreen(v.toObject());
    for (const QJsonValue v : root.value(QLatin1String("panels")).toArray())
        panels << readPanel(v.toObject());
}

const KeyModel &KeyModel::instance()
{
    static const KeyModel model = [] {
        KeyModel m;
        const QDir dir(QStringLiteral(":/key/data"));
        for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                m.read(file.readAll(), name);
            else
                m.errors << QStringLiteral("%1: cannot be read").arg(name);
        }
        return m;
    }();
    return model;
}

QStringList validateKey(const KeyModel &model)
{
    QStringList problems = model.errors;
    QSet<QString> forms;
    auto claim = [&](const QString &form) {
        if (form.isEmpty())
            problems << QStringLiteral("a window without a form name");
        else if (forms.contains(form))
            problems << QStringLiteral("%1: form name used twice").arg(form);
        forms.insert(form);
    };
    for (const KeyStep &s : model.steps)
        claim(s.form);
    for (const ResultScreen &r : model.screens)
        claim(r.form);
    for (const CriterionPanel &p : model.panels)
        claim(p.form);

    QHash<QString, int> stepLinks;
    QHash<QString, int> screenLinks;
    auto follow = [&](const Destination &d, const QString &where) {
        switch (d.kind) {
        case Destination::Kind::Step:
            if (!model.step(d.target))
                problems << QStringLiteral("%1 leads to missing step %2").arg(where, d.target);
            ++stepLinks[d.target];
            break;
        case Destination::Kind::Screen:
            if (!model.screen(d.target))
                problems << QStringLiteral("%1 leads to missing screen %2").arg(where, d.target);
            ++screenLinks[d.target];
            break;
        case Destination::Kind::Message:
            if (d.title.isEmpty() || d.text.isEmpty())
                problems << QStringLiteral("%1 shows an empty message").arg(where);
            break;
        case Destination::Kind::None:
            problems << QStringLiteral("%1 leads nowhere").arg(where);
            break;
        }
    };
    for (const KeyStep &s : model.steps) {
        if (s.options.isEmpty())
            problems << QStringLiteral("%1 has no options").arg(s.form);
        for (int i = 0; i < s.options.size(); ++i) {
            const KeyOption &o = s.options.at(i);
            const QString where = s.form + QLatin1Char('/') + o.name;
            // The second option of a two-way step is reached through its fallback.
            if (!(s.fallback.kind != Destination::Kind::None && i == 1))
                follow(o.destination, where);
            for (const StatementRow &row : o.rows)
                for (const StatementItem &item : row)
                    if (item.kind == StatementItem::Kind::Panel && !model.panel(item.panel.panel))
                        problems << QStringLiteral("%1 opens missing panel %2").arg(where, item.panel.panel);
        }
        if (s.fallback.kind != Destination::Kind::None)
            follow(s.fallback, s.form + QStringLiteral("/fallback"));
        if (s.backButton && !model.step(s.backTarget))
            problems << QStringLiteral("%1 goes back to missing step %2").arg(s.form, s.backTarget);
    }
    for (const KeyStep &s : model.steps) {
        const int links = stepLinks.value(s.form);
        if (s.form == QLatin1String("Classif_Arid_first") ? links != 0 : links != 1)
            problems << QStringLiteral("%1 is reached by %2 options").arg(s.form).arg(links);
    }
    for (const ResultScreen &r : model.screens) {
        if (screenLinks.value(r.form) != 1)
            problems << QStringLiteral("%1 is reached by %2 options").arg(r.form).arg(screenLinks.value(r.form));
        if (r.backButton && !model.step(r.backTarget))
            problems << QStringLiteral("%1 goes back to missing step %2").arg(r.form, r.backTarget);
    }
    return problems;
}

} // namespace yuc
