#pragma once

#include <QJSValue>
#include <QJsonValue>

class QJSEngine;

// A date's JSON object as scripts see it: read as a property (`v.jsonValue.DateTime`) and called
// as a method (`v.jsonValue()`) alike. QML finds a property before a method of the same name, so
// the object is made callable: calling it, or JSON.stringify, gives the plain JSON object.
namespace ScriptDateJson {

// The engine the objects are made in; set when the extension library joins an engine.
void setEngine(QJSEngine *engine);
// The callable JSON object of `json`; null for a null `json` or without an engine.
QJSValue make(const QJsonValue &json);

} // namespace ScriptDateJson
