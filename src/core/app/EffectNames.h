#pragma once

#include <QString>

// The name of the resource that holds an effect's algorithm image: blanks and
// hyphens become "_", "+" becomes "plus" and an upper-case "X" "mult".
QString format_resource_name(const QString& instring);

// The algorithm version an effect name ends in: its characters 13 to 17 read
// as a decimal number, leading blanks ignored ("Tarnwick ZQ7 0008" gives 8).
// Anything else raises the conversion error.
int effectAlgorithmVersion(const QString& effectName);
