#pragma once
// A small HTTP server on 127.0.0.1 for the download tests, served from the
// test's own event loop: each path maps to a status and a body; a path
// marked silent never answers (for timeouts).
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

namespace verdika::test {

class LocalHttpServer : public QObject {
public:
    struct Reply {
        int status = 200;
        QByteArray body;
        bool silent = false;
    };

    LocalHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, this, [this, s] { answer(s); });
                QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    void set(const QString& path, Reply r) { replies_[path] = std::move(r); }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    int requests = 0;

private:
    void answer(QTcpSocket* s) {
        QByteArray& buf = pending_[s];
        buf += s->readAll();
        if (!buf.contains("\r\n\r\n")) return;
        ++requests;
        const QList<QByteArray> first = buf.left(buf.indexOf("\r\n")).split(' ');
        pending_.remove(s);
        const QString path = first.size() > 1 ? QString::fromLatin1(first[1]) : QString();
        Reply r = replies_.value(path, Reply{404, "not found", false});
        if (r.silent) return;
        QByteArray out = "HTTP/1.1 " + QByteArray::number(r.status) + " X\r\nContent-Length: " +
                         QByteArray::number(r.body.size()) + "\r\nConnection: close\r\n\r\n" + r.body;
        s->write(out);
        s->disconnectFromHost();
    }

    QTcpServer server_;
    QMap<QString, Reply> replies_;
    QMap<QTcpSocket*, QByteArray> pending_;
};

}  // namespace verdika::test
