#include "DeviceFixture.h"
#include "device/DeviceBackend.h"
#include "device/VendorD2xx.h"

#include <QTest>

class TestVendorD2xx : public QObject {
    Q_OBJECT
private slots:
    void shimAnswersThroughTheLoadedLibrary() {
        QString error;
        auto api = VendorD2xx::load(QStringLiteral(SHIM_PATH), &error);
        QVERIFY2(api, qPrintable(error));
        using SimulatorFn = SimD2xx* (*)();
        auto simulator =
            reinterpret_cast<SimulatorFn>(api->library().resolve("tarnwick_shim_simulator"));
        QVERIFY(simulator);
        SimulatedPedal& pedal = simulator()->pedal();

        ScriptedDialogs dialogs;
        DiagnosticLog log;
        Pacer pacer(0.0);
        D2XXUnit unit(*api, dialogs);
        Communication comm(unit, log, pacer);

        QCOMPARE(unit.GetFTDeviceCount(), FT_STATUS(ft::Ok));
        QCOMPARE(unit.DeviceCount(), DWORD(1));
        unit.GetFTDeviceSerialNo(0);
        const QByteArray serial = unit.FT_Device_String();
        unit.GetFTDeviceDescription(0);
        QCOMPARE(unit.FT_Device_String(), QByteArray("FT230X Basic UART"));
        QCOMPARE(unit.Open_USB_Device_By_Serial_Number(serial), FT_STATUS(ft::Ok));
        unit.Settings() = {115200, 8, 0, 0};
        QCOMPARE(unit.ApplyBaudRate(), FT_STATUS(ft::Ok));
        QCOMPARE(unit.ApplyDataCharacteristics(), FT_STATUS(ft::Ok));
        QCOMPARE(simulator()->baudRate(), ULONG(115200));

        comm.SendHexMessage(QStringLiteral("0200"), true);
        QCOMPARE(comm.ReadDeviceValues(ReadPacing::TenMsSteps, 82).values, 82);
        QCOMPARE(comm.received_bytes_array[0], std::uint8_t(7));
        QCOMPARE(pedal.writes(), QList<QByteArray>{QByteArray::fromHex("0200")});
        QCOMPARE(unit.CloseDevice(), FT_STATUS(ft::Ok));
        QCOMPARE(unit.QueryRxQueue(), FT_STATUS(ft::InvalidHandle));
        QCOMPARE(dialogs.messages, QStringList{"FT_GetQueueStatus - Invalid handle..."});
    }

    void missingLibraryIsAClearError() {
        QString error;
        auto api = VendorD2xx::load(QStringLiteral("/nonexistent/libftd2xx.so"), &error);
        QVERIFY(!api);
        QVERIFY2(error.startsWith("The D2XX library could not be loaded: "), qPrintable(error));
    }

    void libraryWithoutTheCallsIsAClearError() {
        // Any shared library that is not the D2XX one: the test's own Qt Core.
        const QString qtCore = QStringLiteral("libQt6Core.so.6");
        QString error;
        auto api = VendorD2xx::load(qtCore, &error);
        QVERIFY(!api);
        QVERIFY2(error.contains("has no function FT_ListDevices"), qPrintable(error));
    }

    void backendChoice_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("known");
        QTest::addColumn<int>("kind");
        QTest::newRow("sim") << "sim" << true << int(BackendKind::Simulated);
        QTest::newRow("ftdi") << "ftdi" << true << int(BackendKind::Ftdi);
        QTest::newRow("d2xx") << "d2xx" << true << int(BackendKind::Vendor);
        QTest::newRow("other") << "serial" << false << int(BackendKind::Automatic);
    }
    void backendChoice() {
        QFETCH(QString, name);
        QFETCH(bool, known);
        QFETCH(int, kind);
        BackendKind parsed = BackendKind::Automatic;
        QCOMPARE(parseBackendKind(name, parsed), known);
        QCOMPARE(int(parsed), kind);
    }

    void automaticPrefersTheVendorLibrary() {
        qputenv("TARNWICK_D2XX_LIBRARY", SHIM_PATH);
        DeviceBackend vendor = makeDeviceBackend(BackendKind::Automatic);
        QVERIFY(dynamic_cast<VendorD2xx*>(vendor.api.get()));
        qputenv("TARNWICK_D2XX_LIBRARY", "/nonexistent/libftd2xx.so");
        DeviceBackend fallback = makeDeviceBackend(BackendKind::Automatic);
        QVERIFY(fallback.api);
        QVERIFY(!dynamic_cast<VendorD2xx*>(fallback.api.get()));
        DeviceBackend missing = makeDeviceBackend(BackendKind::Vendor);
        QVERIFY(!missing.api);
        QVERIFY(!missing.error.isEmpty());
        qunsetenv("TARNWICK_D2XX_LIBRARY");
        D2xxApi* made = nullptr;
        DeviceBackend sim = makeDeviceBackend(BackendKind::Simulated, [&made] {
            auto api = std::make_unique<SimD2xx>();
            made = api.get();
            return api;
        });
        QVERIFY(made);
        QCOMPARE(sim.api.get(), made);
        QVERIFY(!makeDeviceBackend(BackendKind::Simulated).error.isEmpty());
    }

    void environmentNamesTheLibrary() {
        qputenv("TARNWICK_D2XX_LIBRARY", "/opt/vendor/libftd2xx.so.1.4");
        QCOMPARE(VendorD2xx::defaultLibraryPath(), QStringLiteral("/opt/vendor/libftd2xx.so.1.4"));
        qunsetenv("TARNWICK_D2XX_LIBRARY");
        QVERIFY(VendorD2xx::defaultLibraryPath().contains("ftd2xx"));
    }
};

QTEST_GUILESS_MAIN(TestVendorD2xx)
#include "test_vendor_d2xx.moc"
