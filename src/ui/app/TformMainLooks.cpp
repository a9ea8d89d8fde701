#include "app/TformMain.h"

#include "app/ErrorReport.h"
#include "app/Folders.h"
#include "appearance/StyleFile.h"
#include "appearance/StyleService.h"

#include <QMenu>

namespace {
constexpr int MenuLooks = 7;

QString styleName(int look) {
    return QStringLiteral("Style_") + QString::number(look);
}
} // namespace

void TformMain::BuildLookMenu() {
    for (int look = 0; look < MenuLooks; ++look) {
        QAction* item = menuLook->addAction(QString::number(look));
        LookMenuItems << item;
        connect(item, &QAction::triggered, this,
                [this, item] { parts_.report.run([this, item] { menuLookClickItem(item); }); });
    }
}

void TformMain::LoadSavedStyle() {
    // A missing look (8, -1) or a file that is no number keeps the platform's
    // look, without a word.
    if (const std::optional<int> saved = StyleFile(parts_.folders.maker()).read()) {
        setStyleFromResource(styleName(*saved));
    }
}

void TformMain::menuLookClickItem(QAction* sender) {
    const int look = static_cast<int>(LookMenuItems.indexOf(sender));
    if (look < 0) {
        return;
    }
    setStyleFromResource(styleName(look));
    StyleFile(parts_.folders.maker()).write(look);
}
