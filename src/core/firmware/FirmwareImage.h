#pragma once

#include <QByteArray>
#include <vector>

class DiagnosticLog;

// Cuts the image into the chunks of one Write Memory each: 256 bytes, the
// last one holding the rest. Logs their number and each chunk's digits and
// size as it is cut.
std::vector<QByteArray> SplitImage(const QByteArray& image, DiagnosticLog& log);
