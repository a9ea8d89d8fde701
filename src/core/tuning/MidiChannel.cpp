#include "tuning/MidiChannel.h"

#include "app/DiagnosticLog.h"
#include "app/EditorError.h"
#include "device/PedalLink.h"
#include "device/PedalMessages.h"

namespace {
const QString Omni = QStringLiteral("OMNI");
constexpr int Channels = 16;
} // namespace

QStringList MidiChannel::captions() {
    QStringList list{Omni};
    for (int channel = 1; channel <= Channels; ++channel) {
        list << QString::number(channel);
    }
    return list;
}

void MidiChannel::send(const QString& caption) {
    link_.log().appendDirect(QStringLiteral("Midi channel: ") + caption);
    int channel = 0;
    if (caption != Omni) {
        bool ok = false;
        channel = caption.toInt(&ok, 10);
        if (!ok) {
            throw ConversionError::integer(caption);
        }
    }
    const QString message = PedalMessages::MidiChannelMessage(static_cast<std::uint8_t>(channel));
    link_.log().ConsoleLog(message);
    link_.comm().SendHexMessage(message, false);
}
