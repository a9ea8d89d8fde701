#include "DeviceFixture.h"
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
        SessionState state;
        D2XXUnit unit(*api, dialogs);
        Communication comm(unit, log, pacer, state);

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
        QCOMPARE(comm.ReadDeviceValues(82).values, 82);
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

    void environmentNamesTheLibrary() {
        qputenv("TARNWICK_D2XX_LIBRARY", "/opt/vendor/libftd2xx.so.1.4");
        QCOMPARE(VendorD2xx::defaultLibraryPath(), QStringLiteral("/opt/vendor/libftd2xx.so.1.4"));
        qunsetenv("TARNWICK_D2XX_LIBRARY");
        QVERIFY(VendorD2xx::defaultLibraryPath().contains("ftd2xx"));
    }
};

QTEST_GUILESS_MAIN(TestVendorD2xx)
#include "test_vendor_d2xx.moc"
