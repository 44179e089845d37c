#include "ScriptDateJson.h"

#include <QJSEngine>
#include <QJsonObject>
#include <QPointer>

namespace {

QPointer<QJSEngine> &scriptEngine()
{
    static QPointer<QJSEngine> engine;
    return engine;
}

// Made anew per call: a value kept across calls would outlive its engine.
const char *const maker
    = "(function (dateTime, offsetMinutes) {\n"
      "    var plain = function () {\n"
      "        return { \"DateTime\": dateTime, \"OffsetMinutes\": offsetMinutes }\n"
      "    }\n"
      "    var callable = function () { return plain() }\n"
      "    callable.DateTime = dateTime\n"
      "    callable.OffsetMinutes = offsetMinutes\n"
      "    Object.defineProperty(callable, \"toJSON\", { value: plain })\n"
      "    return callable\n"
      "})";

} // namespace

namespace ScriptDateJson {

void setEngine(QJSEngine *engine)
{
    scriptEngine() = engine;
}

QJSValue make(const QJsonValue &json)
{
    QJSEngine *engine = scriptEngine();
    if (!engine || !json.isObject())
        return QJSValue(QJSValue::NullValue);
    const QJsonObject object = json.toObject();
    QJSValue make = engine->evaluate(QString::fromLatin1(maker));
    return make.call({ QJSValue(object.value(QStringLiteral("DateTime")).toString()),
        QJSValue(object.value(QStringLiteral("OffsetMinutes")).toInt()) });
}

} // namespace ScriptDateJson
