#pragma once

#include <QFont>

// Arial at the given point size, or a metric-compatible sans where Arial is
// missing.
QFont designFont(double points);
