#include "platform/internet_transfer.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <algorithm>

namespace platform {
namespace {

std::chrono::milliseconds g_timeoutForTest{0};

std::string Text(const QString& text) {
    return text.toStdString();
}

// "60 s", or "0.5 s" for the short waits of tests.
std::string SecondsText(std::chrono::milliseconds timeout) {
    return Text(QString::number(static_cast<double>(timeout.count()) / 1000.0)) + " s";
}

}  // namespace

void SetRequestTimeoutForTest(std::chrono::milliseconds timeout) {
    g_timeoutForTest = timeout;
}

InternetTransfer::InternetTransfer(QObject* parent)
    : QObject(parent), manager_(new QNetworkAccessManager(this)) {}

InternetTransfer::~InternetTransfer() {
    Cancel();
}

QNetworkReply* InternetTransfer::Start(const std::string& url) {
    lastError_.clear();
    body_.clear();
    bodyOffset_ = 0;
    cancelled_ = false;
    tooLarge_ = false;
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (!address.isValid() || address.scheme().isEmpty() || address.host().isEmpty()) {
        lastError_ = "the address " + url + " is not valid";
        return nullptr;
    }
    QNetworkRequest request(address);
    const std::chrono::milliseconds timeout =
        g_timeoutForTest.count() > 0 ? g_timeoutForTest
                                     : std::chrono::milliseconds(1000LL * timeoutSeconds_);
    timeoutInUse_ = timeout;
    if (timeout.count() > 0) request.setTransferTimeout(static_cast<int>(timeout.count()));
    // Byte counts must compare with what the server announces.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply* reply = manager_->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, reply](qint64 received, qint64 total) {
                if (received > kMaxBodyBytes || total > kMaxBodyBytes) {
                    tooLarge_ = true;
                    reply->abort();
                    return;
                }
                if (reply == reply_) emit BytesReceived(received);
            });
    return reply;
}

bool InternetTransfer::Collect(QNetworkReply* reply) {
    const std::string url = Text(reply->url().toString());
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (tooLarge_) {
        lastError_ =
            url + " answered with more than " + std::to_string(kMaxBodyBytes >> 20) + " MB";
        return false;
    }
    // An abort of ours is a cancel and never comes here: an abort here is the time-out.
    if (reply->error() == QNetworkReply::OperationCanceledError ||
        reply->error() == QNetworkReply::TimeoutError) {
        lastError_ = url + ": timed out after " + SecondsText(timeoutInUse_);
        return false;
    }
    if (reply->error() == QNetworkReply::ConnectionRefusedError) {
        lastError_ = url + ": connection refused";
        return false;
    }
    if (reply->error() == QNetworkReply::HostNotFoundError) {
        lastError_ = url + ": host " + Text(reply->url().host()) + " not found";
        return false;
    }
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        lastError_ = url + " answered HTTP status " + std::to_string(status.toInt());
        return false;
    }
    QByteArray body = reply->readAll();
    bool lengthKnown = false;
    const qlonglong announced =
        reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&lengthKnown);
    if (status.isValid() && lengthKnown && body.size() < announced) {
        lastError_ = url + " ended after " + std::to_string(body.size()) + " of " +
                     std::to_string(announced) + " bytes";
        return false;
    }
    if (reply->error() != QNetworkReply::NoError) {
        lastError_ = url + ": " + Text(reply->errorString());
        return false;
    }
    if (!status.isValid()) {
        lastError_ = url + " gave no HTTP answer";
        return false;
    }
    body_ = std::move(body);
    bodyOffset_ = 0;
    return true;
}

bool InternetTransfer::OpenURL(const std::string& url, std::string& body) {
    if (reply_) {
        lastError_ = "a transfer is under way";
        return false;
    }
    QNetworkReply* reply = Start(url);
    if (!reply) return false;
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const bool ok = Collect(reply);
    reply->deleteLater();
    if (ok) body.assign(body_.constData(), static_cast<size_t>(body_.size()));
    body_.clear();
    return ok;
}

bool InternetTransfer::Execute(const std::string& url, const std::string& operation) {
    if (reply_) {
        lastError_ = "a transfer is under way";
        return false;
    }
    if (operation != "GET") {
        lastError_ = "the operation " + operation + " is not known";
        return false;
    }
    reply_ = Start(url);
    if (!reply_) return false;
    connect(reply_, &QNetworkReply::finished, this, &InternetTransfer::OnFinished);
    return true;
}

void InternetTransfer::OnFinished() {
    QNetworkReply* reply = reply_;
    if (!reply || sender() != reply) return;
    reply_ = nullptr;
    const bool ok = Collect(reply);
    reply->deleteLater();
    emit StateChanged(ok ? kInetStateResponseReceived : kInetStateError);
}

std::string InternetTransfer::GetChunk(int32_t size) {
    std::string chunk;
    GetChunk(size, chunk);
    return chunk;
}

void InternetTransfer::GetChunk(int32_t size, std::string& chunk) {
    chunk.clear();
    if (size <= 0 || bodyOffset_ >= body_.size()) return;
    const qsizetype n = std::min<qsizetype>(size, body_.size() - bodyOffset_);
    chunk.assign(body_.constData() + bodyOffset_, static_cast<size_t>(n));
    bodyOffset_ += n;
}

void InternetTransfer::Cancel() {
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    body_.clear();
    bodyOffset_ = 0;
    cancelled_ = true;
}

}  // namespace platform
