#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of `size` at `wanted` goes so that it lies inside
// `available`: `wanted` itself where it fits, else moved the least distance
// inside (its top-left corner first where it is larger than the area).
QPoint insideArea(const QPoint& wanted, const QSize& size, const QRect& available);

// Keeps a top-level window where it is when it fits the available area of the
// screen it is on (or the primary screen), else moves it inside.
void keepOnScreen(QWidget& window);
