// "Upload Selected": the algorithm image of the effect last clicked, in one
// write after the upload prefix, and the pedal's answer in the status label.
#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/Editor.h"
#include "app/EditorError.h"
#include "app/EffectNames.h"
#include "app/Resources.h"
#include "app/TformMain.h"
#include "device/Communication.h"
#include "device/HexText.h"

#include <QLabel>
#include <QTimer>

namespace {
constexpr int PrefixPauseMs = 400;
// The label shows at most this many characters of the answer.
constexpr int AnswerShown = 17;
// An answer is complete once the line has been quiet this long.
constexpr int AnswerQuietMs = 200;
} // namespace

void TformMain::SendUploadPrefix() {
    editor_.comm().SendHexMessage(QStringLiteral("0D00"), false);
}

void TformMain::UploadCheckTimerTimer() {
    lblStatus->setText(QStringLiteral("Upload Failed"));
}

void TformMain::btnUploadClick() {
    if (editor_.refuseWhileWaiting()) {
        return;
    }
    if (!editor_.dialogs().confirm(QStringLiteral("Upload the selected algorithm?"))) {
        return;
    }
    DiagnosticLog& log = editor_.log();
    D2XXUnit& unit = editor_.unit();
    Communication& comm = editor_.comm();
    SendUploadPrefix();
    editor_.pacer().sleepMs(PrefixPauseMs);
    UploadCheckTimer->start();

    const QString name = format_resource_name(editor_.state().SelectedEffectName);
    log.ConsoleLog(QStringLiteral("resource name: ") + name);
    editor_.resources().read_file_from_stream(name);
    const QString image = editor_.resources().ResourceLines.value(0);
    const int n = int(image.size() / 2);
    log.ConsoleLog(QStringLiteral("size: %1").arg(n));
    log.ConsoleLog(QStringLiteral("filecontent: ") + image);
    if (n > D2XXUnit::BufferSize) {
        throw EditorError(QStringLiteral("The algorithm image of %1 bytes does not fit the "
                                         "buffer; nothing was sent")
                              .arg(n));
    }
    const int converted = HexTextToBytes(image, unit.OutBuffer(), n);
    log.ConsoleLog(QStringLiteral("num of bytes: %1").arg(converted));
    if (converted != n) {
        // Half an image would leave stale buffer bytes in its place.
        throw EditorError(QStringLiteral("The algorithm image is not hexadecimal text after byte "
                                         "%1; nothing was sent")
                              .arg(converted));
    }
    unit.WriteOut(DWORD(n));
    log.ConsoleLog(QStringLiteral("write to device"));
    lblStatus->setText(QStringLiteral("Uploading..."));

    const WaitOutcome waited = comm.waitForAnswer(uploadAnswerLimitMs);
    if (waited == WaitOutcome::DeviceError) {
        return;
    }
    if (waited == WaitOutcome::TimedOut) {
        UploadCheckTimer->stop();
        lblStatus->setText(QStringLiteral("Upload Failed"));
        editor_.dialogs().showMessage(QStringLiteral("The pedal did not answer the upload."));
        return;
    }
    // The answer has begun: it replaces "Upload Failed" from now on.
    UploadCheckTimer->stop();
    const auto show = [&](int received) {
        const QString answer =
            Hex2String(BytesToHexText(unit.InBuffer(), std::min(received, AnswerShown)));
        log.ConsoleLog(QStringLiteral("received: ") + answer);
        lblStatus->setText(answer);
    };
    int total = 0;
    // The answer may come in pieces: read on while more follows soon.
    while (comm.readAnswer(total, false, show) && total < D2XXUnit::BufferSize &&
           comm.waitForAnswer(AnswerQuietMs) == WaitOutcome::Answered) {
    }
}
