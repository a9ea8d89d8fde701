#pragma once

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QStringList>
#include <QTcpServer>

// A small web server on 127.0.0.1 for the tests, plain or with TLS, that
// answers each path from a table. Unknown paths get 404 Not Found.
class LocalWebServer : public QTcpServer {
public:
    enum class Behaviour {
        Whole,  // the answer as it is
        Silent, // reads the request and never answers
        CutOff, // announces the whole body, sends half of it and hangs up
    };
    struct Route {
        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
        QByteArray contentType = "text/plain";
        Behaviour behaviour = Behaviour::Whole;
    };

    LocalWebServer() { listen(QHostAddress::LocalHost); }

    // Serves TLS with the key and certificate in `folder`.
    void useTls(const QString& folder) {
        QFile cert(folder + QStringLiteral("/server.pem"));
        QFile key(folder + QStringLiteral("/server.key"));
        cert.open(QIODevice::ReadOnly);
        key.open(QIODevice::ReadOnly);
        certificate_ = QSslCertificate(cert.readAll());
        key_ = QSslKey(key.readAll(), QSsl::Ec);
        tls_ = true;
    }
    static QList<QSslCertificate> authority(const QString& folder) {
        return QSslCertificate::fromPath(folder + QStringLiteral("/ca.pem"));
    }

    QString base() const {
        return QStringLiteral("%1://127.0.0.1:%2")
            .arg(tls_ ? QStringLiteral("https") : QStringLiteral("http"))
            .arg(serverPort());
    }
    void route(const QByteArray& path, const Route& r) { routes_[path] = r; }
    void answer(const QByteArray& path, const QByteArray& body) {
        Route r;
        r.body = body;
        route(path, r);
    }
    void silence(const QByteArray& path) {
        Route r;
        r.behaviour = Behaviour::Silent;
        route(path, r);
    }

    // Each request's first line, in order.
    QStringList requests;

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QSslSocket::readyRead, socket, [this, socket] { serve(socket); });
        if (tls_) {
            socket->setLocalCertificate(certificate_);
            socket->setPrivateKey(key_);
            socket->startServerEncryption();
        }
    }

private:
    QHash<QByteArray, Route> routes_;
    bool tls_ = false;
    QSslCertificate certificate_;
    QSslKey key_;

    void serve(QSslSocket* socket) {
        QByteArray& pending = buffers_[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n")) {
            return;
        }
        const QByteArray line = pending.left(pending.indexOf("\r\n"));
        buffers_.remove(socket);
        requests << QString::fromLatin1(line);
        const QByteArray path = line.split(' ').value(1);
        Route r = routes_.value(path, Route{404, "Not Found", "<html>missing</html>", "text/html"});
        if (r.behaviour == Behaviour::Silent) {
            return;
        }
        QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + r.reason + "\r\n";
        head += "Content-Type: " + r.contentType + "\r\n";
        head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
        head += "Connection: close\r\n\r\n";
        const QByteArray body =
            r.behaviour == Behaviour::CutOff ? r.body.left(r.body.size() / 2) : r.body;
        socket->write(head + body);
        socket->disconnectFromHost();
    }
    QHash<QSslSocket*, QByteArray> buffers_;
};
