#pragma once

#include <QMatrix4x4>
#include <QMetaType>
#include <QPainterPath>

// A finished painter path carried as a value to and from QML.
class PathData
{
    Q_GADGET
    // Signed area of the fill polygon; the sign follows the polygon's orientation.
    Q_PROPERTY(double area READ area)
public:
    PathData() = default;
    explicit PathData(const QPainterPath &path);

    const QPainterPath &path() const { return m_path; }
    double area() const;

    Q_INVOKABLE PathData mapped(const QMatrix4x4 &transform) const;

    bool operator==(const PathData &other) const { return m_path == other.m_path; }
    bool operator!=(const PathData &other) const { return !(*this == other); }

private:
    QPainterPath m_path;
};

Q_DECLARE_METATYPE(PathData)
