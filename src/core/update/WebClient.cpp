#include "update/WebClient.h"

#include <QIODevice>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QStringDecoder>
#include <memory>

namespace {

int statusOf(QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

QString failureText(QNetworkReply* reply, int timeLimitMs) {
    // The request's own time limit cancels it; nothing else here does.
    if (reply->error() == QNetworkReply::OperationCanceledError ||
        reply->error() == QNetworkReply::TimeoutError) {
        return QStringLiteral("The server did not answer within %1 s")
            .arg(QString::number(timeLimitMs / 1000.0));
    }
    return reply->errorString();
}

// One request's progress: what arrived so far and why it stopped early.
struct Transfer {
    Transfer(QNetworkReply* r, QIODevice* s, qint64 largest)
        : reply(r), sink(s), largestBody(largest) {}

    QNetworkReply* reply;
    QIODevice* sink;
    qint64 largestBody;
    qint64 taken = 0;
    QByteArray body;
    QString failure;

    void take() {
        // An ended request has nothing more to read.
        if (!reply->isOpen()) {
            return;
        }
        const QByteArray chunk = reply->readAll();
        // Only a good answer's body is kept; an error page is read and dropped.
        if (chunk.isEmpty() || !failure.isEmpty() || statusOf(reply) != 200) {
            return;
        }
        taken += chunk.size();
        if (taken > largestBody) {
            failure =
                QStringLiteral("The server's answer is larger than %1 bytes").arg(largestBody);
        } else if (!sink) {
            body += chunk;
        } else if (sink->write(chunk) != chunk.size()) {
            failure = sink->errorString();
        }
        if (!failure.isEmpty()) {
            reply->abort();
        }
    }
};

} // namespace

QString WebAnswer::text() const {
    static const QRegularExpression charset(QStringLiteral(R"(charset\s*=\s*"?([^";\s]+))"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch named = charset.match(contentType);
    QStringDecoder decoder(named.hasMatch() ? named.captured(1).toLatin1().constData() : "UTF-8");
    if (!decoder.isValid()) {
        decoder = QStringDecoder(QStringDecoder::Utf8);
    }
    return decoder.decode(body);
}

QString WebAnswer::reasonText() const {
    return reason.isEmpty() ? QString::number(status) : reason;
}

WebClient::WebClient(int timeLimitMs)
    : tls_(QSslConfiguration::defaultConfiguration()), timeLimitMs_(timeLimitMs) {}

WebClient::~WebClient() {
    // Requests still running end without calling back into their owners.
    for (QNetworkReply* reply : manager_.findChildren<QNetworkReply*>()) {
        reply->disconnect(this);
        reply->abort();
    }
}

void WebClient::trust(const QList<QSslCertificate>& authorities) {
    tls_.addCaCertificates(authorities);
}

void WebClient::get(const QString& url, qint64 largestBody, QIODevice* sink,
                    std::function<void(const WebAnswer&)> done) {
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(timeLimitMs_);
    request.setSslConfiguration(tls_);
    QNetworkReply* reply = manager_.get(request);
    auto transfer = std::make_shared<Transfer>(reply, sink, largestBody);
    connect(reply, &QNetworkReply::readyRead, this, [transfer] { transfer->take(); });
    connect(reply, &QNetworkReply::finished, this, [this, transfer, done = std::move(done)] {
        QNetworkReply* reply = transfer->reply;
        reply->deleteLater();
        transfer->take();
        WebAnswer answer;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!transfer->failure.isEmpty()) {
            answer.error = transfer->failure;
        } else if (status.isValid() &&
                   (reply->error() == QNetworkReply::NoError || status.toInt() != 200)) {
            // A good answer counts only when it arrived whole; of any other
            // the status is enough.
            answer.answered = true;
            answer.status = status.toInt();
            answer.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
            answer.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
            answer.body = transfer->body;
        } else {
            answer.error = failureText(reply, timeLimitMs_);
        }
        done(answer);
    });
}
