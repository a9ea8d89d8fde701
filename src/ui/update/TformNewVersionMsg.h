#pragma once

#include <QWidget>

// The notice that a newer editor exists.
class TformNewVersionMsg : public QWidget {
    Q_OBJECT
public:
    TformNewVersionMsg();
};
