#pragma once

#include "OperationResult.h"

#include <QColor>
#include <QDateTime>
#include <QJSValue>
#include <QMatrix4x4>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QUrl>
#include <QVariant>

class Args;
class QQuickItem;

// What QML scripts lack: colours, identifiers, random texts, matrices, hit tests, item
// stacking, operation results and environment facts.
class QtX : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString applicationVersion READ applicationVersion CONSTANT)
    Q_PROPERTY(QString userLanguage READ userLanguage CONSTANT)
    Q_PROPERTY(QString systemLocaleName READ systemLocaleName CONSTANT)
    Q_PROPERTY(QString qtCompileVersion READ qtCompileVersion CONSTANT)
    Q_PROPERTY(QString qtRuntimeVersion READ qtRuntimeVersion CONSTANT)
    Q_PROPERTY(OS os READ os CONSTANT)
    Q_PROPERTY(bool isDesktop READ isDesktop CONSTANT)
public:
    enum UuidFormat : int {
        FullUiid = 0,
        DashedNumbersUiid = 1,
    };
    Q_ENUM(UuidFormat)

    // Dialog outcomes shared by the screens.
    enum UserActionReason {
        NoReason = 0,
        Accepted = 1,
        Apply = 2,
        Discard = 3,
        Help = 4,
        No = 5,
        Rejected = 6,
        Reset = 7,
        Yes = 8,
    };
    Q_ENUM(UserActionReason)

    enum OS {
        Windows = 0,
        OSX = 1,
        Android = 2,
        IOS = 3,
        Linux = 4,
    };
    Q_ENUM(OS)

    using QObject::QObject;

    QString applicationVersion() const;
    QString userLanguage() const;
    QString systemLocaleName() const;
    QString qtCompileVersion() const;
    QString qtRuntimeVersion() const;
    OS os() const;
    bool isDesktop() const { return true; }

    Q_INVOKABLE bool isValidColor(const QColor &color) const { return color.isValid(); }
    Q_INVOKABLE QString colorToStr(const QColor &color) const;
    Q_INVOKABLE QColor strToColor(const QString &value) const { return QColor(value); }
    Q_INVOKABLE QColor goodColorForGrid(const QColor &color) const;
    Q_INVOKABLE QColor hoverColor(const QColor &color) const;

    Q_INVOKABLE QString createUuid(UuidFormat format) const;
    Q_INVOKABLE QString createUuid() const;
    Q_INVOKABLE bool isValidUuid(const QString &value) const;
    Q_INVOKABLE QString createRandomString(int length) const;
    Q_INVOKABLE QString htmlToPlain(const QString &html) const;
    Q_INVOKABLE QString incrementNumberedName(const QString &name) const;
    Q_INVOKABLE QString format(const QString &s) const { return s; }
    Q_INVOKABLE QString formatTimeInterval(qlonglong milliseconds, const QString &format) const;
    Q_INVOKABLE QString formatTimeInterval(qlonglong milliseconds) const;

    Q_INVOKABLE QObject *setJavaScriptOwnership(QObject *object) const;
    Q_INVOKABLE bool setParentObject(QObject *object, QObject *parent) const;
    Q_INVOKABLE QObject *eventSender(QObject *object) const;
    Q_INVOKABLE void queuedInvoke(QObject *object, const QString &method) const;
    Q_INVOKABLE void queuedInvoke(
        QObject *object, const QString &method, const QVariant &arg) const;
    Q_INVOKABLE void scheduleCall(const QVariant &) const { }
    Q_INVOKABLE void processApplicationEvents() const;
    // Hands the heap's free memory back to the system once objects already let go of (deleted
    // later) are gone, as after a screen has closed.
    Q_INVOKABLE void giveBackFreeMemory() const;
    Q_INVOKABLE int queryKeyboardModifiers() const;
    Q_INVOKABLE Args *args(const QJSValue &values) const;
    Q_INVOKABLE void writeProperty(
        QObject *object, const QString &property, const QVariant &value) const;
    Q_INVOKABLE bool isPropertyBinded(QObject *object, const QString &property) const;

    Q_INVOKABLE QMatrix4x4 rotationMatrix(double angle, const QPointF &center) const;
    Q_INVOKABLE QMatrix4x4 scaleMatrix(double x, double y) const;
    Q_INVOKABLE QMatrix4x4 translateMatrix(double x, double y) const;
    Q_INVOKABLE QMatrix4x4 matMultiply(const QMatrix4x4 &a, const QMatrix4x4 &b) const;
    Q_INVOKABLE QPointF mapPoint(const QMatrix4x4 &mtx, const QPointF &point) const;
    // Whether the polygon passes within tolerance of the point.
    Q_INVOKABLE bool contains(const QPointF &pt, const QVariantList &pts, double tolerance) const;
    Q_INVOKABLE bool intersects(const QRectF &rect, const QVariantList &pts) const;
    Q_INVOKABLE bool contains(const QRectF &rect, const QRectF &other) const;

    // Adds an SVG path, mapped by transform, to a Canvas 2D context's current path.
    Q_INVOKABLE void paintSvgPath(
        const QJSValue &context2d, const QString &svg, const QMatrix4x4 &transform) const;
    Q_INVOKABLE void paintSvgPath(const QJSValue &context2d, const QString &svg) const;

    Q_INVOKABLE bool isLocalFileUrl(const QUrl &value) const { return value.isLocalFile(); }
    Q_INVOKABLE void openUrl(const QUrl &url) const;

    Q_INVOKABLE OperationResult operationSuccess(
        const QVariantMap &result, const QString &message) const;
    Q_INVOKABLE OperationResult operationSuccess(const QVariantMap &result) const;
    Q_INVOKABLE OperationResult operationSuccess() const;
    Q_INVOKABLE OperationResult operationWarning(
        const QVariantMap &result, const QString &message) const;
    // A payload or, given a string, a message: one overload, as scripts cannot tell two apart.
    Q_INVOKABLE OperationResult operationWarning(const QVariant &resultOrMessage) const;
    Q_INVOKABLE OperationResult operationFailure(
        const QString &message, const QVariantMap &result) const;
    Q_INVOKABLE OperationResult operationFailure(const QString &message) const;
    Q_INVOKABLE OperationResult operationFailure() const;
    Q_INVOKABLE OperationResult operationOverwrite(
        const OperationResult &base, const QVariantMap &news) const;
    Q_INVOKABLE OperationResult operationExtend(
        const OperationResult &base, const QVariantMap &extend) const;

    Q_INVOKABLE QDateTime toOffsetFromUtc(const QDateTime &dateTime) const;
    Q_INVOKABLE QString toJsonValue(const QDateTime &dateTime) const;

    Q_INVOKABLE void bringToFront(QQuickItem *item) const;
    Q_INVOKABLE void sendToBack(QQuickItem *item) const;
    Q_INVOKABLE void stackBefore(QQuickItem *item, QQuickItem *target) const;
    Q_INVOKABLE void stackAfter(QQuickItem *item, QQuickItem *target) const;
    Q_INVOKABLE QQuickItem *firstItem(QQuickItem *parent) const;
    Q_INVOKABLE QQuickItem *lastItem(QQuickItem *parent) const;
    Q_INVOKABLE bool isFrontItem(QQuickItem *item) const;
    Q_INVOKABLE bool isBackItem(QQuickItem *item) const;
    Q_INVOKABLE QRectF mapRectFromItem(
        QQuickItem *toItem, QQuickItem *fromItem, const QRectF &value) const;
};
