#include "LocalWebServer.h"
#include "update/WebClient.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTest>
#include <optional>

// The client against a real server on 127.0.0.1: what an answer gives, and
// every way a request can fail.
class TestWebClient : public QObject {
    Q_OBJECT

    static constexpr int LimitMs = 1000;

    // Runs one GET to its end.
    static WebAnswer fetch(WebClient& client, const QString& url, qint64 largest = 4096,
                           QIODevice* sink = nullptr) {
        std::optional<WebAnswer> got;
        int calls = 0;
        client.get(url, largest, sink, [&](const WebAnswer& a) {
            got = a;
            ++calls;
        });
        if (!QTest::qWaitFor([&] { return got.has_value(); }, 10000)) {
            WebAnswer none;
            none.error = QStringLiteral("(the test saw no end)");
            return none;
        }
        QTest::qWait(20);
        if (calls != 1) {
            got->error = QStringLiteral("(done ran %1 times)").arg(calls);
        }
        return *got;
    }

private slots:
    void answers_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("reason");
        QTest::addColumn<QString>("shownReason");
        QTest::newRow("200") << 200 << QByteArray("OK") << "OK";
        QTest::newRow("404") << 404 << QByteArray("Not Found") << "Not Found";
        QTest::newRow("500") << 500 << QByteArray("Internal Server Error")
                             << "Internal Server Error";
        QTest::newRow("503 without a reason") << 503 << QByteArray() << "503";
        QTest::newRow("301 not followed")
            << 301 << QByteArray("Moved Permanently") << "Moved Permanently";
    }
    void answers() {
        QFETCH(int, status);
        QFETCH(QByteArray, reason);
        QFETCH(QString, shownReason);
        LocalWebServer server;
        server.route("/v", {status, reason, "1.8", "text/plain"});
        WebClient client(LimitMs);
        const WebAnswer a = fetch(client, server.base() + "/v");
        QVERIFY2(a.answered, qPrintable(a.error));
        QCOMPARE(a.status, status);
        QCOMPARE(a.reasonText(), shownReason);
        // Only a good answer's body is kept.
        QCOMPARE(a.body, status == 200 ? QByteArray("1.8") : QByteArray());
        QCOMPARE(server.requests, QStringList{"GET /v HTTP/1.1"});
    }

    void bodyText_data() {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("no character set: UTF-8")
            << QByteArray("text/plain") << QByteArray("1.8 \xC3\xA9") << QString("1.8 \u00E9");
        QTest::newRow("Latin-1 named") << QByteArray("text/plain; charset=ISO-8859-1")
                                       << QByteArray("1.8 \xE9") << QString("1.8 \u00E9");
        QTest::newRow("quoted, upper case") << QByteArray("text/plain; CHARSET=\"utf-16le\"")
                                            << QByteArray("1\0.\0"
                                                          "8\0",
                                                          6)
                                            << QString("1.8");
        QTest::newRow("unknown set: UTF-8") << QByteArray("text/plain; charset=no-such-set")
                                            << QByteArray("1.8 \xC3\xA9") << QString("1.8 \u00E9");
    }
    void bodyText() {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        LocalWebServer server;
        server.route("/v", {200, "OK", body, contentType});
        WebClient client(LimitMs);
        QCOMPARE(fetch(client, server.base() + "/v").text(), text);
    }

    void refusedConnection() {
        quint16 port;
        {
            LocalWebServer closed;
            port = closed.serverPort();
        }
        WebClient client(LimitMs);
        const WebAnswer a = fetch(client, QStringLiteral("http://127.0.0.1:%1/v").arg(port));
        QVERIFY(!a.answered);
        QCOMPARE(a.error, QStringLiteral("Connection refused"));
    }

    void silentServerHitsTheTimeLimit() {
        LocalWebServer server;
        server.silence("/v");
        WebClient client(LimitMs);
        QElapsedTimer clock;
        clock.start();
        const WebAnswer a = fetch(client, server.base() + "/v");
        QVERIFY(!a.answered);
        QCOMPARE(a.error, QStringLiteral("The server did not answer within 1 s"));
        QVERIFY(clock.elapsed() >= LimitMs - 50);
        QVERIFY(clock.elapsed() < 5000);
    }

    void theDefaultLimitIsAMinute() { QCOMPARE(WebClient::TimeLimitMs, 60000); }

    void hugeBodyIsRefused() {
        LocalWebServer server;
        server.answer("/v", QByteArray(4 * 1024 * 1024, 'x'));
        WebClient client(LimitMs);
        const WebAnswer a = fetch(client, server.base() + "/v", 4096);
        QVERIFY(!a.answered);
        QCOMPARE(a.error, QStringLiteral("The server's answer is larger than 4096 bytes"));
        QVERIFY(a.body.isEmpty());
    }

    void bodyOfTheLargestSizeIsTaken() {
        LocalWebServer server;
        server.answer("/v", QByteArray(4096, 'x'));
        WebClient client(LimitMs);
        QCOMPARE(fetch(client, server.base() + "/v", 4096).body.size(), 4096);
    }

    void cutOffBodyIsNoAnswer() {
        LocalWebServer server;
        LocalWebServer::Route cut;
        cut.body = QByteArray(200000, 'u');
        cut.behaviour = LocalWebServer::Behaviour::CutOff;
        server.route("/u", cut);
        QBuffer sink;
        sink.open(QIODevice::WriteOnly);
        WebClient client(LimitMs);
        const WebAnswer a = fetch(client, server.base() + "/u", 1 << 20, &sink);
        QVERIFY(!a.answered);
        QVERIFY(!a.error.isEmpty());
        QVERIFY(!a.error.startsWith('('));
    }

    void bodyGoesToTheDevice() {
        LocalWebServer server;
        const QByteArray program = QByteArray(300000, 'p') + "end";
        server.answer("/u", program);
        server.route("/missing", {404, "Not Found", "<html>gone</html>", "text/html"});
        WebClient client(LimitMs);
        QBuffer sink;
        sink.open(QIODevice::WriteOnly);
        const WebAnswer a = fetch(client, server.base() + "/u", 1 << 20, &sink);
        QVERIFY(a.answered);
        QCOMPARE(sink.data(), program);
        QVERIFY(a.body.isEmpty());
        // An error page never reaches the device.
        QBuffer untouched;
        untouched.open(QIODevice::WriteOnly);
        QCOMPARE(fetch(client, server.base() + "/missing", 1 << 20, &untouched).status, 404);
        QVERIFY(untouched.data().isEmpty());
    }

    void deviceThatCannotTakeTheBody() {
        LocalWebServer server;
        server.answer("/u", "program");
        QBuffer closed; // never opened: every write fails
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): device not open");
        WebClient client(LimitMs);
        const WebAnswer a = fetch(client, server.base() + "/u", 1 << 20, &closed);
        QVERIFY(!a.answered);
        QVERIFY(!a.error.isEmpty());
        QVERIFY(!a.error.startsWith('('));
    }

    void tlsWithTheTrustedAuthority() {
        LocalWebServer server;
        server.useTls(TEST_CERTIFICATES);
        server.answer("/v", "1.8");
        WebClient client(LimitMs);
        client.trust(LocalWebServer::authority(TEST_CERTIFICATES));
        const WebAnswer a = fetch(client, server.base() + "/v");
        QVERIFY2(a.answered, qPrintable(a.error));
        QCOMPARE(a.text(), QStringLiteral("1.8"));
    }

    void tlsCertificateIsVerified() {
        // The same server, but its authority is not one the client trusts.
        LocalWebServer server;
        server.useTls(TEST_CERTIFICATES);
        server.answer("/v", "1.8");
        WebClient client(LimitMs);
        const WebAnswer a = fetch(client, server.base() + "/v");
        QVERIFY(!a.answered);
        QVERIFY2(a.error.startsWith("SSL handshake failed"), qPrintable(a.error));
        QVERIFY(server.requests.isEmpty());
    }

    void endingTheClientEndsItsRequestsQuietly() {
        LocalWebServer server;
        server.silence("/v");
        bool called = false;
        {
            WebClient client(LimitMs);
            client.get(server.base() + "/v", 4096, nullptr,
                       [&](const WebAnswer&) { called = true; });
            QTRY_COMPARE(server.requests.size(), 1);
        }
        QTest::qWait(50);
        QVERIFY(!called);
    }
};

QTEST_GUILESS_MAIN(TestWebClient)
#include "test_web_client.moc"
