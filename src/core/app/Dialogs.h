#pragma once

#include <QString>

// Every modal box and file dialog goes through this seam, so tests can
// script the answers and record every text shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal box with an OK button.
    virtual void showMessage(const QString& text) = 0;
    // A modal box with Yes and No; only No cancels.
    virtual bool confirm(const QString& text) = 0;
    // Empty when the user cancels.
    virtual QString openFileName(const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& folder, const QString& filter,
                                 const QString& defaultSuffix) = 0;
};
