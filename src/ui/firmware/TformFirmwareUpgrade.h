#pragma once

#include <QWidget>

// The window in which the user picks a firmware image and starts the upgrade.
class TformFirmwareUpgrade : public QWidget {
    Q_OBJECT
public:
    TformFirmwareUpgrade();
};
