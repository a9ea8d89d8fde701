// The libftdi back end down to the USB transfers: libftdi runs for real, and
// the stand-in libusb below it plays an FT230X with a simulated pedal.
#include "LogRecorder.h"
#include "RecordingPacer.h"
#include "ScriptedDialogs.h"
#include "StandInLoaded.h"
#include "UsbStandIn.h"
#include "app/DiagnosticLog.h"
#include "device/Communication.h"
#include "device/D2XXUnit.h"
#include "device/FtdiD2xx.h"

#include <QElapsedTimer>
#include <QTest>

using Requests = std::vector<UsbControlRequest>;
Q_DECLARE_METATYPE(Requests)

namespace {

UsbStandIn& bus() {
    return UsbStandIn::bus();
}
libusb_device& chip() {
    return bus().device();
}

// The requests the chip takes from the host: vendor requests to the device.
constexpr std::uint8_t ToDevice = 0x40;
constexpr std::uint8_t Reset = 0x00;
constexpr std::uint8_t SetBaudRate = 0x03;
constexpr std::uint8_t SetData = 0x04;
constexpr std::uint8_t SetLatency = 0x09;
// The port's number, 1 for a chip with one port.
constexpr std::uint16_t Port = 1;

// The FT230X divides 3,000,000 baud by an integer plus a fraction in eighths:
// the integer in bits 0-13 of the value, the fraction's code (0, 1/2, 1/4,
// 1/8, 3/8, 5/8, 3/4, 7/8 as 0..7) in bits 14-15 and, for its third bit, in
// bit 0 of the index. 9,600: 312 1/2 (code 1); 115,200: 26.04, so 26.
const UsbControlRequest OpenReset{ToDevice, Reset, 0x0000, Port};
const UsbControlRequest OpenBaud9600{ToDevice, SetBaudRate, 0x4138, 0x0000};
const UsbControlRequest Latency2Ms{ToDevice, SetLatency, 0x0002, Port};
const UsbControlRequest Baud115200{ToDevice, SetBaudRate, 0x001A, 0x0000};
// 8 data bits, no parity (bits 8-10), one stop bit (bits 11-12).
const UsbControlRequest Line8N1{ToDevice, SetData, 0x0008, Port};
// Reset with value 2 empties the chip's buffer towards the host, 1 the one
// towards the serial line.
const UsbControlRequest PurgeTowardsHost{ToDevice, Reset, 0x0002, Port};
const UsbControlRequest PurgeTowardsLine{ToDevice, Reset, 0x0001, Port};

// The device link over libftdi, with the pauses scaled to nothing.
struct Link {
    FtdiD2xx api;
    ScriptedDialogs dialogs;
    DiagnosticLog log;
    LogRecorder recorder{log};
    RecordingPacer pacer;
    D2XXUnit unit{api, dialogs};
    Communication comm{unit, log, pacer};

    // Opens the pedal's port and forgets the requests that took; null when
    // it does not open.
    FT_HANDLE openPort() {
        FT_HANDLE h = nullptr;
        char serial[] = "TZ7A0001";
        api.FT_OpenEx(serial, ft::OpenBySerialNumber, &h);
        chip().controlRequests.clear();
        return h;
    }

    // Opens the pedal as Connect does.
    FT_STATUS open() {
        const FT_STATUS status = unit.Open_USB_Device_By_Serial_Number("TZ7A0001");
        unit.Settings() = {115200, 8, 0, 0};
        unit.ApplyBaudRate();
        unit.ApplyDataCharacteristics();
        return status;
    }
};

std::vector<std::uint8_t> bytesOf(const QByteArray& a) {
    return {a.begin(), a.end()};
}

} // namespace

class TestFtdiUsb : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { checkStandInLoaded(); }

    void init() { bus().reset(); }

    // Every test leaves nothing open behind it.
    void cleanup() {
        QCOMPARE(bus().liveHandles, 0);
        QCOMPARE(bus().liveContexts, 0);
        QCOMPARE(chip().references, 0);
        QVERIFY(!chip().claimed);
    }

    void listing_data() {
        QTest::addColumn<int>("productId");
        QTest::addColumn<DWORD>("count");
        QTest::addColumn<QByteArray>("lastSerial");
        QTest::addColumn<QByteArray>("lastDescription");
        QTest::newRow("the pedal alone")
            << 0 << DWORD(1) << QByteArray("TZ7A0001") << QByteArray("FT230X Basic UART");
        QTest::newRow("and another FT230X")
            << 0x6015 << DWORD(2) << QByteArray("TZ7A0002") << QByteArray("Second bridge");
        QTest::newRow("and an FT232R, not listed")
            << 0x6001 << DWORD(1) << QByteArray("TZ7A0001") << QByteArray("FT230X Basic UART");
    }
    void listing() {
        QFETCH(int, productId);
        QFETCH(DWORD, count);
        QFETCH(QByteArray, lastSerial);
        QFETCH(QByteArray, lastDescription);
        if (productId != 0) {
            bus().addDevice(std::uint16_t(productId), "TZ7A0002", "Second bridge");
        }
        Link l;
        QCOMPARE(l.unit.GetFTDeviceCount(), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.DeviceCount(), count);
        QCOMPARE(l.unit.GetFTDeviceSerialNo(count - 1), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.FT_Device_String(), lastSerial);
        QCOMPARE(l.unit.GetFTDeviceDescription(count - 1), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.FT_Device_String(), lastDescription);
        QCOMPARE(l.unit.GetFTDeviceSerialNo(count), FT_STATUS(ft::DeviceNotFound));
        QCOMPARE(l.dialogs.messages, QStringList{"GetFTDeviceSerialNo - Device not found..."});
        QCOMPARE(l.unit.LastOpenFailure(), OpenFailure::Unknown);
        QVERIFY(chip().controlRequests.empty());
    }

    void listingArguments() {
        Link l;
        chip().stringsUnreadable = true;
        std::array<char, ft::ListingBufferSize> buffer{};
        QCOMPARE(l.api.FT_ListDevices(nullptr, buffer.data(), ft::OpenBySerialNumber),
                 FT_STATUS(ft::InvalidParameter));
        QCOMPARE(l.api.FT_ListDevices(nullptr, nullptr, ft::ListByIndex | ft::OpenBySerialNumber),
                 FT_STATUS(ft::InvalidParameter));
        // A device whose strings cannot be read is not taken for one that
        // refuses access.
        QCOMPARE(
            l.api.FT_ListDevices(nullptr, buffer.data(), ft::ListByIndex | ft::OpenBySerialNumber),
            FT_STATUS(ft::DeviceNotOpened));
        QCOMPARE(l.api.lastOpenFailure(), OpenFailure::Unknown);
        FT_HANDLE h = nullptr;
        char serial[] = "TZ7A0001";
        QCOMPARE(l.api.FT_OpenEx(serial, ft::OpenBySerialNumber, &h),
                 FT_STATUS(ft::DeviceNotFound));
        QCOMPARE(l.api.lastOpenFailure(), OpenFailure::Unknown);
    }

    // Open takes the interface from the kernel's serial driver, resets the
    // chip and sets its latency timer; Connect then sets 115,200 baud 8N1.
    void connectSetsTheLine() {
        Link l;
        QCOMPARE(l.open(), FT_STATUS(ft::Ok));
        QCOMPARE(chip().controlRequests,
                 (Requests{OpenReset, OpenBaud9600, Latency2Ms, Baud115200, Line8N1}));
        QCOMPARE(chip().interfaceEvents, (std::vector<std::string>{"detach", "claim"}));
        QVERIFY(!chip().kernelDriverAttached);
        QVERIFY(l.dialogs.messages.isEmpty());
        // Disconnect gives the interface back to the kernel's driver.
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::Ok));
        QCOMPARE(chip().interfaceEvents,
                 (std::vector<std::string>{"detach", "claim", "release", "attach"}));
        QVERIFY(chip().kernelDriverAttached);
        QCOMPARE(l.unit.QueryRxQueue(), FT_STATUS(ft::InvalidHandle));
    }

    // An editor closed while connected lets the port go and gives the
    // interface back to the kernel's driver.
    void closingWhileOpenGivesThePortBack() {
        {
            Link l;
            QCOMPARE(l.open(), FT_STATUS(ft::Ok));
            QVERIFY(!chip().kernelDriverAttached);
        }
        QVERIFY(chip().kernelDriverAttached);
        QCOMPARE(bus().liveHandles, 0);
        QCOMPARE(bus().liveContexts, 0);
    }

    // One look at the queue takes at most 64 KiB from the chip, the size of
    // InBuffer; the rest waits for the next look.
    void queueLookTakesAtMost64KiB() {
        Link l;
        l.open();
        l.comm.SendHexMessage(QStringLiteral("0C5000003FFF"), false);
        QCOMPARE(chip().pedal.available(), 16384 * 5);
        QCOMPARE(l.unit.QueryRxQueue(), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.RxQueueCount(), DWORD(65536));
        QCOMPARE(l.unit.QueryRxQueue(), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.RxQueueCount(), DWORD(16384 * 5));
        // With nothing waiting, a look is one transfer: the chip's status bytes.
        l.unit.PurgeReceive();
        chip().bulkTimeouts.clear();
        QCOMPARE(l.unit.QueryRxQueue(), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.RxQueueCount(), DWORD(0));
        QCOMPARE(chip().bulkTimeouts.size(), size_t(1));
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::Ok));
    }

    void baudDivisor_data() {
        QTest::addColumn<ULONG>("baud");
        QTest::addColumn<int>("status");
        QTest::addColumn<Requests>("requests");
        QTest::newRow("115200") << ULONG(115200) << int(ft::Ok) << Requests{Baud115200};
        // 52.08: 52 1/8, code 3, both low bits set.
        QTest::newRow("57600") << ULONG(57600) << int(ft::Ok)
                               << Requests{{ToDevice, SetBaudRate, 0xC034, 0x0000}};
        // 3,000,000 / 150,000 = 20 exactly.
        QTest::newRow("150000") << ULONG(150000) << int(ft::Ok)
                                << Requests{{ToDevice, SetBaudRate, 0x0014, 0x0000}};
        QTest::newRow("zero") << ULONG(0) << int(ft::InvalidBaudRate) << Requests{};
    }
    void baudDivisor() {
        QFETCH(ULONG, baud);
        QFETCH(int, status);
        QFETCH(Requests, requests);
        Link l;
        FT_HANDLE h = l.openPort();
        QVERIFY(h);
        QCOMPARE(l.api.FT_SetBaudRate(h, baud), FT_STATUS(status));
        QCOMPARE(chip().controlRequests, requests);
        QCOMPARE(l.api.FT_Close(h), FT_STATUS(ft::Ok));
    }

    void lineProperties_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("stop");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("status");
        QTest::addColumn<Requests>("requests");
        QTest::newRow("8N1") << 8 << 0 << 0 << int(ft::Ok) << Requests{Line8N1};
        QTest::newRow("7E2") << 7 << 2 << 2 << int(ft::Ok)
                             << Requests{{ToDevice, SetData, 0x1207, Port}};
        QTest::newRow("8O1") << 8 << 0 << 1 << int(ft::Ok)
                             << Requests{{ToDevice, SetData, 0x0108, Port}};
        QTest::newRow("8S1") << 8 << 0 << 4 << int(ft::Ok)
                             << Requests{{ToDevice, SetData, 0x0408, Port}};
        QTest::newRow("6 bits") << 6 << 0 << 0 << int(ft::InvalidParameter) << Requests{};
        QTest::newRow("9 bits") << 9 << 0 << 0 << int(ft::InvalidParameter) << Requests{};
        QTest::newRow("1.5 stop bits") << 8 << 1 << 0 << int(ft::InvalidParameter) << Requests{};
        QTest::newRow("3 stop bits") << 8 << 3 << 0 << int(ft::InvalidParameter) << Requests{};
        QTest::newRow("parity 5") << 8 << 0 << 5 << int(ft::InvalidParameter) << Requests{};
    }
    void lineProperties() {
        QFETCH(int, bits);
        QFETCH(int, stop);
        QFETCH(int, parity);
        QFETCH(int, status);
        QFETCH(Requests, requests);
        Link l;
        FT_HANDLE h = l.openPort();
        QVERIFY(h);
        QCOMPARE(l.api.FT_SetDataCharacteristics(h, UCHAR(bits), UCHAR(stop), UCHAR(parity)),
                 FT_STATUS(status));
        QCOMPARE(chip().controlRequests, requests);
        QCOMPARE(l.api.FT_Close(h), FT_STATUS(ft::Ok));
    }

    // The 82 values come in 64-byte packets, each led by the chip's two status
    // bytes; only the pedal's bytes are decoded, however the packets fall. An
    // answer in pieces has packets of status bytes alone between them.
    void requestAnswerInPackets_data() {
        QTest::addColumn<int>("pieceSize");
        QTest::addColumn<int>("statusOnlyAt");
        QTest::newRow("at once") << 0 << 0;
        QTest::newRow("in pieces") << 50 << 0;
        QTest::newRow("a packet of status bytes first, though the answer waits") << 0 << 1;
    }
    void requestAnswerInPackets() {
        QFETCH(int, pieceSize);
        QFETCH(int, statusOnlyAt);
        Link l;
        l.open();
        SimulatedPedal& pedal = chip().pedal;
        pedal.setPieces(pieceSize, 5);
        if (statusOnlyAt > 0) {
            bus().failInTransfer(statusOnlyAt, UsbFault::StatusOnly);
        }
        const QByteArray values = pedal.firmware().deviceInfoValues();
        QVERIFY(PedalFirmware::encodeValues(values).size() > 2 * (UsbStandIn::PacketSize - 2));
        l.comm.SendHexMessage(QStringLiteral("0200"), true);
        const ValueAnswer answer = l.comm.ReadDeviceValues(ReadPacing::TenMsSteps, 82);
        QCOMPARE(answer.outcome, WaitOutcome::Answered);
        QCOMPARE(answer.values, 82);
        QCOMPARE(l.comm.received_bytes_array, bytesOf(values));
        QCOMPARE(pedal.receivedBytes(), QByteArray::fromHex("0200"));
        QVERIFY(l.dialogs.messages.isEmpty());
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::Ok));
    }

    // An EEPROM listing of 3,000 values: 15,000 bytes, 242 packets, several
    // bulk transfers.
    void longAnswerSpansManyPackets() {
        Link l;
        l.open();
        QByteArray& eeprom = chip().pedal.settings().eeprom;
        for (int i = 0; i < 3000; ++i) {
            eeprom[i] = char((i * 7) & 0xFF);
        }
        l.comm.SendHexMessage(QStringLiteral("0C5000000BB7"), true);
        const ValueAnswer answer = l.comm.ReadDeviceValues(ReadPacing::TenMsSteps, 3000);
        QCOMPARE(answer.values, 3000);
        QCOMPARE(l.comm.received_bytes_array, bytesOf(eeprom.left(3000)));
        QVERIFY(l.dialogs.messages.isEmpty());
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::Ok));
    }

    // The algorithm image goes out whole, in transfers of at most 4096 bytes,
    // and the pedal's answer comes back.
    void uploadGoesOutWhole() {
        Link l;
        l.open();
        QByteArray image(4640, '\0');
        image[1] = 0x12;
        image[2] = 0x20;
        for (int i = 3; i < image.size(); ++i) {
            image[i] = char(i % 251);
        }
        l.comm.SendHexMessage(QStringLiteral("0D00"), false);
        l.comm.SendHexMessage(QString::fromLatin1(image.toHex()), false);
        QCOMPARE(l.comm.waitForAnswer(), WaitOutcome::Answered);
        int total = 0;
        QVERIFY(l.comm.readAnswer(total, ReadPacing::TenMsSteps));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(l.unit.InBuffer()), total),
                 QByteArray("ALGORITHM OK"));
        SimulatedPedal& pedal = chip().pedal;
        QCOMPARE(pedal.receivedBytes(), QByteArray::fromHex("0D00") + image);
        QCOMPARE(pedal.settings().algorithmImage, image);
        QVERIFY(l.dialogs.messages.isEmpty());
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::Ok));
    }

    void liveChangeIsOneWrite() {
        Link l;
        l.open();
        l.comm.SendHexMessage(QStringLiteral("0100E7006A8000"), false);
        QCOMPARE(chip().pedal.writes(), QList<QByteArray>{QByteArray::fromHex("0100E7006A8000")});
        QCOMPARE(chip().pedal.settings().dspWords[0x00E7], 0x6A8000u);
        // Writing nothing is no error.
        QCOMPARE(l.unit.WriteOut(0), DWORD(0));
        QVERIFY(l.dialogs.messages.isEmpty());
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::Ok));
    }

    // Purging the receive side drops the answer waiting in the chip and the
    // one already fetched into the port's own queue.
    void purges() {
        Link l;
        l.open();
        chip().controlRequests.clear();
        l.comm.SendHexMessage(QStringLiteral("0200"), false);
        QCOMPARE(l.comm.waitForAnswer(), WaitOutcome::Answered);
        QVERIFY(l.unit.RxQueueCount() > 0);
        l.comm.SendHexMessage(QStringLiteral("0200"), false);
        QCOMPARE(l.unit.PurgeReceive(), FT_STATUS(ft::Ok));
        QCOMPARE(chip().pedal.available(), 0);
        QCOMPARE(l.unit.QueryRxQueue(), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.RxQueueCount(), DWORD(0));
        QCOMPARE(l.unit.PurgeTransmit(), FT_STATUS(ft::Ok));
        QCOMPARE(chip().controlRequests, (Requests{PurgeTowardsHost, PurgeTowardsLine}));
        FT_HANDLE h = l.unit.Handle();
        chip().controlRequests.clear();
        QCOMPARE(l.api.FT_Purge(h, ft::PurgeRx | ft::PurgeTx), FT_STATUS(ft::Ok));
        QCOMPARE(chip().controlRequests, (Requests{PurgeTowardsHost, PurgeTowardsLine}));
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::Ok));
    }

    // The pedal is pulled out after the first part of its answer has been
    // read: the read fails as with the simulated back end, and nothing waits.
    void deviceVanishesMidRead() {
        Link l;
        l.open();
        chip().pedal.setPieces(40, 5);
        l.comm.SendHexMessage(QStringLiteral("0200"), true);
        QCOMPARE(l.comm.waitForAnswer(), WaitOutcome::Answered);
        int total = 0;
        int reads = 0;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!l.comm.readAnswer(total, ReadPacing::TenMsSteps, [&](int) {
            ++reads;
            chip().pedal.setPlugged(false);
        }));
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(reads, 1);
        QVERIFY(total > 0);
        QCOMPARE(l.unit.LastReadStatus(), FT_STATUS(ft::IoError));
        QCOMPARE(l.dialogs.messages, QStringList{"FT_Read - General IO error..."});
        QCOMPARE(l.unit.QueryRxQueue(), FT_STATUS(ft::IoError));
        QCOMPARE(l.unit.WriteOut(2), DWORD(0));
        QCOMPARE(l.unit.ApplyBaudRate(), FT_STATUS(ft::IoError));
        QCOMPARE(l.unit.ApplyDataCharacteristics(), FT_STATUS(ft::IoError));
        QCOMPARE(l.unit.PurgeReceive(), FT_STATUS(ft::IoError));
        QCOMPARE(l.unit.PurgeTransmit(), FT_STATUS(ft::IoError));
        // The port is let go even so; the kernel's driver is not back, as
        // there is no device left to bind.
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::IoError));
        QCOMPARE(
            l.dialogs.messages.mid(1),
            (QStringList{"FT_GetQueueStatus - General IO error...",
                         "FT_Write - General IO error...", "FT_SetBaudRate - General IO error...",
                         "FT_SetDataCharacteristics - General IO error...",
                         "FT_Purge RX - General IO error...", "FT_Purge TX - General IO error...",
                         "FT_Close - General IO error..."}));
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::InvalidHandle));
        QCOMPARE(l.unit.GetFTDeviceCount(), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.DeviceCount(), DWORD(0));
    }

    // A transfer that never completes costs its time limit and is reported
    // by the call that made it.
    void transferTimesOut_data() {
        QTest::addColumn<bool>("in");
        QTest::addColumn<QString>("box");
        QTest::addColumn<unsigned>("limitMs");
        QTest::newRow("reading") << true << "FT_GetQueueStatus - General IO error..." << 20u;
        QTest::newRow("writing") << false << "FT_Write - General IO error..." << 1000u;
    }
    void transferTimesOut() {
        QFETCH(bool, in);
        QFETCH(QString, box);
        QFETCH(unsigned, limitMs);
        Link l;
        l.open();
        chip().bulkTimeouts.clear();
        QElapsedTimer clock;
        clock.start();
        if (in) {
            bus().failInTransfer(1, UsbFault::Timeout);
            QCOMPARE(l.unit.QueryRxQueue(), FT_STATUS(ft::IoError));
        } else {
            bus().failOutTransfer(1, UsbFault::Timeout);
            QCOMPARE(l.unit.WriteOut(2), DWORD(0));
        }
        QVERIFY(clock.elapsed() >= limitMs);
        QVERIFY(clock.elapsed() < limitMs + 1000);
        QCOMPARE(chip().bulkTimeouts.front(), limitMs);
        QCOMPARE(l.dialogs.messages, QStringList{box});
        // The next transfer goes through.
        l.comm.SendHexMessage(QStringLiteral("0200"), false);
        QCOMPARE(l.comm.ReadDeviceValues(ReadPacing::TenMsSteps, 82).values, 82);
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::Ok));
    }

    // Listing and opening say when the system refused access, apart from a
    // device that is not there.
    void accessRefused() {
        chip().accessRefused = true;
        Link l;
        QCOMPARE(l.unit.GetFTDeviceCount(), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.DeviceCount(), DWORD(1));
        QCOMPARE(l.unit.GetFTDeviceSerialNo(0), FT_STATUS(ft::DeviceNotOpened));
        QCOMPARE(l.unit.LastOpenFailure(), OpenFailure::AccessRefused);
        QCOMPARE(l.unit.GetFTDeviceDescription(0), FT_STATUS(ft::DeviceNotOpened));
        QCOMPARE(l.unit.LastOpenFailure(), OpenFailure::AccessRefused);
        QCOMPARE(l.unit.GetFTDeviceCount(), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.LastOpenFailure(), OpenFailure::Unknown);
        QCOMPARE(l.unit.Open_USB_Device_By_Serial_Number("TZ7A0001"),
                 FT_STATUS(ft::DeviceNotOpened));
        QCOMPARE(l.unit.LastOpenFailure(), OpenFailure::AccessRefused);
        // Not even the serial number could be read, so an empty one may be
        // the pedal's too.
        QCOMPARE(l.unit.Open_USB_Device_By_Serial_Number(""), FT_STATUS(ft::DeviceNotOpened));
        QCOMPARE(l.unit.LastOpenFailure(), OpenFailure::AccessRefused);
        QCOMPARE(l.dialogs.messages,
                 (QStringList{"GetFTDeviceSerialNo - Device not opened...",
                              "GetFTDeviceDescription - Device not opened...",
                              "Open_USB_Device_By_Serial_Number - Device not opened...",
                              "Open_USB_Device_By_Serial_Number - Device not opened..."}));
        QVERIFY(chip().controlRequests.empty());
        // Granted: the same calls open the pedal, and the reason is cleared.
        chip().accessRefused = false;
        QCOMPARE(l.open(), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.LastOpenFailure(), OpenFailure::Unknown);
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::Ok));
    }

    // Where libusb cannot start, listing and opening fail as input/output
    // errors.
    void noUsbAtAll() {
        bus().usbUnavailable = true;
        Link l;
        QCOMPARE(l.unit.GetFTDeviceCount(), FT_STATUS(ft::IoError));
        QCOMPARE(l.unit.GetFTDeviceSerialNo(0), FT_STATUS(ft::IoError));
        QCOMPARE(l.unit.Open_USB_Device_By_Serial_Number("TZ7A0001"), FT_STATUS(ft::IoError));
        QCOMPARE(l.dialogs.messages,
                 (QStringList{"GetFTDeviceCount - General IO error...",
                              "GetFTDeviceSerialNo - General IO error...",
                              "Open_USB_Device_By_Serial_Number - General IO error..."}));
    }

    void openFailures_data() {
        QTest::addColumn<QByteArray>("serial");
        QTest::addColumn<bool>("deviceWithoutSerial");
        QTest::addColumn<bool>("alreadyOpen");
        QTest::addColumn<int>("status");
        QTest::newRow("empty serial") << QByteArray() << false << false << int(ft::DeviceNotFound);
        QTest::newRow("empty serial, a device without one")
            << QByteArray() << true << false << int(ft::DeviceNotFound);
        QTest::newRow("unknown serial")
            << QByteArray("TZ7A9999") << false << false << int(ft::DeviceNotFound);
        QTest::newRow("a prefix of the serial")
            << QByteArray("TZ7A000") << false << false << int(ft::DeviceNotFound);
        QTest::newRow("held by another port")
            << QByteArray("TZ7A0001") << false << true << int(ft::DeviceNotOpened);
    }
    void openFailures() {
        QFETCH(QByteArray, serial);
        QFETCH(bool, deviceWithoutSerial);
        QFETCH(bool, alreadyOpen);
        QFETCH(int, status);
        if (deviceWithoutSerial) {
            bus().addDevice(0x6015, "", "FT230X Basic UART");
        }
        Link l;
        FT_HANDLE first = alreadyOpen ? l.openPort() : nullptr;
        QCOMPARE(first != nullptr, alreadyOpen);
        FT_HANDLE h = nullptr;
        QCOMPARE(l.api.FT_OpenEx(serial.data(), ft::OpenBySerialNumber, &h), FT_STATUS(status));
        QCOMPARE(h, nullptr);
        QCOMPARE(l.api.lastOpenFailure(), OpenFailure::Unknown);
        char description[] = "FT230X Basic UART";
        QCOMPARE(l.api.FT_OpenEx(description, ft::OpenByDescription, &h),
                 FT_STATUS(ft::InvalidParameter));
        if (alreadyOpen) {
            QCOMPARE(l.api.FT_Close(first), FT_STATUS(ft::Ok));
        }
    }

    // A second FT230X that refuses access does not hide the pedal behind it.
    void refusingDeviceDoesNotHideThePedal() {
        libusb_device& other = chip();
        other.serial = "OTHER001";
        other.accessRefused = true;
        bus().addDevice(0x6015, "TZ7A0001", "FT230X Basic UART");
        Link l;
        QCOMPARE(l.open(), FT_STATUS(ft::Ok));
        QCOMPARE(l.unit.LastOpenFailure(), OpenFailure::Unknown);
        QCOMPARE(bus().device(1).interfaceEvents, (std::vector<std::string>{"detach", "claim"}));
        QVERIFY(other.interfaceEvents.empty());
        QCOMPARE(l.unit.CloseDevice(), FT_STATUS(ft::Ok));
    }
};

QTEST_GUILESS_MAIN(TestFtdiUsb)
#include "test_ftdi_usb.moc"
