#pragma once

#include <QList>
#include <QString>
#include <optional>

// A version text as the maker's server and the program files give it:
// decimal numbers separated by points ("1.7", "1.10", "1.7.1").

// A version answer is a few bytes; a body far larger is not one.
constexpr qint64 LargestVersionAnswer = 4096;

// The numbers of a version text, white space around it ignored; nothing when
// the text is not a version.
std::optional<QList<int>> parseVersion(const QString& text);

// Whether `candidate` comes after `current`: numbers compare left to right,
// a missing number counts as 0 (1.7.1 after 1.7, 1.7.0 the same as 1.7).
bool isNewerVersion(const QList<int>& candidate, const QList<int>& current);

// The error for a text that is not a version, showing at most its start.
QString notAVersionText(const QString& text);
