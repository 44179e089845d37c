#include "SvgPathParser.h"

#include "PathCoordinates.h"
#include "SvgArc.h"

#include <QPainterPath>

#include <climits>

bool SvgPathParser::parse(QStringView data, QPainterPath &path)
{
    return SvgPathParser(data, path).run();
}

SvgPathParser::SvgPathParser(QStringView data, QPainterPath &path)
    : m_scanner(data)
    , m_path(path)
    // One element per few characters is typical; reserving avoids repeated growth.
    , m_reserve(data.size() > 64 ? int(qMin<qsizetype>(data.size() / 6, INT_MAX / 2)) : 0)
{ }

bool SvgPathParser::run()
{
    m_scanner.skipWhitespace();
    if (!m_scanner.atEnd() && m_scanner.peek() != u'M' && m_scanner.peek() != u'm')
        return false;
    for (;;) {
        m_scanner.skipWhitespace();
        if (m_scanner.atEnd())
            return true;
        if (!readCommand(m_scanner.take()))
            return false;
    }
}

bool SvgPathParser::readCommand(char16_t letter)
{
    // One jump per command; absolute and relative forms are separate code.
    switch (letter) {
    case u'M':
        return moveTo<false>();
    case u'm':
        return moveTo<true>();
    case u'L':
        return readGroups<&SvgPathParser::lineTo<false>>();
    case u'l':
        return readGroups<&SvgPathParser::lineTo<true>>();
    case u'H':
        return readGroups<&SvgPathParser::horizontalLineTo<false>>();
    case u'h':
        return readGroups<&SvgPathParser::horizontalLineTo<true>>();
    case u'V':
        return readGroups<&SvgPathParser::verticalLineTo<false>>();
    case u'v':
        return readGroups<&SvgPathParser::verticalLineTo<true>>();
    case u'C':
        return readGroups<&SvgPathParser::curveTo<false>>();
    case u'c':
        return readGroups<&SvgPathParser::curveTo<true>>();
    case u'S':
        return readGroups<&SvgPathParser::smoothCurveTo<false>>();
    case u's':
        return readGroups<&SvgPathParser::smoothCurveTo<true>>();
    case u'Q':
        return readGroups<&SvgPathParser::quadTo<false>>();
    case u'q':
        return readGroups<&SvgPathParser::quadTo<true>>();
    case u'T':
        return readGroups<&SvgPathParser::smoothQuadTo<false>>();
    case u't':
        return readGroups<&SvgPathParser::smoothQuadTo<true>>();
    case u'A':
        return readGroups<&SvgPathParser::arcTo<false>>();
    case u'a':
        return readGroups<&SvgPathParser::arcTo<true>>();
    case u'Z':
    case u'z':
        closePath();
        return true;
    default:
        return false;
    }
}

template<bool (SvgPathParser::*segment)()>
Q_ALWAYS_INLINE bool SvgPathParser::readGroups()
{
    do {
        m_scanner.skipWhitespace();
        if (!(this->*segment)())
            return false;
    } while (nextGroup());
    return true;
}

Q_ALWAYS_INLINE bool SvgPathParser::nextGroup()
{
    m_scanner.skipWhitespace();
    // After a comma, a group that is not there fails to read.
    return m_scanner.takeIf(u',') || m_scanner.atNumberStart();
}

template<bool relative>
bool SvgPathParser::moveTo()
{
    m_scanner.skipWhitespace();
    double a[2];
    if (!readNumbers<2>(a))
        return false;
    const QPointF target = point<relative>(a[0], a[1]);
    if (!PathCoordinates::isValid(target))
        return false;
    m_path.moveTo(target);
    // Only now: reserving gives an empty path its initial element, which text that fails
    // before its first segment must not leave behind.
    if (Q_UNLIKELY(m_reserve > 0)) {
        m_path.reserve(m_path.elementCount() + m_reserve);
        m_reserve = 0;
    }
    m_subpathStart = target;
    m_current = target;
    m_previous = Curve::None;
    // Further pairs are line-tos.
    return !nextGroup() || readGroups<&SvgPathParser::lineTo<relative>>();
}

template<bool relative>
bool SvgPathParser::lineTo()
{
    double a[2];
    return readNumbers<2>(a) && appendLine(point<relative>(a[0], a[1]));
}

template<bool relative>
bool SvgPathParser::horizontalLineTo()
{
    double x;
    return readNumbers<1>(&x)
        && appendLine(QPointF(relative ? m_current.x() + x : x, m_current.y()));
}

template<bool relative>
bool SvgPathParser::verticalLineTo()
{
    double y;
    return readNumbers<1>(&y)
        && appendLine(QPointF(m_current.x(), relative ? m_current.y() + y : y));
}

template<bool relative>
bool SvgPathParser::curveTo()
{
    double a[6];
    return readNumbers<6>(a)
        && appendCubic(
            point<relative>(a[0], a[1]), point<relative>(a[2], a[3]), point<relative>(a[4], a[5]));
}

template<bool relative>
bool SvgPathParser::smoothCurveTo()
{
    double a[4];
    return readNumbers<4>(a)
        && appendCubic(reflectedControl(Curve::Cubic), point<relative>(a[0], a[1]),
            point<relative>(a[2], a[3]));
}

template<bool relative>
bool SvgPathParser::quadTo()
{
    double a[4];
    return readNumbers<4>(a)
        && appendQuadratic(point<relative>(a[0], a[1]), point<relative>(a[2], a[3]));
}

template<bool relative>
bool SvgPathParser::smoothQuadTo()
{
    double a[2];
    return readNumbers<2>(a)
        && appendQuadratic(reflectedControl(Curve::Quadratic), point<relative>(a[0], a[1]));
}

template<bool relative>
bool SvgPathParser::arcTo()
{
    double a[7];
    if (!readNumbers<3>(a) || !m_scanner.readSeparatedFlag(a[3])
        || !m_scanner.readSeparatedFlag(a[4]) || !m_scanner.readSeparatedNumber(a[5])
        || !m_scanner.readSeparatedNumber(a[6]))
        return false;
    const QPointF target = point<relative>(a[5], a[6]);
    if (!PathCoordinates::isValid(target))
        return false;
    SvgArc(m_current, a[0], a[1], a[2], a[3] != 0.0, a[4] != 0.0, target).appendTo(m_path);
    m_current = target;
    m_previous = Curve::None;
    return true;
}

void SvgPathParser::closePath()
{
    m_path.closeSubpath();
    m_current = m_subpathStart;
    m_previous = Curve::None;
}

Q_ALWAYS_INLINE bool SvgPathParser::appendLine(const QPointF &target)
{
    if (!PathCoordinates::isValid(target))
        return false;
    m_path.lineTo(target);
    m_current = target;
    m_previous = Curve::None;
    return true;
}

Q_ALWAYS_INLINE bool SvgPathParser::appendCubic(
    const QPointF &first, const QPointF &second, const QPointF &target)
{
    if (!PathCoordinates::isValid(first) || !PathCoordinates::isValid(second)
        || !PathCoordinates::isValid(target))
        return false;
    m_path.cubicTo(first, second, target);
    m_lastControl = second;
    m_current = target;
    m_previous = Curve::Cubic;
    return true;
}

Q_ALWAYS_INLINE bool SvgPathParser::appendQuadratic(const QPointF &control, const QPointF &target)
{
    if (!PathCoordinates::isValid(control) || !PathCoordinates::isValid(target))
        return false;
    // As a cubic directly: QPainterPath::quadTo would convert and check it once more.
    m_path.cubicTo(m_current + 2.0 / 3.0 * (control - m_current),
        target + 2.0 / 3.0 * (control - target), target);
    m_lastControl = control;
    m_current = target;
    m_previous = Curve::Quadratic;
    return true;
}

template<int count>
Q_ALWAYS_INLINE bool SvgPathParser::readNumbers(double *arguments)
{
    if (!m_scanner.readNumber(arguments[0]))
        return false;
    for (int i = 1; i < count; ++i) {
        if (!m_scanner.readSeparatedNumber(arguments[i]))
            return false;
    }
    return true;
}

template<bool relative>
Q_ALWAYS_INLINE QPointF SvgPathParser::point(double x, double y) const
{
    return relative ? QPointF(m_current.x() + x, m_current.y() + y) : QPointF(x, y);
}

Q_ALWAYS_INLINE QPointF SvgPathParser::reflectedControl(Curve family) const
{
    // Chosen without a branch: the previous segment's family is as random as the data.
    const QPointF candidates[] = { m_current, 2 * m_current - m_lastControl };
    return candidates[m_previous == family];
}
