#include "device/Communication.h"

#include "app/DiagnosticLog.h"
#include "app/EditorError.h"
#include "app/Pacer.h"
#include "app/ScopeExit.h"
#include "device/D2XXUnit.h"
#include "device/HexText.h"
#include "device/ValueDecoder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace {

// The waits look at the driver's queue after 1 ms, then after twice as long
// each time up to this: a quick answer is seen at once, and a long wait
// wakes the thread about sixty times a second.
constexpr int LongestPollIntervalMs = 16;
constexpr int ReadStepMs = 10;

void runPendingEvents() {
    QCoreApplication::processEvents();
}

} // namespace

Communication::Communication(D2XXUnit& unit, DiagnosticLog& log, Pacer& pacer)
    : unit_(unit), log_(log), pacer_(pacer) {}

void Communication::SendHexMessage(const QString& text, bool purgeFirst) {
    if (!isHexMessage(text)) {
        throw EditorError(
            QStringLiteral("Message not sent: '%1' is not an even number of hexadecimal digits")
                .arg(text));
    }
    const int n = static_cast<int>(text.size() / 2);
    if (n > D2XXUnit::BufferSize) {
        throw EditorError(
            QStringLiteral("Message not sent: %1 bytes do not fit the buffer").arg(n));
    }
    HexTextToBytes(text, unit_.OutBuffer(), n);
    if (purgeFirst) {
        unit_.PurgeTransmit();
    }
    unit_.WriteOut(static_cast<DWORD>(n));
}

WaitOutcome Communication::waitForAnswer(int timeoutMs) {
    ++waitDepth_;
    const ScopeExit done([this] { --waitDepth_; });
    timeoutMs = limit(timeoutMs);
    QElapsedTimer clock;
    clock.start();
    // The first look runs what is pending; later ones follow an idle spell of
    // the event loop, which runs the events as they come.
    runPendingEvents();
    std::optional<WaitOutcome> outcome;
    QEventLoop loop;
    QTimer poll;
    poll.setSingleShot(true);
    poll.setTimerType(Qt::PreciseTimer);
    int interval = 1;
    const auto look = [&] {
        if (unit_.QueryRxQueue() != ft::Ok) {
            outcome = WaitOutcome::DeviceError;
        } else if (unit_.RxQueueCount() > 0) {
            outcome = WaitOutcome::Answered;
        } else if (clock.elapsed() >= timeoutMs) {
            outcome = WaitOutcome::TimedOut;
        }
        if (outcome) {
            loop.quit();
            return;
        }
        poll.start(static_cast<int>(std::min<qint64>(interval, timeoutMs - clock.elapsed())));
        interval = std::min(2 * interval, LongestPollIntervalMs);
    };
    QObject::connect(&poll, &QTimer::timeout, &loop, look);
    look();
    if (!outcome) {
        loop.exec();
    }
    // The loop also ends when the program quits during the wait: the pedal
    // has not answered.
    return outcome.value_or(WaitOutcome::TimedOut);
}

bool Communication::readAnswer(int& total, ReadPacing pacing,
                               const std::function<void(int)>& afterRead) {
    ++waitDepth_;
    const ScopeExit done([this] { --waitDepth_; });
    for (;;) {
        runPendingEvents();
        const DWORD n = unit_.ReadQueued(total);
        if (unit_.LastReadStatus() != ft::Ok) {
            return false;
        }
        total += static_cast<int>(n);
        if (n > 0 && afterRead) {
            afterRead(total);
        }
        if (pacing == ReadPacing::TenMsSteps) {
            pacer_.sleepMs(ReadStepMs);
        }
        if (n == 0 || total >= D2XXUnit::BufferSize) {
            return true;
        }
    }
}

int Communication::countValues(int byteCount) const {
    std::vector<std::uint8_t> scratch;
    try {
        return decodeValueAnswer(unit_.InBuffer(), byteCount, scratch);
    } catch (const ConversionError&) {
        // Malformed: reading on will not mend it, and the decode reports it.
        return std::numeric_limits<int>::max();
    }
}

ValueAnswer Communication::ReadDeviceValues(ReadPacing pacing, int expectedValues, int timeoutMs) {
    timeoutMs = limit(timeoutMs);
    QElapsedTimer clock;
    clock.start();
    ValueAnswer answer;
    answer.outcome = waitForAnswer(timeoutMs);
    if (answer.outcome != WaitOutcome::Answered) {
        return answer;
    }
    unit_.PurgeTransmit();
    int total = 0;
    for (;;) {
        if (!readAnswer(total, pacing)) {
            answer.outcome = WaitOutcome::DeviceError;
            return answer;
        }
        if (expectedValues <= 0 || total >= D2XXUnit::BufferSize ||
            countValues(total) >= expectedValues) {
            break;
        }
        const int left = timeoutMs - static_cast<int>(clock.elapsed());
        if (left <= 0) {
            break;
        }
        const WaitOutcome more = waitForAnswer(left);
        if (more == WaitOutcome::DeviceError) {
            answer.outcome = more;
            return answer;
        }
        if (more == WaitOutcome::TimedOut) {
            break;
        }
    }
    answer.values = DecodeReceivedValues(total);
    unit_.PurgeReceive();
    return answer;
}

int Communication::DecodeReceivedValues(int byteCount) {
    const int count = decodeValueAnswer(unit_.InBuffer(), byteCount, received_bytes_array);
    log_.ConsoleLog(QStringLiteral("num of bytes received: %1").arg(count));
    log_.ConsoleLog(
        QStringLiteral("received_bytes_array size: %1").arg(received_bytes_array.size()));
    const int size = static_cast<int>(received_bytes_array.size());
    int listed = size;
    int first = 0;
    if (eepromListing_) {
        first = eepromListing_->first;
        listed = std::clamp(eepromListing_->second - eepromListing_->first + 1, 0, size);
    }
    for (int k = 0; k < listed; ++k) {
        log_.ConsoleLog(QStringLiteral("%1:    %2")
                            .arg(k + first)
                            .arg(hexField(received_bytes_array[static_cast<size_t>(k)], 2)));
    }
    return count;
}

QString Communication::ReadBootloaderReply(int timeoutMs, WaitOutcome* outcome) {
    const WaitOutcome waited = waitForAnswer(timeoutMs);
    if (outcome) {
        *outcome = waited;
    }
    if (waited != WaitOutcome::Answered) {
        return {};
    }
    int total = 0;
    const bool ok = readAnswer(total, ReadPacing::None);
    log_.ConsoleLog(QStringLiteral("num of bytes received: %1").arg(total));
    unit_.PurgeReceive();
    if (!ok || total == 0) {
        if (outcome) {
            *outcome = ok ? WaitOutcome::TimedOut : WaitOutcome::DeviceError;
        }
        return {};
    }
    return hexField(unit_.InBuffer()[0], 2);
}
