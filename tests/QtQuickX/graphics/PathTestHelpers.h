#pragma once

#include <QString>

class PainterPathElement;
class QPainterPath;

// Renders a path as "M x y L x y C x y x y x y" with coordinates rounded to 1/1000.
QString describePath(const QPainterPath &path);

// Builds a tree the way its consumers do: add, then re-arm the invalidation flags.
QPainterPath buildTree(PainterPathElement &element);

// Move-to elements of a path that is not empty.
int subpathCount(const QPainterPath &path);
