#include "tests/support/http_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <QMetaObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace kestrane::test {

class HttpTestConnection : public QObject {
  public:
    HttpTestConnection(QTcpSocket* socket, HttpTestServer& owner)
        : QObject(socket), socket_(socket), owner_(owner) {
        connect(socket, &QTcpSocket::readyRead, this, [this] { Read(); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

  private:
    void Read() {
        request_ += socket_->readAll();
        if (answered_ || !request_.contains("\r\n\r\n")) return;
        answered_ = true;
        const QList<QByteArray> line = request_.left(request_.indexOf("\r\n")).split(' ');
        const QString path = line.size() > 1 ? QString::fromLatin1(line[1]) : QString();
        const HttpReply reply = owner_.Lookup(path);
        if (reply.silent) return;
        const qint64 length =
            reply.announcedLength >= 0 ? reply.announcedLength : reply.body.size();
        QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) +
                          (reply.status / 100 == 2 ? " OK" : " Not Found") + "\r\n";
        head += "Content-Type: application/octet-stream\r\n";
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
        head += "Connection: close\r\n\r\n";
        socket_->write(head);
        if (reply.trickleBytes <= 0) {
            socket_->write(reply.body);
            socket_->disconnectFromHost();
            return;
        }
        pending_ = reply.body;
        auto* pace = new QTimer(this);
        connect(pace, &QTimer::timeout, this, [this, pace, piece = reply.trickleBytes] {
            socket_->write(pending_.left(piece));
            pending_.remove(0, piece);
            if (!pending_.isEmpty()) return;
            pace->stop();
            socket_->disconnectFromHost();
        });
        pace->start(reply.trickleEveryMs);
    }

    QTcpSocket* socket_;
    HttpTestServer& owner_;
    QByteArray request_;
    QByteArray pending_;
    bool answered_ = false;
};

HttpTestServer::HttpTestServer() {
    thread_.start();
    server_ = new QTcpServer;
    server_->moveToThread(&thread_);
    QMetaObject::invokeMethod(
        server_,
        [this] {
            QObject::connect(server_, &QTcpServer::newConnection, server_, [this] {
                while (QTcpSocket* socket = server_->nextPendingConnection()) {
                    new HttpTestConnection(socket, *this);
                }
            });
            server_->listen(QHostAddress::LocalHost, 0);
            port_ = server_->serverPort();
        },
        Qt::BlockingQueuedConnection);
}

HttpTestServer::~HttpTestServer() {
    QMetaObject::invokeMethod(
        server_, [this] { delete server_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void HttpTestServer::Serve(const QString& path, const HttpReply& reply) {
    QMutexLocker lock(&mutex_);
    replies_.insert(path, reply);
}

HttpReply HttpTestServer::Lookup(const QString& path) {
    QMutexLocker lock(&mutex_);
    requests_[path] += 1;
    const auto it = replies_.find(path);
    if (it == replies_.end()) return HttpReply{404, "not here"};
    return *it;
}

int HttpTestServer::Requests(const QString& path) const {
    QMutexLocker lock(&mutex_);
    return requests_.value(path);
}

std::string HttpTestServer::Url(const QString& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path.toStdString();
}

std::string HttpTestServer::RefusingUrl(const QString& path) {
    // A port bound but never listened on refuses every connection, and stays ours for the
    // whole run, so no other test's server can take it meanwhile.
    static const uint16_t port = [] {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            qFatal("cannot reserve a refusing port");
        }
        return ntohs(address.sin_port);
    }();
    return "http://127.0.0.1:" + std::to_string(port) + path.toStdString();
}

}  // namespace kestrane::test
