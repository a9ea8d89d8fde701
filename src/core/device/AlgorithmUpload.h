#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class PedalLink;
class Resources;

enum class UploadOutcome {
    Answered,    // the pedal's answer is shown
    NoAnswer,    // nothing came within the limit; the user was told
    DeviceError, // the driver failed while waiting or reading; its box has been shown
};

// "Upload Selected": the algorithm image of an effect, after the upload
// prefix, in one write; the pedal's answer becomes the status text. A
// watchdog marks the upload failed while no answer has come.
class AlgorithmUpload : public QObject {
    Q_OBJECT
public:
    static constexpr int PrefixPauseMs = 400;
    static constexpr int WatchdogMs = 5000;
    static constexpr int AnswerLimitMs = 30000;
    // The label shows at most this many characters of the answer.
    static constexpr int AnswerShown = 17;
    // An answer is complete once the line has been quiet this long: 17
    // bytes take 1.5 ms at 115,200 baud.
    static constexpr int AnswerQuietMs = 5;

    AlgorithmUpload(PedalLink& link, Resources& resources);

    // Finds and checks the effect's image before anything is sent: a missing
    // resource, or an image that is not a non-empty, even number of
    // hexadecimal digits of at most 65,536 bytes, ends the command
    // (EditorError) with nothing sent.
    UploadOutcome upload(const QString& effectName);

    // The two bytes that open an algorithm or tuning data upload.
    void SendUploadPrefix();

    QTimer& watchdog() { return watchdog_; }
    void setAnswerLimitMs(int ms) { answerLimitMs_ = ms; }

signals:
    void statusChanged(const QString& text);

private:
    PedalLink& link_;
    Resources& resources_;
    QTimer watchdog_;
    int answerLimitMs_ = AnswerLimitMs;

    QString findImage(const QString& effectName);
    UploadOutcome readAnswer();
};
