#pragma once

class QPainterPath;
class QSGGeometry;

// Turns a filled path into an indexed triangle geometry for the scene graph.
class PathTriangulator
{
public:
    // Null when the path covers no area.
    static QSGGeometry *triangulate(const QPainterPath &path);
};
