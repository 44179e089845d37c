#include "QtX.h"

#include "Args.h"
#include "CanvasPathEmitter.h"
#include "Dye.h"
#include "FreeMemory.h"
#include "ItemStacking.h"
#include "QmlX.h"
#include "TextFormatting.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QPainterPath>
#include <QPolygonF>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTextDocument>
#include <QTimer>
#include <QUuid>
#include <QtMath>

namespace {

// QObject::sender() is protected; a derived class may name it for any QObject.
struct SenderAccess : QObject
{
    using QObject::sender;
};

QPainterPath polygonPath(const QVariantList &points)
{
    QPolygonF polygon;
    polygon.reserve(points.size());
    for (const QVariant &point : points)
        polygon.append(point.toPointF());
    QPainterPath path;
    path.addPolygon(polygon);
    return path;
}

} // namespace

QString QtX::applicationVersion() const
{
    return QCoreApplication::applicationVersion();
}

QString QtX::userLanguage() const
{
    return QLocale::system().bcp47Name();
}

QString QtX::systemLocaleName() const
{
    return QLocale::system().name();
}

QString QtX::qtCompileVersion() const
{
    return QStringLiteral(QT_VERSION_STR);
}

QString QtX::qtRuntimeVersion() const
{
    return QString::fromLatin1(qVersion());
}

QtX::OS QtX::os() const
{
#if defined(Q_OS_WIN)
    return Windows;
#elif defined(Q_OS_IOS)
    return IOS;
#elif defined(Q_OS_MACOS)
    return OSX;
#elif defined(Q_OS_ANDROID)
    return Android;
#else
    return Linux;
#endif
}

QString QtX::colorToStr(const QColor &color) const
{
    return color.name(QColor::HexArgb);
}

QColor QtX::goodColorForGrid(const QColor &color) const
{
    return Dye::gridColorFor(color);
}

QColor QtX::hoverColor(const QColor &color) const
{
    return Dye::hoverColorFor(color);
}

QString QtX::createUuid(UuidFormat format) const
{
    const QUuid uuid = QUuid::createUuid();
    return uuid.toString(format == DashedNumbersUiid ? QUuid::WithoutBraces : QUuid::WithBraces);
}

QString QtX::createUuid() const
{
    return createUuid(FullUiid);
}

bool QtX::isValidUuid(const QString &value) const
{
    qInfo() << "isValidUuid" << value;
    if (value.isEmpty())
        return false;
    const QString braced
        = value.startsWith(QLatin1Char('{')) ? value : QLatin1Char('{') + value + QLatin1Char('}');
    return !QUuid(braced).isNull();
}

QString QtX::createRandomString(int length) const
{
    return TextFormatting::randomString(length);
}

QString QtX::htmlToPlain(const QString &html) const
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

QString QtX::incrementNumberedName(const QString &name) const
{
    return TextFormatting::incrementNumberedName(name);
}

QString QtX::formatTimeInterval(qlonglong milliseconds, const QString &) const
{
    return TextFormatting::formatTimeInterval(milliseconds);
}

QString QtX::formatTimeInterval(qlonglong milliseconds) const
{
    return TextFormatting::formatTimeInterval(milliseconds);
}

QObject *QtX::setJavaScriptOwnership(QObject *object) const
{
    if (!object)
        return nullptr;
    object->setParent(nullptr);
    QQmlEngine::setObjectOwnership(object, QQmlEngine::JavaScriptOwnership);
    return object;
}

bool QtX::setParentObject(QObject *object, QObject *parent) const
{
    if (!object)
        return false;
    if (!parent) {
        object->setParent(nullptr);
        return true;
    }
    // A parent of the other ownership would delete it behind the owner's back.
    if (QQmlEngine::objectOwnership(object) != QQmlEngine::objectOwnership(parent))
        return false;
    object->setParent(parent);
    return true;
}

QObject *QtX::eventSender(QObject *object) const
{
    return object ? (object->*(&SenderAccess::sender))() : nullptr;
}

void QtX::queuedInvoke(QObject *object, const QString &method) const
{
    if (object)
        QMetaObject::invokeMethod(object, method.toUtf8().constData(), Qt::QueuedConnection);
}

void QtX::queuedInvoke(QObject *object, const QString &method, const QVariant &arg) const
{
    if (object)
        QMetaObject::invokeMethod(
            object, method.toUtf8().constData(), Qt::QueuedConnection, Q_ARG(QVariant, arg));
}

void QtX::processApplicationEvents() const
{
    QCoreApplication::processEvents();
}

void QtX::giveBackFreeMemory() const
{
    // Deletions posted by the caller (a page, objects the collector let go) run first.
    constexpr int afterDeletionsMs = 100;
    QTimer::singleShot(
        afterDeletionsMs, QCoreApplication::instance(), [] { FreeMemory::giveBack(); });
}

int QtX::queryKeyboardModifiers() const
{
    return int(QGuiApplication::queryKeyboardModifiers());
}

Args *QtX::args(const QJSValue &values) const
{
    return new Args(values);
}

void QtX::writeProperty(QObject *object, const QString &property, const QVariant &value) const
{
    QmlX::write(object, property, value, QmlX::DontRemoveBinding);
}

bool QtX::isPropertyBinded(QObject *object, const QString &property) const
{
    return QmlX::hasBinding(object, property);
}

QMatrix4x4 QtX::rotationMatrix(double angle, const QPointF &center) const
{
    QMatrix4x4 matrix;
    const float degrees = float(qRadiansToDegrees(angle));
    if (center.isNull()) {
        matrix.rotate(degrees, 0, 0, 1);
        return matrix;
    }
    matrix.translate(float(center.x()), float(center.y()));
    matrix.rotate(degrees, 0, 0, 1);
    matrix.translate(float(-center.x()), float(-center.y()));
    return matrix;
}

QMatrix4x4 QtX::scaleMatrix(double x, double y) const
{
    QMatrix4x4 matrix;
    matrix.scale(float(x), float(y));
    return matrix;
}

QMatrix4x4 QtX::translateMatrix(double x, double y) const
{
    QMatrix4x4 matrix;
    matrix.translate(float(x), float(y));
    return matrix;
}

QMatrix4x4 QtX::matMultiply(const QMatrix4x4 &a, const QMatrix4x4 &b) const
{
    return a * b;
}

QPointF QtX::mapPoint(const QMatrix4x4 &mtx, const QPointF &point) const
{
    return mtx.map(point);
}

bool QtX::contains(const QPointF &pt, const QVariantList &pts, double tolerance) const
{
    const QRectF square(pt.x() - tolerance, pt.y() - tolerance, 2 * tolerance, 2 * tolerance);
    return polygonPath(pts).intersects(square);
}

bool QtX::intersects(const QRectF &rect, const QVariantList &pts) const
{
    return polygonPath(pts).intersects(rect);
}

bool QtX::contains(const QRectF &rect, const QRectF &other) const
{
    if (other.width() <= 0 || other.height() <= 0)
        return rect.contains(other.topLeft());
    return rect.contains(other);
}

void QtX::openUrl(const QUrl &url) const
{
    QDesktopServices::openUrl(url);
}

OperationResult QtX::operationSuccess(const QVariantMap &result, const QString &message) const
{
    return OperationResult(OperationResult::Success, result, message);
}

OperationResult QtX::operationSuccess(const QVariantMap &result) const
{
    return operationSuccess(result, QString());
}

OperationResult QtX::operationSuccess() const
{
    return operationSuccess(QVariantMap(), QString());
}

OperationResult QtX::operationWarning(const QVariantMap &result, const QString &message) const
{
    return OperationResult(OperationResult::Warning, result, message);
}

OperationResult QtX::operationWarning(const QVariant &resultOrMessage) const
{
    if (resultOrMessage.userType() == QMetaType::QString)
        return operationWarning(QVariantMap(), resultOrMessage.toString());
    return operationWarning(resultOrMessage.toMap(), QString());
}

OperationResult QtX::operationFailure(const QString &message, const QVariantMap &result) const
{
    return OperationResult(OperationResult::Failure, result, message);
}

OperationResult QtX::operationFailure(const QString &message) const
{
    return operationFailure(message, QVariantMap());
}

OperationResult QtX::operationFailure() const
{
    return operationFailure(QString(), QVariantMap());
}

OperationResult QtX::operationOverwrite(const OperationResult &base, const QVariantMap &news) const
{
    return base.overwritten(news);
}

OperationResult QtX::operationExtend(const OperationResult &base, const QVariantMap &extend) const
{
    return base.extended(extend);
}

QDateTime QtX::toOffsetFromUtc(const QDateTime &dateTime) const
{
    if (dateTime.timeSpec() == Qt::OffsetFromUTC)
        return dateTime;
    return dateTime.toOffsetFromUtc(dateTime.offsetFromUtc());
}

QString QtX::toJsonValue(const QDateTime &dateTime) const
{
    qWarning() << "Use QJsonValue TJson::toJson (QDateTime\tconst& dateTime) instead";
    return toOffsetFromUtc(dateTime).toString(Qt::ISODate);
}

void QtX::bringToFront(QQuickItem *item) const
{
    ItemStacking::bringToFront(item);
}

void QtX::sendToBack(QQuickItem *item) const
{
    ItemStacking::sendToBack(item);
}

void QtX::stackBefore(QQuickItem *item, QQuickItem *target) const
{
    ItemStacking::stackBefore(item, target);
}

void QtX::stackAfter(QQuickItem *item, QQuickItem *target) const
{
    ItemStacking::stackAfter(item, target);
}

QQuickItem *QtX::firstItem(QQuickItem *parent) const
{
    return ItemStacking::firstItem(parent);
}

QQuickItem *QtX::lastItem(QQuickItem *parent) const
{
    return ItemStacking::lastItem(parent);
}

bool QtX::isFrontItem(QQuickItem *item) const
{
    return ItemStacking::isFrontItem(item);
}

bool QtX::isBackItem(QQuickItem *item) const
{
    return ItemStacking::isBackItem(item);
}

void QtX::paintSvgPath(
    const QJSValue &context2d, const QString &svg, const QMatrix4x4 &transform) const
{
    CanvasPathEmitter::paintSvgPath(context2d, svg, transform);
}

void QtX::paintSvgPath(const QJSValue &context2d, const QString &svg) const
{
    CanvasPathEmitter::paintSvgPath(context2d, svg);
}

QRectF QtX::mapRectFromItem(QQuickItem *toItem, QQuickItem *fromItem, const QRectF &value) const
{
    return toItem ? toItem->mapRectFromItem(fromItem, value) : QRectF();
}
