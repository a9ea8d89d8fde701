#include "FxVocabulary.h"
#include "app/EditorError.h"
#include "app/EffectNames.h"
#include "device/PedalMessages.h"
#include "fx/DialConversion.h"
#include "fx/EffectSettings.h"
#include "fx/HintsUnit.h"
#include "fx/Parameters.h"

#include <QTest>

namespace {
const QString BuiltInTable =
    "001220000B00E800770073000300CC00DE00A000E9004C005B0051000A006E00E7001B000C";
}

class TestFxModel : public QObject {
    Q_OBJECT
private slots:
    void angleToLevelWord_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("level");
        QTest::addColumn<uint>("word");
        QTest::newRow("minimum") << -135 << 0 << 0 << 0x000000u;
        QTest::newRow("one step") << -136 << 1 << 4 << 0x008000u;
        QTest::newRow("-179") << -179 << 44 << 167 << 0x14E000u;
        QTest::newRow("180") << 180 << 44 << 167 << 0x14E000u;
        QTest::newRow("179") << 179 << 45 << 171 << 0x156000u;
        QTest::newRow("up") << 90 << 134 << 510 << 0x3FC000u;
        QTest::newRow("zero") << 0 << 224 << 852 << 0x6A8000u;
        QTest::newRow("-1") << -1 << 225 << 856 << 0x6B0000u;
        QTest::newRow("maximum") << -45 << 269 << 1023 << 0x7FE000u;
    }
    void angleToLevelWord() {
        QFETCH(int, angle);
        QFETCH(int, position);
        QFETCH(int, level);
        QFETCH(uint, word);
        QCOMPARE(DialAngleToPosition(angle), position);
        QCOMPARE(positionToLevel(position), level);
        QCOMPARE(levelWord(level), std::uint32_t(word));
    }

    void levelsRiseAlongTheSweep() {
        int previous = -1;
        for (int p = 0; p <= 269; ++p) {
            const int level = positionToLevel(p);
            QVERIFY(level > previous);
            previous = level;
        }
        QCOMPARE(previous, 1023);
    }

    // Where a dial shows a word: levels over 0x800000, step parameters over
    // their own full scales.
    void valueToDialAngle_data() {
        QTest::addColumn<uint>("word");
        QTest::addColumn<uint>("fullScale");
        QTest::addColumn<int>("angle");
        QTest::newRow("level 0") << 0u << 0x800000u << -135;
        QTest::newRow("level 169") << (169u << 13) << 0x800000u << -179;
        QTest::newRow("level 170") << 0x154000u << 0x800000u << 180;
        QTest::newRow("level 339") << (339u << 13) << 0x800000u << 135;
        QTest::newRow("level 340") << (340u << 13) << 0x800000u << 136;
        QTest::newRow("mid") << 0x400000u << 0x800000u << 89;
        QTest::newRow("level 680") << (680u << 13) << 0x800000u << 45;
        QTest::newRow("level 681") << (681u << 13) << 0x800000u << 44;
        QTest::newRow("level 850") << (850u << 13) << 0x800000u << 0;
        QTest::newRow("level 851") << (851u << 13) << 0x800000u << -1;
        QTest::newRow("level 1023") << 0x7FE000u << 0x800000u << -45;
        QTest::newRow("full scale and above") << 0xFFFFFFFFu << 0x800000u << -45;
        QTest::newRow("Low Pass 12") << 12u << 24u << 90;
        QTest::newRow("High Pass 16") << 16u << 16u << -45;
        QTest::newRow("Range 22") << 22u << 22u << -45;
        QTest::newRow("Range 1 (level 46)") << 1u << 22u << -146;
    }
    void valueToDialAngle() {
        QFETCH(uint, word);
        QFETCH(uint, fullScale);
        QFETCH(int, angle);
        QCOMPARE(ValueToDialAngle(word, fullScale), angle);
    }

    void wordToLevel_data() {
        QTest::addColumn<uint>("word");
        QTest::addColumn<int>("level");
        QTest::newRow("zero") << 0u << 0;
        QTest::newRow("one step") << 0x2000u << 1;
        QTest::newRow("below a step") << 0x1FFFu << 0;
        QTest::newRow("top level") << 0x7FE000u << 1023;
        QTest::newRow("full scale") << 0x800000u << 1023;
        QTest::newRow("any word") << 0xFFFFFFFFu << 1023;
    }
    void wordToLevel() {
        QFETCH(uint, word);
        QFETCH(int, level);
        QCOMPARE(wordLevel(word), level);
    }

    void mapRangeTruncatesTowardZero() {
        QCOMPARE(MapRange(1, 0, 3, 0, -2), 0);
        QCOMPARE(MapRange(2, 0, 3, 0, -2), -1);
        QCOMPARE(MapRange(85, 0, 169, -135, -179), -157);
    }

    void deadSectorSnaps_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("snapped");
        QTest::newRow("-100") << -100 << -135;
        QTest::newRow("-90") << -90 << -135;
        QTest::newRow("-134") << -134 << -135;
        QTest::newRow("-89") << -89 << -45;
        QTest::newRow("-60") << -60 << -45;
        QTest::newRow("-46") << -46 << -45;
        QTest::newRow("-135 stays") << -135 << -135;
        QTest::newRow("-45 stays") << -45 << -45;
        QTest::newRow("0 stays") << 0 << 0;
        QTest::newRow("180 stays") << 180 << 180;
    }
    void deadSectorSnaps() {
        QFETCH(int, angle);
        QFETCH(int, snapped);
        QCOMPARE(SnapDialAngle(angle), snapped);
    }

    void writeToDspMessages() {
        QCOMPARE(PedalMessages::WriteToDspMessage(0x000A, levelWord(512)),
                 QStringLiteral("01000A00400000"));
        QCOMPARE(PedalMessages::WriteToDspMessage(0x00E7, levelWord(852)),
                 QStringLiteral("0100E7006A8000"));
        QCOMPARE(PedalMessages::WriteToDspMessage(0x006E, PitchTable[24]),
                 QStringLiteral("01006E00800000"));
    }

    void resourceNames_data() {
        QTest::addColumn<QString>("effect");
        QTest::addColumn<QString>("resource");
        QTest::newRow("built-in") << "Tarnwick ZQ7 0008"
                                  << "Tarnwick_ZQ7_0008";
        QTest::newRow("hyphen, X, plus") << "Oct-X+2"
                                         << "Oct_multplus2";
        QTest::newRow("lower-case x stays") << "Box x"
                                            << "Box_x";
    }
    void resourceNames() {
        QFETCH(QString, effect);
        QFETCH(QString, resource);
        QCOMPARE(format_resource_name(effect), resource);
    }

    void algorithmVersionOfAnEffect() {
        QCOMPARE(effectAlgorithmVersion("Tarnwick ZQ7 0008"), 8);
        QCOMPARE(effectAlgorithmVersion("Tarnwick ZQ7   12"), 12);
        QVERIFY_THROWS_EXCEPTION(ConversionError, effectAlgorithmVersion("Tarnwick ZQ7 00A8"));
        QVERIFY_THROWS_EXCEPTION(ConversionError, effectAlgorithmVersion("Short"));
    }

    void recordsBeforeAnyTable() {
        ParameterSet p;
        const QStringList order = {"Dry",           "Sub Mix",
                                   "-1 Oct",        "-2 Oct",
                                   "Wave",          "Low Pass",
                                   "High Pass",     "1st Harmonic",
                                   "Split",         "Range",
                                   "Input Level",   "1st Harmonic Pitch",
                                   "Wave Clip",     "Dominant Note Cut",
                                   "High Notes Cut"};
        for (int i = 0; i < ParameterSet::Count; ++i) {
            QCOMPARE(p.name(i), order[i]);
            QCOMPARE(p.value(i), 0u);
            QCOMPARE(p.address(i), std::uint16_t(i < 10 ? 0 : 0xFFFF));
        }
        QCOMPARE(p.Dry.num_of_addresses, std::uint8_t(1));
        for (const assignable_parameter* a : {&p.InputLevel, &p.FirstHarmonicPitch, &p.WaveClip,
                                              &p.DominantNoteCut, &p.HighNotesCut}) {
            QVERIFY2(!a->is_assigned, qPrintable(a->parameter_name));
        }
        const EffectSettings settings;
        QCOMPARE(settings.AssignFlags, (std::array<bool, 5>{}));
        QCOMPARE(settings.CurrentTuning, std::uint8_t(0));
        QCOMPARE(settings.SemitonesVariation, std::int8_t(0));
        QCOMPARE(settings.FootswitchMode, std::uint16_t(0));
    }

    void addressesFromTheBuiltInTable() {
        ParameterSet p;
        p.LoadParameterAddresses(BuiltInTable + "FFFF");
        const std::uint16_t expected[] = {0x0B, 0xE8, 0x77, 0x73, 0x03, 0xCC, 0xDE, 0xA0,
                                          0xE9, 0x00, 0x0A, 0x6E, 0xE7, 0x1B, 0x0C};
        for (int i = 0; i < ParameterSet::Count; ++i) {
            QCOMPARE(p.address(i), expected[i]);
        }
    }

    void shortTableIsRefused() {
        ParameterSet p;
        try {
            p.LoadParameterAddresses(BuiltInTable.left(73));
            QFAIL("loaded");
        } catch (const EditorError& e) {
            QVERIFY(e.text().contains("73 of 74"));
        }
        QCOMPARE(p.Dry.address, std::uint16_t(0));
        QCOMPARE(p.InputLevel.address, std::uint16_t(0xFFFF));
    }

    void nonHexPairStopsTheTable() {
        ParameterSet p;
        QString table = BuiltInTable;
        table[16] = 'G'; // slot 2, "-1 Oct"
        QVERIFY_THROWS_EXCEPTION(ConversionError, p.LoadParameterAddresses(table));
        QCOMPARE(p.Dry.address, std::uint16_t(0x0B));
        QCOMPARE(p.SubMix.address, std::uint16_t(0xE8));
        QCOMPARE(p.Minus1Oct.address, std::uint16_t(0));
        QCOMPARE(p.InputLevel.address, std::uint16_t(0xFFFF));
    }

    void pitchTable_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<uint>("word");
        // Rows are named by the pitch list's entry at that position.
        const QList<QPair<const char*, uint>> words = {
            {"-12", 0x00200000}, {"-11", 0x0022AAA8}, {"-10", 0x00255558}, {"-9", 0x00280000},
            {"-8", 0x002AAAA8},  {"-7", 0x002D5558},  {"-6", 0x00300000},  {"-5", 0x0032AAA8},
            {"-4", 0x00355558},  {"-3", 0x00380000},  {"-2", 0x003AAAA8},  {"-1", 0x003D5558},
            {"0", 0x00400000},   {"+1", 0x00455558},  {"+2", 0x004AAAA8},  {"+3", 0x00500000},
            {"+4", 0x00555558},  {"+5", 0x005AAAA8},  {"+6", 0x00600000},  {"+7", 0x00655558},
            {"+8", 0x006AAAA8},  {"+9", 0x00700000},  {"+10", 0x00755558}, {"+11", 0x007AAAA8},
            {"+12", 0x00800000},
        };
        for (int position = 0; position < words.size(); ++position) {
            QTest::newRow(words[position].first) << position << words[position].second;
        }
    }
    void pitchTable() {
        QFETCH(int, position);
        QFETCH(uint, word);
        QCOMPARE(PitchTable.size(), size_t(25));
        QCOMPARE(PitchTable[size_t(position)], std::uint32_t(word));
    }

    void assignmentLists_data() {
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("entries");
        const auto lists = FxVocabulary::assignmentLists();
        for (int control = 0; control < lists.size(); ++control) {
            const auto& list = lists[control];
            QTest::newRow(qPrintable(list.label)) << control << list.label << list.entries;
        }
    }
    void assignmentLists() {
        QFETCH(int, control);
        QFETCH(QString, label);
        QFETCH(QStringList, entries);
        QCOMPARE(assignmentLabel(control), label);
        QCOMPARE(assignmentEntries(control), entries);
    }

    void hints_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        for (const auto& [control, text] : FxVocabulary::hints()) {
            QTest::newRow(qPrintable(control)) << control << text;
        }
    }
    void hints() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        const QMap<QString, QString (*)()> hintOf = {
            {"chkDominantNoteCut", &HintsUnit::DominantNoteCut},
            {"chkHighNoteCut", &HintsUnit::HighNoteCut},
            {"dialInputLevel", &HintsUnit::InputLevel},
            {"cmbGuitarTuning", &HintsUnit::GuitarTuning},
            {"cmbSemitonesVariation", &HintsUnit::SemitonesVariation},
        };
        QVERIFY(hintOf.contains(control));
        QCOMPARE(hintOf.value(control)(), text);
    }
};

QTEST_APPLESS_MAIN(TestFxModel)
#include "test_fx_model.moc"
