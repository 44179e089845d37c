#pragma once

#include <QString>

class QPainterPath;

// Renders a path as "M x y L x y C x y x y x y" with coordinates rounded to 1/1000.
QString describePath(const QPainterPath &path);
