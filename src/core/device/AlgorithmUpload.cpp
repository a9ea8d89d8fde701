#include "device/AlgorithmUpload.h"

#include "app/DiagnosticLog.h"
#include "app/Dialogs.h"
#include "app/EditorError.h"
#include "app/EffectNames.h"
#include "app/Pacer.h"
#include "app/Resources.h"
#include "device/HexText.h"
#include "device/PedalLink.h"
#include "device/PedalMessages.h"

#include <algorithm>

AlgorithmUpload::AlgorithmUpload(PedalLink& link, Resources& resources)
    : link_(link), resources_(resources) {
    watchdog_.setInterval(WatchdogMs);
    // A coarse timer may fire up to 5 % early.
    watchdog_.setTimerType(Qt::PreciseTimer);
}

void AlgorithmUpload::SendUploadPrefix() {
    link_.comm().SendHexMessage(PedalMessages::UploadPrefixMessage(), false);
}

QString AlgorithmUpload::findImage(const QString& effectName) {
    const QString name = format_resource_name(effectName);
    link_.log().ConsoleLog(QStringLiteral("resource name: ") + name);
    resources_.read_file_from_stream(name);
    const QString image = resources_.ResourceLines.value(0);
    if (image.isEmpty() || !isHexMessage(image)) {
        throw EditorError(QStringLiteral("The algorithm image %1 is not an even number of "
                                         "hexadecimal digits; nothing was sent")
                              .arg(name));
    }
    if (image.size() / 2 > D2XXUnit::BufferSize) {
        throw EditorError(QStringLiteral("The algorithm image of %1 bytes does not fit the "
                                         "buffer; nothing was sent")
                              .arg(image.size() / 2));
    }
    return image;
}

UploadOutcome AlgorithmUpload::upload(const QString& effectName) {
    DiagnosticLog& log = link_.log();
    D2XXUnit& unit = link_.unit();
    const QString image = findImage(effectName);
    SendUploadPrefix();
    link_.pacer().sleepMs(PrefixPauseMs);
    watchdog_.start();
    const int n = int(image.size() / 2);
    log.ConsoleLog(QStringLiteral("size: %1").arg(n));
    log.ConsoleLog(QStringLiteral("filecontent: ") + image);
    const int converted = HexTextToBytes(image, unit.OutBuffer(), n);
    log.ConsoleLog(QStringLiteral("num of bytes: %1").arg(converted));
    unit.WriteOut(DWORD(n));
    log.ConsoleLog(QStringLiteral("write to device"));
    emit statusChanged(QStringLiteral("Uploading..."));
    return readAnswer();
}

UploadOutcome AlgorithmUpload::readAnswer() {
    Communication& comm = link_.comm();
    D2XXUnit& unit = link_.unit();
    const WaitOutcome waited = comm.waitForAnswer(answerLimitMs_);
    if (waited == WaitOutcome::DeviceError) {
        return UploadOutcome::DeviceError;
    }
    watchdog_.stop();
    if (waited == WaitOutcome::TimedOut) {
        emit statusChanged(QStringLiteral("Upload Failed"));
        link_.dialogs().showMessage(QStringLiteral("The pedal did not answer the upload."));
        return UploadOutcome::NoAnswer;
    }
    // The answer has begun: it replaces "Upload Failed" from now on.
    const auto show = [&](int received) {
        const QString answer =
            Hex2String(BytesToHexText(unit.InBuffer(), std::min(received, AnswerShown)));
        link_.log().ConsoleLog(QStringLiteral("received: ") + answer);
        emit statusChanged(answer);
    };
    const int quietMs = link_.pacer().scaledMs(AnswerQuietMs);
    int total = 0;
    // The answer may come in pieces: read on while more follows at once.
    for (;;) {
        if (!comm.readAnswer(total, ReadPacing::None, show)) {
            return UploadOutcome::DeviceError;
        }
        if (total >= D2XXUnit::BufferSize || comm.waitForAnswer(quietMs) != WaitOutcome::Answered) {
            return UploadOutcome::Answered;
        }
    }
}
