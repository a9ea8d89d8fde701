#pragma once

#include <QString>

class AlgorithmUpload;
class PedalLink;

// "Upload Tuning Data": the tracking filter table in one message of 641
// bytes, after the same prefix as an algorithm upload.
class TuningDataUpload {
public:
    static constexpr int PrefixPauseMs = 400;
    static constexpr int PauseMs = 100;

    TuningDataUpload(PedalLink& link, AlgorithmUpload& algorithmUpload)
        : link_(link), algorithmUpload_(algorithmUpload) {}

    // Builds TuningDataText afresh and logs it as "tuning data: ".
    void BuildTuningData();
    // The prefix, its pause, then the table: logged with its length, one
    // write after a transmit purge, and a pause.
    void upload();

private:
    PedalLink& link_;
    AlgorithmUpload& algorithmUpload_;
    QString TuningDataText;
};
