#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>
#include <functional>

class QIODevice;

// What came back from a GET.
struct WebAnswer {
    // The server answered; `status` and `reason` are its own.
    bool answered = false;
    int status = 0;
    QString reason;
    QString contentType;
    // The body of a 200 answer, unless it went to a device.
    QByteArray body;
    // Why there is no answer: the connection or TLS failed, the time limit
    // passed, the body was too large or could not be stored.
    QString error;

    // The body as text, in the character set the Content-Type names, or
    // UTF-8 when it names none.
    QString text() const;
    // The reason phrase, or the status number when the server gave none.
    QString reasonText() const;
};

// GET requests to the maker's server, run while the window goes on working.
// Certificates are always verified.
class WebClient : public QObject {
    Q_OBJECT
public:
    // How long the server may stay silent, while connecting or sending.
    static constexpr int TimeLimitMs = 60000;

    explicit WebClient(int timeLimitMs = TimeLimitMs);
    ~WebClient() override;

    // Adds authorities whose certificates are trusted besides the system's.
    void trust(const QList<QSslCertificate>& authorities);

    // While the status is 200 the body goes to `sink` as it arrives (into the
    // answer when there is none). A body longer than `largestBody` ends the
    // request. `done` runs once, after the request has ended.
    void get(const QString& url, qint64 largestBody, QIODevice* sink,
             std::function<void(const WebAnswer&)> done);

private:
    QNetworkAccessManager manager_;
    QSslConfiguration tls_;
    int timeLimitMs_;
};
