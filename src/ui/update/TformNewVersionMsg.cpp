#include "update/TformNewVersionMsg.h"

#include "app/ErrorReport.h"
#include "update/Updates.h"
#include "widgets/DesignFont.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

TformNewVersionMsg::TformNewVersionMsg(Updates& updates, const ErrorReport& report)
    : updates_(updates) {
    setWindowTitle(QStringLiteral("New Version"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(268, 146);
    setFont(designFont(11));

    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setGeometry(8, 8, 252, 40);
    btnLaunchUpdate = new QPushButton(QStringLiteral("Update Now"), this);
    btnLaunchUpdate->setGeometry(24, 60, 100, 30);
    btnSeeWhatsNew = new QPushButton(QStringLiteral("What's New?"), this);
    btnSeeWhatsNew->setGeometry(144, 60, 100, 30);
    CheckBox1 = new QCheckBox(QStringLiteral("Don't Show This Message Again"), this);
    CheckBox1->setGeometry(24, 112, 236, 24);
    Label2 = new QLabel(this);
    Label2->setGeometry(8, 92, 252, 18);
    Label2->hide();

    connect(btnLaunchUpdate, &QPushButton::clicked, this,
            report.guarded(this, &TformNewVersionMsg::btnLaunchUpdateClick));
    connect(btnSeeWhatsNew, &QPushButton::clicked, this,
            report.guarded(this, &TformNewVersionMsg::btnSeeWhatsNewClick));
    connect(CheckBox1, &QCheckBox::toggled, this,
            report.guarded(this, &TformNewVersionMsg::CheckBox1Change));
    FormCreate();
}

void TformNewVersionMsg::FormCreate() {
    Label1->setText(QStringLiteral("A new version of the Tarnwick Editor is available"));
    // Made at start, before the check has run: the new version is still empty.
    Label2->setText(QStringLiteral("Your version: ") + updates_.check.currentAppVersion +
                    QStringLiteral("     New version: ") + updates_.check.newAppVersion);
}

void TformNewVersionMsg::btnLaunchUpdateClick() {
    updates_.handOver.StartUpdate();
}

void TformNewVersionMsg::btnSeeWhatsNewClick() {
    updates_.OpenURL(updates_.site.address(site::WhatsNew));
}

void TformNewVersionMsg::CheckBox1Change() {
    // Clearing the box again writes nothing; the file keeps "NO".
    if (CheckBox1->isChecked()) {
        updates_.flag.rewrite(false);
    }
}
