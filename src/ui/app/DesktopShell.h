#pragma once

#include "app/SystemShell.h"

class DesktopShell : public SystemShell {
public:
    bool openUrl(const QString& url) override;
    bool runElevated(const QString& program, const QStringList& arguments) override;
};
