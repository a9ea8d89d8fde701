#include "fx/Parameters.h"

#include "app/EditorError.h"
#include "device/HexText.h"

namespace {
constexpr std::uint16_t UnloadedAssignable = 0xFFFF;
constexpr int AddressSlots = 17;
// Slots 9 to 11 carry addresses the editor does not use.
constexpr int FirstUnusedSlot = 9;
constexpr int UnusedSlots = 3;
} // namespace

QStringList assignmentEntries(int control) {
    const QString none = QStringLiteral("Not Assigned");
    switch (control) {
    case 0:
    case 1:
        return {none, QStringLiteral("Input Level"), QStringLiteral("1st Harmonic Pitch"),
                QStringLiteral("Wave Clip")};
    case 2:
    case 3:
        return {none, QStringLiteral("Dominant Note Cut"), QStringLiteral("High Notes Cut")};
    default:
        return {none, QStringLiteral("Bypass"), QStringLiteral("Preset")};
    }
}

QString assignmentLabel(int control) {
    static const char* labels[] = {"Control I", "Control II", "Control III", "Control IV",
                                   "Remote Footswitch"};
    return QString::fromLatin1(labels[control]);
}

ParameterSet::ParameterSet()
    : InputLevel(QStringLiteral("Input Level"), UnloadedAssignable, false),
      FirstHarmonicPitch(QStringLiteral("1st Harmonic Pitch"), UnloadedAssignable, false),
      WaveClip(QStringLiteral("Wave Clip"), UnloadedAssignable, false),
      DominantNoteCut(QStringLiteral("Dominant Note Cut"), UnloadedAssignable, false),
      HighNotesCut(QStringLiteral("High Notes Cut"), UnloadedAssignable, false),
      Dry(QStringLiteral("Dry"), 0, 1), Minus1Oct(QStringLiteral("-1 Oct"), 0, 1),
      SubMix(QStringLiteral("Sub Mix"), 0, 1), Minus2Oct(QStringLiteral("-2 Oct"), 0, 1),
      LowPass(QStringLiteral("Low Pass"), 0, 1), HighPass(QStringLiteral("High Pass"), 0, 1),
      Range(QStringLiteral("Range"), 0, 1), FirstHarmonic(QStringLiteral("1st Harmonic"), 0, 1),
      Wave(QStringLiteral("Wave"), 0, 1), Split(QStringLiteral("Split"), 0, 1) {}

namespace {
template <typename P> ParameterSet::Fields fieldsOf(P& p) {
    return {&p.value, &p.address, &p.parameter_name};
}
} // namespace

ParameterSet::Fields ParameterSet::fields(int i) {
    switch (i) {
    case 0:
        return fieldsOf(Dry);
    case 1:
        return fieldsOf(SubMix);
    case 2:
        return fieldsOf(Minus1Oct);
    case 3:
        return fieldsOf(Minus2Oct);
    case 4:
        return fieldsOf(Wave);
    case 5:
        return fieldsOf(LowPass);
    case 6:
        return fieldsOf(HighPass);
    case 7:
        return fieldsOf(FirstHarmonic);
    case 8:
        return fieldsOf(Split);
    case 9:
        return fieldsOf(Range);
    case 10:
        return fieldsOf(InputLevel);
    case 11:
        return fieldsOf(FirstHarmonicPitch);
    case 12:
        return fieldsOf(WaveClip);
    case 13:
        return fieldsOf(DominantNoteCut);
    default:
        return fieldsOf(HighNotesCut);
    }
}

void ParameterSet::LoadParameterAddresses(const QString& imageText) {
    if (imageText.size() < AddressTableDigits) {
        throw EditorError(QStringLiteral("The algorithm image holds no complete address table: "
                                         "%1 of %2 digits")
                              .arg(imageText.size())
                              .arg(AddressTableDigits));
    }
    for (int slot = 0; slot < AddressSlots; ++slot) {
        const QByteArray b = HexToBytes(imageText.mid(6 + 4 * slot, 4));
        const auto word =
            static_cast<std::uint16_t>((std::uint8_t(b[0]) << 8) | std::uint8_t(b[1]));
        if (slot < FirstUnusedSlot) {
            address(slot) = word;
        } else if (slot >= FirstUnusedSlot + UnusedSlots) {
            address(slot - UnusedSlots + 1) = word;
        }
    }
}
