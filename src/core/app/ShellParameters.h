#pragma once

#include <QString>
#include <QStringList>

// The parameters of a program started through the Windows shell: each
// argument in double quotes, one blank between two.
QString quotedParameters(const QStringList& arguments);
