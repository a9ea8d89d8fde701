#include "app/Editor.h"

#include "app/DesktopShell.h"
#include "app/QtDialogs.h"
#include "app/TformMain.h"
#include "console/TformPrint.h"
#include "firmware/FirmwareVersions.h"
#include "firmware/TformFirmwareUpgrade.h"
#include "fx/TformFXsettings.h"
#include "update/TformNewVersionMsg.h"
#include "update/TformUpdateUpdater.h"

namespace {

DeviceBackend backendFor(EditorOptions& options) {
    if (options.api) {
        DeviceBackend b;
        b.api = std::move(options.api);
        return b;
    }
    return makeDeviceBackend(options.backend, options.simulatedPedal);
}

// Answers every call with "device not found" when no back end could be had,
// so the editor still starts and says why nothing is listed.
class NoDevice : public D2xxApi {
public:
    FT_STATUS FT_ListDevices(void* arg1, void*, DWORD flags) override {
        if (flags & ft::ListNumberOnly) {
            *static_cast<DWORD*>(arg1) = 0;
            return ft::Ok;
        }
        return ft::DeviceNotFound;
    }
    FT_STATUS FT_OpenEx(void*, DWORD, FT_HANDLE*) override { return ft::DeviceNotFound; }
    FT_STATUS FT_Close(FT_HANDLE) override { return ft::InvalidHandle; }
    FT_STATUS FT_SetBaudRate(FT_HANDLE, ULONG) override { return ft::InvalidHandle; }
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE, UCHAR, UCHAR, UCHAR) override {
        return ft::InvalidHandle;
    }
    FT_STATUS FT_Purge(FT_HANDLE, ULONG) override { return ft::InvalidHandle; }
    FT_STATUS FT_GetQueueStatus(FT_HANDLE, DWORD*) override { return ft::InvalidHandle; }
    FT_STATUS FT_Read(FT_HANDLE, void*, DWORD, DWORD* returned) override {
        *returned = 0;
        return ft::InvalidHandle;
    }
    FT_STATUS FT_Write(FT_HANDLE, const void*, DWORD, DWORD* written) override {
        *written = 0;
        return ft::InvalidHandle;
    }
};

} // namespace

Editor::Editor(EditorOptions options)
    : backend_(backendFor(options)),
      ownDialogs_(options.dialogs ? nullptr : std::make_unique<QtDialogs>()),
      ownShell_(options.shell ? nullptr : std::make_unique<DesktopShell>()),
      dialogs_(options.dialogs ? options.dialogs : ownDialogs_.get()),
      shell_(options.shell ? options.shell : ownShell_.get()), pacer_(options.pacing),
      folders_(options.documentsFolder), report_(*dialogs_), resources_(*dialogs_) {
    if (!backend_.api) {
        backend_.api = std::make_unique<NoDevice>();
    }
    unit_ = std::make_unique<D2XXUnit>(*backend_.api, *dialogs_);
    comm_ = std::make_unique<Communication>(*unit_, log_, pacer_, state_);
    comm_->setAnswerTimeout(options.answerTimeoutMs);

    main_ = std::make_unique<TformMain>(*this);
    if (ownDialogs_) {
        ownDialogs_->setParent(main_.get());
    }
    firmwareUpgrade_ = std::make_unique<TformFirmwareUpgrade>();
    console_ = std::make_unique<TformPrint>(log_);
    fxSettings_ = std::make_unique<TformFXsettings>(*this);
    newVersionMsg_ = std::make_unique<TformNewVersionMsg>();
    updateUpdater_ = std::make_unique<TformUpdateUpdater>();
    main_->show();
}

Editor::~Editor() = default;

int Editor::latestFirmwareVersion() const {
    return FirmwareVersionList.back();
}

bool Editor::refuseWhileWaiting() {
    if (!comm_->waiting()) {
        return false;
    }
    dialogs_->showMessage(
        QStringLiteral("The pedal is still answering another command. Please try again when it "
                       "has finished."));
    return true;
}

void Editor::showConsole() {
    console_->setVisible(true);
}

void Editor::showFirmwareUpgrade() {
    firmwareUpgrade_->show();
}

void Editor::readBackSettings() {
    if (settingsReadback) {
        settingsReadback();
    }
}
