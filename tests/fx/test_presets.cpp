#include "EditorFixture.h"
#include "fx/TformFXsettings.h"
#include "widgets/AngleDial.h"
#include "widgets/OnOffSwitch.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>

namespace {

QByteArray presetBytes(const QList<quint32>& words, const char* lineEnd) {
    QStringList lines;
    for (const quint32 w : words) {
        lines << QStringLiteral("%1").arg(w, 8, 16, QLatin1Char('0')).toUpper();
    }
    return lines.join(QString::fromLatin1(lineEnd)).toLatin1();
}

// Dry, Sub Mix, -1 Oct, -2 Oct, Wave, Low Pass, High Pass, 1st Harmonic,
// Split, Range, Input Level, 1st Harmonic Pitch, Wave Clip, Dominant Note
// Cut, High Notes Cut.
const QList<quint32> Loaded = {0x400000, 0,  0x7FE000, 0,        0x400000, 12, 16, 0,
                               1,        22, 0,        0x400000, 0,        0,  0};

// Connected with the built-in effect's addresses loaded; files go to a
// scratch folder of the test's own.
struct PresetFixture : EditorFixture {
    TformFXsettings& fx;
    QTemporaryDir files;
    PresetFixture() : fx(editor->fxSettings()) {
        connect();
        clickEffect();
        pedal().clearWrites();
        log->lines.clear();
    }
    QString file(const QString& name) { return files.filePath(name); }
    void save(const QString& name) {
        dialogs.fileNames.enqueue(name);
        main().menuSavePreset->trigger();
    }
    void load(const QString& name) {
        dialogs.fileNames.enqueue(name);
        main().menuLoadPreset->trigger();
    }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile f(file(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
};

} // namespace

class TestPresets : public QObject {
    Q_OBJECT
private slots:
    void saveInTheSaveFolder() {
        PresetFixture f;
        f.editor->parameters().Dry.value = 0x00400000;
        f.save(f.file("mine"));
        const QString saveFolder = f.documents.filePath("KORVA/tarnwick_zq7_folder/Preset");
        QCOMPARE(f.dialogs.fileDialogs, QStringList{"Save Preset File|" + saveFolder});
        QVERIFY(QDir(saveFolder).exists());
        QFile written(f.file("mine.txt"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QCOMPARE(bytes.size(), 137);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"
                                 "00400000\r00000000"));
        QVERIFY(!bytes.endsWith('\r'));
        QCOMPARE(f.dialogs.messages, QStringList{"File saved successfully: " + f.file("mine.txt")});
    }

    void fileNameSuffix_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("none") << "a"
                              << "a.txt";
        QTest::newRow(".txt") << "b.txt"
                              << "b.txt";
        QTest::newRow(".TXT") << "c.TXT"
                              << "c.TXT.txt";
    }
    void fileNameSuffix() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        PresetFixture f;
        f.save(f.file(chosen));
        QVERIFY(QFile::exists(f.file(written)));
    }

    void cancelAndFailures() {
        PresetFixture f;
        f.main().menuSavePreset->trigger();
        QVERIFY(f.dialogs.messages.isEmpty());
        f.write("plain", "x");
        f.save(f.file("plain/inside"));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].startsWith("Error saving file: "));
        f.dialogs.messages.clear();
        f.load(f.file("missing.txt"));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].startsWith("Error loading file: "));
    }

    // A folder that cannot be made is reported; the dialog still opens.
    void unusableFolderIsReported() {
        QTemporaryDir dir;
        QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
        EditorFixture f({}, dir.filePath("file/Documents"));
        f.dialogs.messages.clear();
        f.main().menuSavePreset->trigger();
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages[0].startsWith("Error creating folder: "));
        QCOMPARE(f.dialogs.fileDialogs.size(), 1);
    }

    // A preset with any line ends loads: the values go into the records, the
    // window shows them and the controls that move send them.
    void load_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("as written") << QByteArray("\xEF\xBB\xBF") + presetBytes(Loaded, "\r");
        QTest::newRow("LF") << presetBytes(Loaded, "\n");
        QTest::newRow("CR LF") << presetBytes(Loaded, "\r\n") + "\r\n";
    }
    void load() {
        QFETCH(QByteArray, bytes);
        PresetFixture f;
        const QString name = f.write("p.txt", bytes);
        f.load(name);
        const QString loadFolder = f.documents.filePath("KORVA/Tarnwick ZQ7/Preset");
        QCOMPARE(f.dialogs.fileDialogs, QStringList{"Open Preset File|" + loadFolder});
        QCOMPARE(f.dialogs.messages, QStringList{"File loaded successfully: " + name});
        QCOMPARE(f.log->lines.value(0), presetBytes(Loaded, "\r\n") + "\r\n");
        ParameterSet& p = f.editor->parameters();
        QCOMPARE(f.fx.dialDry->angle(), 89);
        QCOMPARE(p.Dry.value, 0x402000u); // the level its dial sent
        QCOMPARE(p.LowPass.value, 12u);
        QCOMPARE(f.fx.dialLowPass->angle(), 90);
        QVERIFY(f.fx.swtWave->isChecked());
        QVERIFY(f.fx.swtSplit->isChecked());
        QCOMPARE(f.fx.cmbVariableWavePitch->currentText(), QStringLiteral("0"));
        QVERIFY(f.pedal().writes().contains(QByteArray::fromHex("01000B00402000")));
    }

    // A file that is not fifteen lines of eight hexadecimal digits is refused
    // whole: no value changes.
    void malformedFileIsRefused() {
        PresetFixture f;
        QByteArray bytes = presetBytes(Loaded, "\r");
        bytes.replace(9 * 3, 1, "Z");
        const QString name = f.write("bad.txt", bytes);
        f.editor->parameters().Dry.value = 0x123;
        f.load(name);
        QCOMPARE(f.dialogs.messages,
                 QStringList{"The file " + name +
                             " is not a preset: line 4 is not eight hexadecimal digits. Nothing "
                             "was loaded."});
        QCOMPARE(f.editor->parameters().Dry.value, 0x123u);
        QCOMPARE(f.editor->parameters().LowPass.value, 0u);
    }

    void hugeFileIsRefused() {
        PresetFixture f;
        const QString name = f.write("huge.txt", QByteArray(70000, '0'));
        f.load(name);
        QCOMPARE(f.dialogs.messages,
                 QStringList{"The file " + name +
                             " is not a preset: it holds 70000 bytes. Nothing was loaded."});
    }

    // An assigned parameter keeps the loaded word; its control says so.
    void assignedParameterKeepsTheLoadedWord() {
        PresetFixture f;
        f.editor->parameters().InputLevel.is_assigned = true;
        QList<quint32> words = Loaded;
        words[10] = 0x400000;
        f.load(f.write("a.txt", presetBytes(words, "\r")));
        QVERIFY(f.dialogs.messages.contains(
            "This parameter is currently assigned and cannot be controlled from here"));
        QCOMPARE(f.editor->parameters().InputLevel.value, 0x400000u);
    }

    void saveAndLoadAgain() {
        PresetFixture f;
        f.load(f.write("p.txt", presetBytes(Loaded, "\r")));
        f.save(f.file("again"));
        QFile again(f.file("again.txt"));
        QVERIFY(again.open(QIODevice::ReadOnly));
        QList<quint32> expected = Loaded;
        expected[0] = 0x402000; // Dry, replaced by its dial's level
        QCOMPARE(again.readAll(), QByteArray("\xEF\xBB\xBF") + presetBytes(expected, "\r"));
    }
};

QTEST_MAIN(TestPresets)
#include "test_presets.moc"
