#include "app/ErrorReport.h"

#include "app/Dialogs.h"
#include "app/EditorError.h"

void ErrorReport::run(const std::function<void()>& handler) const {
    try {
        handler();
    } catch (const EditorError& e) {
        dialogs_.showMessage(e.text());
    } catch (const std::exception& e) {
        dialogs_.showMessage(QString::fromLocal8Bit(e.what()));
    }
}
