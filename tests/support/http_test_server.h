// A small HTTP server on 127.0.0.1 for tests and benchmarks, on a thread of its own so that a
// client blocking its own thread (a child process waited for) is still served. Each path
// answers with a status and a body; a reply can announce more bytes than it sends, never
// answer at all, or trickle its body out as a slow line would.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QThread>
#include <cstdint>
#include <memory>

class QTcpServer;

namespace kestrane::test {

struct HttpReply {
    int status = 200;
    QByteArray body;
    qint64 announcedLength = -1;  // Content-Length when it differs from the body's
    bool silent = false;          // accept the request and never answer
    int trickleBytes = 0;         // above 0: send the body this many bytes at a time,
    int trickleEveryMs = 0;       // one piece every so many milliseconds
};

class HttpTestServer {
  public:
    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    void Serve(const QString& path, const HttpReply& reply);
    // "http://127.0.0.1:<port><path>"
    std::string Url(const QString& path) const;
    int Requests(const QString& path) const;

    // An address on 127.0.0.1 where nothing listens.
    static std::string RefusingUrl(const QString& path);

  private:
    friend class HttpTestConnection;
    HttpReply Lookup(const QString& path);

    QThread thread_;
    QTcpServer* server_ = nullptr;  // lives on thread_
    uint16_t port_ = 0;
    mutable QMutex mutex_;
    QHash<QString, HttpReply> replies_;
    QHash<QString, int> requests_;
};

}  // namespace kestrane::test
