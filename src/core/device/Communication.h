#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class D2XXUnit;
class DiagnosticLog;
class Pacer;

enum class WaitOutcome {
    Answered,
    DeviceError, // the driver failed; its box has been shown
    TimedOut,    // the pedal did not answer within the limit
};

// How an answer's reads are spaced: 10 ms apart, or back to back while the
// pedal's bootloader answers.
enum class ReadPacing { TenMsSteps, None };

struct ValueAnswer {
    WaitOutcome outcome = WaitOutcome::TimedOut;
    int values = 0; // values decoded from this answer
};

// The message exchange every command uses: hexadecimal messages out, value
// answers and bootloader replies in. Every wait has a time limit and runs the
// pending events while it polls the driver's queue.
class Communication {
public:
    static constexpr int AnswerTimeoutMs = 5000;
    // The waits' limit when the caller names none.
    static constexpr int DefaultLimit = -1;

    Communication(D2XXUnit& unit, DiagnosticLog& log, Pacer& pacer);

    // Converts the text into OutBuffer and writes it in one call. A text that
    // is not an even number of hexadecimal digits is refused (EditorError)
    // and nothing is written.
    void SendHexMessage(const QString& text, bool purgeFirst);

    // Looks at the driver's queue until a byte is queued, the driver fails or
    // the limit passes. Between two looks the event loop runs, idle: the
    // first looks follow each other closely, later ones every few ms.
    WaitOutcome waitForAnswer(int timeoutMs = DefaultLimit);

    // Waits for a value answer, reads all of it and decodes it into
    // received_bytes_array. With `expectedValues` the read goes on until that
    // many values have arrived or the limit passes, so an answer that comes
    // in pieces is decoded whole.
    ValueAnswer ReadDeviceValues(ReadPacing pacing, int expectedValues = 0,
                                 int timeoutMs = DefaultLimit);

    // Decodes the first `byteCount` bytes of InBuffer and logs the values.
    int DecodeReceivedValues(int byteCount);

    // Reads what is queued, appending in InBuffer after `total` bytes, until a
    // read returns nothing; `afterRead` sees the total after each read that
    // brought bytes. False when a read failed (its box has been shown).
    bool readAnswer(int& total, ReadPacing pacing, const std::function<void(int)>& afterRead = {});

    // The first byte of the reply as two digits, or empty.
    QString ReadBootloaderReply(int timeoutMs = DefaultLimit, WaitOutcome* outcome = nullptr);

    // The limit of value answers and bootloader replies; tests shorten it.
    void setAnswerTimeout(int ms) { answerTimeoutMs_ = ms; }
    int answerTimeout() const { return answerTimeoutMs_; }

    // While set, the value listing numbers the bytes from `start` and lists
    // at most end - start + 1 of them.
    void setEepromListing(std::optional<std::pair<int, int>> range) { eepromListing_ = range; }

    // True while a wait or read loop runs the pending events: a command
    // started from those events must not begin an exchange of its own.
    bool waiting() const { return waitDepth_ > 0; }

    std::vector<std::uint8_t> received_bytes_array;

private:
    D2XXUnit& unit_;
    DiagnosticLog& log_;
    Pacer& pacer_;
    std::optional<std::pair<int, int>> eepromListing_;
    int waitDepth_ = 0;
    int answerTimeoutMs_ = AnswerTimeoutMs;

    int limit(int timeoutMs) const { return timeoutMs < 0 ? answerTimeoutMs_ : timeoutMs; }

    int countValues(int byteCount) const;
};
