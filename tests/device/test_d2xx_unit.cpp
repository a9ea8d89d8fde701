#include "DeviceFixture.h"
#include "device/FtStatusText.h"

#include <QTest>

class TestD2xxUnit : public QObject {
    Q_OBJECT
private slots:
    void statusTexts_data() {
        QTest::addColumn<uint>("status");
        QTest::addColumn<QString>("box");
        const char* texts[] = {
            " - Invalid handle...",
            " - Device not found...",
            " - Device not opened...",
            " - General IO error...",
            " - Insufficient resources...",
            " - Invalid parameter...",
            " - Invalid baud rate...",
            " Device not opened for erase...",
            " Device not opened for write...",
            " - Failed to write...",
            " - EEPROM read failed...",
            " - EEPROM write failed...",
            " - EEPROM erase failed...",
            " - EEPROM not present...",
            " - EEPROM not programmed...",
            " - Invalid arguments...",
            " - Other error ...",
        };
        for (uint s = 1; s <= 17; ++s) {
            QTest::addRow("status %u", s) << s << QStringLiteral("FT_Write") + texts[s - 1];
        }
        QTest::newRow("unknown") << 18u << "FT_Write - Unknown error (status 18)...";
        QTest::newRow("far unknown")
            << 4000000000u << "FT_Write - Unknown error (status 4000000000)...";
    }
    void statusTexts() {
        QFETCH(uint, status);
        QFETCH(QString, box);
        DeviceFixture f;
        f.unit.ReportFTError(QStringLiteral("FT_Write"), status);
        QCOMPARE(f.dialogs.messages, QStringList{box});
    }

    // The vendor library's own numbers: statuses pass through unchanged.
    void libraryConstants() {
        const QList<FT_STATUS> statuses = {
            ft::Ok,
            ft::InvalidHandle,
            ft::DeviceNotFound,
            ft::DeviceNotOpened,
            ft::IoError,
            ft::InsufficientResources,
            ft::InvalidParameter,
            ft::InvalidBaudRate,
            ft::DeviceNotOpenedForErase,
            ft::DeviceNotOpenedForWrite,
            ft::FailedToWriteDevice,
            ft::EepromReadFailed,
            ft::EepromWriteFailed,
            ft::EepromEraseFailed,
            ft::EepromNotPresent,
            ft::EepromNotProgrammed,
            ft::InvalidArgs,
            ft::OtherError,
        };
        for (int i = 0; i < statuses.size(); ++i) {
            QCOMPARE(statuses[i], FT_STATUS(i));
        }
        QCOMPARE(ft::ListNumberOnly, DWORD(0x80000000));
        QCOMPARE(ft::ListByIndex, DWORD(0x40000000));
        QCOMPARE(ft::OpenBySerialNumber, DWORD(1));
        QCOMPARE(ft::OpenByDescription, DWORD(2));
        QCOMPARE(ft::PurgeRx, ULONG(1));
        QCOMPARE(ft::PurgeTx, ULONG(2));
        QCOMPARE(ft::ListingBufferSize, 64);
    }

    void successShowsNothing() {
        DeviceFixture f;
        f.unit.ReportFTError(QStringLiteral("FT_Write"), ft::Ok);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void listingKeepsCountAndStrings() {
        DeviceFixture f;
        f.sim.addDevice("SECOND22", "Other bridge");
        QCOMPARE(f.unit.GetFTDeviceCount(), FT_STATUS(ft::Ok));
        QCOMPARE(f.unit.DeviceCount(), DWORD(2));
        QCOMPARE(f.unit.GetFTDeviceSerialNo(1), FT_STATUS(ft::Ok));
        QCOMPARE(f.unit.FT_Device_String(), QByteArray("SECOND22"));
        QCOMPARE(f.unit.GetFTDeviceDescription(0), FT_STATUS(ft::Ok));
        QCOMPARE(f.unit.FT_Device_String(), QByteArray("FT230X Basic UART"));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void failedListingKeepsPreviousString() {
        DeviceFixture f;
        f.unit.GetFTDeviceSerialNo(0);
        QCOMPARE(f.unit.GetFTDeviceDescription(5), FT_STATUS(ft::DeviceNotFound));
        QCOMPARE(f.unit.FT_Device_String(), QByteArray(SimD2xx::DefaultSerial));
        QCOMPARE(f.dialogs.messages,
                 QStringList{QStringLiteral("GetFTDeviceDescription - Device not found...")});
    }

    void openCopiesAtMost49Characters() {
        DeviceFixture f;
        const QByteArray sixty(60, 'S');
        QCOMPARE(f.unit.Open_USB_Device_By_Serial_Number(sixty), FT_STATUS(ft::DeviceNotFound));
        QCOMPARE(QByteArray(f.unit.OpenBuffer()), sixty.left(49));
        QCOMPARE(f.sim.lastOpenArgument(), sixty.left(49));
        QCOMPARE(f.dialogs.messages,
                 QStringList{"Open_USB_Device_By_Serial_Number - Device not found..."});
    }

    void emptySerialIsRejectedByTheLibrary() {
        DeviceFixture f;
        QVERIFY(f.unit.Open_USB_Device_By_Serial_Number(QByteArray()) != ft::Ok);
        QCOMPARE(QByteArray(f.unit.OpenBuffer()), QByteArray());
    }

    void callsAfterCloseUseTheOldHandle() {
        DeviceFixture f;
        f.open();
        QVERIFY(f.sim.isOpen());
        const FT_HANDLE h = f.unit.Handle();
        QCOMPARE(f.unit.CloseDevice(), FT_STATUS(ft::Ok));
        QCOMPARE(f.unit.Handle(), h);
        QCOMPARE(f.unit.QueryRxQueue(), FT_STATUS(ft::InvalidHandle));
        QCOMPARE(f.dialogs.messages, QStringList{"FT_GetQueueStatus - Invalid handle..."});
    }

    void settingsReachTheBridge() {
        DeviceFixture f;
        f.open();
        QCOMPARE(f.sim.baudRate(), ULONG(115200));
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void readQueuedReturnsZeroWhenNothingWaits() {
        DeviceFixture f;
        f.open();
        f.unit.InBuffer()[0] = 0x55;
        QCOMPARE(f.unit.ReadQueued(), DWORD(0));
        QCOMPARE(f.unit.InBuffer()[0], std::uint8_t(0x55));
    }

    void readsPlaceBytesAtTheGivenOffset_data() {
        QTest::addColumn<int>("secondOffset");
        QTest::addColumn<QByteArray>("expected");
        // A plain read starts at 0 and leaves the first read's tail behind it.
        QTest::newRow("overwrite") << 0 << QByteArray("FGHDE");
        QTest::newRow("append") << 5 << QByteArray("ABCDEFGH");
    }
    void readsPlaceBytesAtTheGivenOffset() {
        QFETCH(int, secondOffset);
        QFETCH(QByteArray, expected);
        DeviceFixture f;
        f.open();
        f.pedal().setGarbage("ABCDEFGH");
        f.pedal().setPieces(5, 300);
        f.unit.OutBuffer()[0] = 0x02;
        f.unit.OutBuffer()[1] = 0x00;
        f.unit.WriteOut(2);
        QCOMPARE(f.unit.ReadQueued(), DWORD(5));
        QTest::qSleep(400);
        QCOMPARE(f.unit.ReadQueued(secondOffset), DWORD(3));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(f.unit.InBuffer()), int(expected.size())),
                 expected);
    }

    void unpluggedBridgeFailsTheQueueQuery() {
        DeviceFixture f;
        f.open();
        f.sim.unplugAtCall(1);
        QCOMPARE(f.unit.QueryRxQueue(), FT_STATUS(ft::IoError));
        QVERIFY(f.dialogs.messages.value(0).startsWith("FT_GetQueueStatus"));
        QCOMPARE(f.unit.ReadQueued(), DWORD(0));
        QCOMPARE(f.unit.LastReadStatus(), FT_STATUS(ft::IoError));
        QCOMPARE(f.dialogs.messages.value(1), QStringLiteral("FT_Read - General IO error..."));
    }

    void writeSendsTheBufferStart() {
        DeviceFixture f;
        f.open();
        std::uint8_t* out = f.unit.OutBuffer();
        out[0] = 0x09;
        out[1] = 0x02;
        out[2] = 0xFE;
        QCOMPARE(f.unit.WriteOut(3), DWORD(3));
        QCOMPARE(f.pedal().writes(), QList<QByteArray>{QByteArray::fromHex("0902fe")});
    }
};

QTEST_GUILESS_MAIN(TestD2xxUnit)
#include "test_d2xx_unit.moc"
