#include "PathTriangulator.h"

#include <QPainterPath>
#include <QSGGeometry>
#include <private/qtriangulator_p.h>

#include <algorithm>
#include <cstring>

QSGGeometry *PathTriangulator::triangulate(const QPainterPath &path)
{
    const QTriangleSet triangles = qTriangulate(path, QTransform(), 1, true);
    const int vertexCount = triangles.vertices.size() / 2;
    const int indexCount = triangles.indices.size();
    if (vertexCount == 0 || indexCount == 0)
        return nullptr;

    auto *geometry = new QSGGeometry(QSGGeometry::defaultAttributes_Point2D(), vertexCount,
        indexCount, QSGGeometry::UnsignedIntType);
    geometry->setDrawingMode(QSGGeometry::DrawTriangles);
    geometry->setVertexDataPattern(QSGGeometry::StaticPattern);
    geometry->setIndexDataPattern(QSGGeometry::StaticPattern);

    QSGGeometry::Point2D *vertices = geometry->vertexDataAsPoint2D();
    const qreal *coordinates = triangles.vertices.constData();
    for (int i = 0; i < vertexCount; ++i)
        vertices[i].set(float(coordinates[2 * i]), float(coordinates[2 * i + 1]));

    quint32 *indices = geometry->indexDataAsUInt();
    if (triangles.indices.type() == QVertexIndexVector::UnsignedInt) {
        std::memcpy(indices, triangles.indices.data(), size_t(indexCount) * sizeof(quint32));
    } else {
        const auto *narrow = static_cast<const quint16 *>(triangles.indices.data());
        std::copy(narrow, narrow + indexCount, indices);
    }
    return geometry;
}
