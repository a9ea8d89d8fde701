#pragma once

#include <QString>

// Sets the application's look from the named style resource ("Style_4"); it
// applies to every window, open or opened later. False, and nothing changes,
// when there is no such resource.
bool setStyleFromResource(const QString& name);
