#pragma once

#include <QWidget>

class ErrorReport;
class QCheckBox;
class QLabel;
class QPushButton;
class Updates;

// The notice that a newer editor exists: update now, read what is new, or
// turn the notice off for later starts.
class TformNewVersionMsg : public QWidget {
    Q_OBJECT
public:
    TformNewVersionMsg(Updates& updates, const ErrorReport& report);

    QLabel* Label1 = nullptr;
    QPushButton* btnLaunchUpdate = nullptr;
    QPushButton* btnSeeWhatsNew = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    // Hidden in the desktop layout.
    QLabel* Label2 = nullptr;

    void btnLaunchUpdateClick();
    void btnSeeWhatsNewClick();
    void CheckBox1Change();

private:
    Updates& updates_;

    void FormCreate();
};
