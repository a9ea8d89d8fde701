#pragma once

#include <QFont>

// Arial, or a metric-compatible sans where Arial is missing, at a design size
// given in device-independent pixels (the unit of the window layouts).
QFont designFont(double pixels);
