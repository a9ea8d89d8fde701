#pragma once

#include <QWidget>

// Never shown: it carries the updater's downloads.
class TformUpdateUpdater : public QWidget {
    Q_OBJECT
public:
    TformUpdateUpdater();
};
