#include "measurement/testplan.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iterator>

namespace {

constexpr char kFormat[] = "tspx-test-plan";
constexpr int kFormatVersion = 1;

const struct
{
    CharacteristicKind kind;
    const char *name;
} kKindNames[] = {
    {CharacteristicKind::MaximumForce, "maximumForce"},
    {CharacteristicKind::MeanForce, "meanForce"},
    {CharacteristicKind::Duration, "duration"},
    {CharacteristicKind::ForceAtTime, "forceAtTime"},
    {CharacteristicKind::WindowMean, "windowMean"},
    {CharacteristicKind::WindowMinimum, "windowMinimum"},
    {CharacteristicKind::WindowMaximum, "windowMaximum"},
    {CharacteristicKind::FirstPeak, "firstPeak"},
    {CharacteristicKind::BreakForce, "breakForce"},
    {CharacteristicKind::BreakTime, "breakTime"},
    {CharacteristicKind::TimeToForce, "timeToForce"},
    {CharacteristicKind::TimeAboveForce, "timeAboveForce"},
    {CharacteristicKind::Work, "work"},
    {CharacteristicKind::Window, "window"},
    {CharacteristicKind::Envelope, "envelope"},
};

const struct
{
    BoxSide side;
    const char *name;
} kSideNames[] = {{BoxSide::None, "none"},     {BoxSide::Left, "left"}, {BoxSide::Right, "right"},
                  {BoxSide::Bottom, "bottom"}, {BoxSide::Top, "top"}};

QString sideName(BoxSide side)
{
    for (const auto &s : kSideNames) {
        if (s.side == side)
            return QLatin1String(s.name);
    }
    return QString();
}

bool sideOf(const QJsonValue &value, BoxSide &side)
{
    for (const auto &s : kSideNames) {
        if (value.toString() == QLatin1String(s.name)) {
            side = s.side;
            return true;
        }
    }
    return false;
}

void putOptional(QJsonObject &o, const char *key, const std::optional<double> &value)
{
    if (value)
        o.insert(QLatin1String(key), *value);
}

QJsonArray numbers(const QVector<double> &values)
{
    QJsonArray array;
    for (double v : values)
        array.append(v);
    return array;
}

// The parameters each kind needs, by key.
QStringList parametersOf(CharacteristicKind kind)
{
    switch (kind) {
    case CharacteristicKind::ForceAtTime:
        return {QStringLiteral("time")};
    case CharacteristicKind::WindowMean:
    case CharacteristicKind::WindowMinimum:
    case CharacteristicKind::WindowMaximum:
        return {QStringLiteral("from"), QStringLiteral("to")};
    case CharacteristicKind::FirstPeak:
        return {QStringLiteral("fall")};
    case CharacteristicKind::TimeToForce:
    case CharacteristicKind::TimeAboveForce:
        return {QStringLiteral("force")};
    case CharacteristicKind::Window:
        return {QStringLiteral("box")};
    case CharacteristicKind::Envelope:
        return {QStringLiteral("band")};
    default:
        return {};
    }
}

QJsonObject characteristicJson(const Characteristic &c)
{
    QJsonObject o{{QStringLiteral("name"), c.name},
                  {QStringLiteral("kind"), characteristicKindName(c.kind)}};
    putOptional(o, "lower", c.lower);
    putOptional(o, "upper", c.upper);
    switch (c.kind) {
    case CharacteristicKind::ForceAtTime:
        o.insert(QStringLiteral("time"), c.from);
        break;
    case CharacteristicKind::WindowMean:
    case CharacteristicKind::WindowMinimum:
    case CharacteristicKind::WindowMaximum:
        o.insert(QStringLiteral("from"), c.from);
        o.insert(QStringLiteral("to"), c.to);
        break;
    case CharacteristicKind::FirstPeak:
        o.insert(QStringLiteral("fall"), c.fall);
        o.insert(QStringLiteral("fallUnit"), c.fallInPercent ? QStringLiteral("%") : QStringLiteral("N"));
        break;
    case CharacteristicKind::BreakForce:
    case CharacteristicKind::BreakTime:
        o.insert(QStringLiteral("share"), c.share);
        o.insert(QStringLiteral("within"), c.within);
        o.insert(QStringLiteral("activation"), c.activation);
        break;
    case CharacteristicKind::TimeToForce:
    case CharacteristicKind::TimeAboveForce:
        o.insert(QStringLiteral("force"), c.force);
        break;
    case CharacteristicKind::Work:
        if (c.fromForce) {
            putOptional(o, "fromForce", c.fromForce);
            putOptional(o, "toForce", c.toForce);
        } else {
            o.insert(QStringLiteral("from"), c.from);
            o.insert(QStringLiteral("to"), c.to);
        }
        break;
    case CharacteristicKind::Window:
        o.insert(QStringLiteral("box"),
                 QJsonObject{{QStringLiteral("from"), c.box.fromTime},
                             {QStringLiteral("to"), c.box.toTime},
                             {QStringLiteral("low"), c.box.lowForce},
                             {QStringLiteral("high"), c.box.highForce},
                             {QStringLiteral("entry"), sideName(c.box.entry)},
                             {QStringLiteral("exit"), sideName(c.box.exit)}});
        break;
    case CharacteristicKind::Envelope:
        o.insert(QStringLiteral("band"), QJsonObject{{QStringLiteral("step"), c.band.step},
                                                     {QStringLiteral("lower"), numbers(c.band.lower)},
                                                     {QStringLiteral("upper"), numbers(c.band.upper)}});
        break;
    default:
        break;
    }
    return o;
}

std::optional<double> optionalNumber(const QJsonObject &o, const char *key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    return v.isDouble() ? std::optional<double>(v.toDouble()) : std::nullopt;
}

QString problemText(int index, const QString &name, const char *what)
{
    return QCoreApplication::translate("TestPlan", "Merkmal %1 (%2): %3")
        .arg(index + 1)
        .arg(name, QCoreApplication::translate("TestPlan", what));
}

bool readBand(const QJsonObject &o, EnvelopeBand &band)
{
    band.step = o.value(QStringLiteral("step")).toDouble();
    for (const QJsonValue v : o.value(QStringLiteral("lower")).toArray())
        band.lower.append(v.toDouble());
    for (const QJsonValue v : o.value(QStringLiteral("upper")).toArray())
        band.upper.append(v.toDouble());
    return band.step > 0.0 && !band.lower.isEmpty() && band.lower.size() == band.upper.size();
}

bool readCharacteristic(const QJsonObject &o, int index, Characteristic &c, QString &problem)
{
    c.name = o.value(QStringLiteral("name")).toString();
    const QString kind = o.value(QStringLiteral("kind")).toString();
    const auto *known = std::find_if(std::begin(kKindNames), std::end(kKindNames),
                                     [&](const auto &k) { return kind == QLatin1String(k.name); });
    if (c.name.isEmpty() || known == std::end(kKindNames)) {
        problem = problemText(index, c.name, QT_TRANSLATE_NOOP("TestPlan", "Name oder Art fehlt"));
        return false;
    }
    c.kind = known->kind;
    for (const QString &key : parametersOf(c.kind)) {
        if (!o.contains(key)) {
            problem = problemText(index, c.name, QT_TRANSLATE_NOOP("TestPlan", "ein Wert fehlt"));
            return false;
        }
    }
    c.lower = optionalNumber(o, "lower");
    c.upper = optionalNumber(o, "upper");
    if (c.lower && c.upper && !(*c.lower < *c.upper)) {
        problem = problemText(index, c.name,
                              QT_TRANSLATE_NOOP("TestPlan", "die untere Grenze liegt nicht unter der oberen"));
        return false;
    }
    c.from = o.value(c.kind == CharacteristicKind::ForceAtTime ? QStringLiteral("time")
                                                                 : QStringLiteral("from"))
                 .toDouble();
    c.to = o.value(QStringLiteral("to")).toDouble();
    c.force = o.value(QStringLiteral("force")).toDouble();
    c.fall = o.value(QStringLiteral("fall")).toDouble();
    c.fallInPercent = o.value(QStringLiteral("fallUnit")).toString() == QLatin1String("%");
    c.share = o.value(QStringLiteral("share")).toDouble(c.share);
    c.within = o.value(QStringLiteral("within")).toDouble(c.within);
    c.activation = o.value(QStringLiteral("activation")).toDouble(c.activation);
    c.fromForce = optionalNumber(o, "fromForce");
    c.toForce = optionalNumber(o, "toForce");
    const QJsonObject box = o.value(QStringLiteral("box")).toObject();
    c.box.fromTime = box.value(QStringLiteral("from")).toDouble();
    c.box.toTime = box.value(QStringLiteral("to")).toDouble();
    c.box.lowForce = box.value(QStringLiteral("low")).toDouble();
    c.box.highForce = box.value(QStringLiteral("high")).toDouble();
    const bool boxOk = c.kind != CharacteristicKind::Window ||
                       (sideOf(box.value(QStringLiteral("entry")), c.box.entry) &&
                        sideOf(box.value(QStringLiteral("exit")), c.box.exit) &&
                        c.box.fromTime < c.box.toTime && c.box.lowForce < c.box.highForce);
    const bool bandOk = c.kind != CharacteristicKind::Envelope ||
                        readBand(o.value(QStringLiteral("band")).toObject(), c.band);
    if (!boxOk || !bandOk) {
        problem = problemText(index, c.name,
                              QT_TRANSLATE_NOOP("TestPlan", "Fenster oder Hüllkurve unvollständig"));
        return false;
    }
    return true;
}

} // namespace

QString characteristicKindName(CharacteristicKind kind)
{
    for (const auto &k : kKindNames) {
        if (k.kind == kind)
            return QLatin1String(k.name);
    }
    return QString();
}

QString verdictText(bool pass)
{
    return pass ? QCoreApplication::translate("TestPlan", "i.O.")
                : QCoreApplication::translate("TestPlan", "n.i.O.");
}

QString characteristicValueText(const Characteristic &c, const CharacteristicResult &r)
{
    if (c.isPassFail())
        return verdictText(r.pass);
    if (!r.found) {
        const bool isBreak =
            c.kind == CharacteristicKind::BreakForce || c.kind == CharacteristicKind::BreakTime;
        return isBreak ? QCoreApplication::translate("TestPlan", "kein Bruch")
                       : QStringLiteral("\u2013");
    }
    return QString::number(r.value, 'f', characteristicDecimals(c));
}

int characteristicDecimals(const Characteristic &c)
{
    if (c.isPassFail())
        return 0;
    const QString unit = c.unit();
    return unit == QLatin1String("s") ? 3 : unit == QLatin1String("N") ? 1 : 2;
}

bool PlanVerdict::pass() const
{
    return std::all_of(results.begin(), results.end(),
                       [](const CharacteristicResult &r) { return !r.judged || r.pass; });
}

PlanVerdict judgeByPlan(const TestPlan &plan, const Measurement &m)
{
    const TriggeredCurve curve = TriggeredCurve::of(m, plan.triggerForce);
    PlanVerdict verdict;
    for (const Characteristic &c : plan.characteristics)
        verdict.results.append(evaluateCharacteristic(c, curve));
    return verdict;
}

QByteArray testPlanJson(const TestPlan &plan)
{
    QJsonArray characteristics;
    for (const Characteristic &c : plan.characteristics)
        characteristics.append(characteristicJson(c));
    const QJsonObject o{{QStringLiteral("format"), QLatin1String(kFormat)},
                        {QStringLiteral("formatVersion"), kFormatVersion},
                        {QStringLiteral("name"), plan.name},
                        {QStringLiteral("partNumber"), plan.partNumber},
                        {QStringLiteral("version"), plan.version},
                        {QStringLiteral("triggerForce"), plan.triggerForce},
                        {QStringLiteral("characteristics"), characteristics}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool readTestPlan(const QByteArray &json, TestPlan &plan, QString &problem)
{
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(json, &error).object();
    if (error.error != QJsonParseError::NoError ||
        o.value(QStringLiteral("format")).toString() != QLatin1String(kFormat) ||
        o.value(QStringLiteral("formatVersion")).toInt() > kFormatVersion) {
        problem = QCoreApplication::translate("TestPlan", "Die Datei ist kein Prüfplan.");
        return false;
    }
    plan = TestPlan{};
    plan.name = o.value(QStringLiteral("name")).toString();
    plan.partNumber = o.value(QStringLiteral("partNumber")).toString();
    plan.version = o.value(QStringLiteral("version")).toInt(1);
    plan.triggerForce = o.value(QStringLiteral("triggerForce")).toDouble();
    const QJsonArray entries = o.value(QStringLiteral("characteristics")).toArray();
    for (int i = 0; i < entries.size(); ++i) {
        Characteristic c;
        if (!readCharacteristic(entries.at(i).toObject(), i, c, problem))
            return false;
        plan.characteristics.append(c);
    }
    if (plan.name.isEmpty() || plan.characteristics.isEmpty()) {
        problem = QCoreApplication::translate("TestPlan", "Der Prüfplan hat keinen Namen oder keine Merkmale.");
        return false;
    }
    return true;
}
