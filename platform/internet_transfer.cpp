#include "platform/internet_transfer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <deque>

namespace platform {
namespace {

std::chrono::milliseconds g_timeoutForTest{0};
qint64 g_minimumRateForTest = 0;
std::chrono::milliseconds g_slowWindowForTest{0};

// What a reply with a sink may hold unread, and the size of one piece handed to the sink.
constexpr qint64 kReadBufferBytes = 1024 * 1024;
constexpr size_t kPieceBytes = 64 * 1024;

// Marks the reply whose transfer was given up as too slow.
constexpr const char* kTooSlow = "kestraneTooSlow";

std::string Text(const QString& text) {
    return text.toStdString();
}

// "60 s", or "0.5 s" for the short waits of tests.
std::string SecondsText(std::chrono::milliseconds timeout) {
    return Text(QString::number(static_cast<double>(timeout.count()) / 1000.0)) + " s";
}

// Watches one reply and aborts it once fewer bytes arrived over the last window than the
// minimum rate gives. The request time-out only sees a line that stops; this sees one that
// trickles a byte now and then. A child of the reply, it goes with it.
class SlowTransferGuard : public QObject {
  public:
    SlowTransferGuard(QNetworkReply* reply, qint64 bytesPerSecond, std::chrono::milliseconds window)
        : QObject(reply), rate_(bytesPerSecond), window_(window.count()) {
        clock_.start();
        samples_.push_back({0, 0});
        connect(reply, &QNetworkReply::downloadProgress, this,
                [this](qint64 received, qint64) { received_ = received; });
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, reply] { Check(reply); });
        timer->start(static_cast<int>(std::max<qint64>(window_ / 12, 1)));
    }

  private:
    struct Sample {
        qint64 ms;
        qint64 bytes;
    };

    void Check(QNetworkReply* reply) {
        const qint64 now = clock_.elapsed();
        samples_.push_back({now, received_});
        // The newest sample at least one window old is where the window starts.
        while (samples_.size() >= 2 && samples_[1].ms <= now - window_) samples_.pop_front();
        const Sample& start = samples_.front();
        if (start.ms > now - window_ || reply->isFinished()) return;
        if ((received_ - start.bytes) * 1000 < rate_ * (now - start.ms)) {
            reply->setProperty(kTooSlow, true);
            reply->abort();
        }
    }

    qint64 rate_;
    qint64 window_;
    QElapsedTimer clock_;
    std::deque<Sample> samples_;
    qint64 received_ = 0;
};

// "1 KB/s", "100 bytes/s"
std::string RateText(qint64 bytesPerSecond) {
    if (bytesPerSecond % 1024 == 0) return std::to_string(bytesPerSecond / 1024) + " KB/s";
    return std::to_string(bytesPerSecond) + " bytes/s";
}

qint64 MinimumRate() {
    return g_minimumRateForTest > 0 ? g_minimumRateForTest
                                    : InternetTransfer::kMinimumBytesPerSecond;
}

std::chrono::milliseconds SlowWindow() {
    return g_slowWindowForTest.count() > 0
               ? g_slowWindowForTest
               : std::chrono::milliseconds(InternetTransfer::kSlowWindow);
}

}  // namespace

void SetSlowTransferRuleForTest(qint64 bytesPerSecond, std::chrono::milliseconds window) {
    g_minimumRateForTest = bytesPerSecond;
    g_slowWindowForTest = window;
}

void SetRequestTimeoutForTest(std::chrono::milliseconds timeout) {
    g_timeoutForTest = timeout;
}

InternetTransfer::InternetTransfer(QObject* parent)
    : QObject(parent), manager_(new QNetworkAccessManager(this)) {}

InternetTransfer::~InternetTransfer() {
    Cancel();
}

QNetworkReply* InternetTransfer::Start(const std::string& url, BodySink sink) {
    lastError_.clear();
    body_.clear();
    sink_ = std::move(sink);
    delivered_ = 0;
    tooLarge_ = false;
    sinkRefused_ = false;
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
    // A sink takes the body as it comes, so the reply need hold only a little of it: the
    // connection waits while the buffer is full. OpenURL's lists are small and kept whole.
    if (sink_) reply->setReadBufferSize(kReadBufferBytes);
    new SlowTransferGuard(reply, MinimumRate(), SlowWindow());
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, reply](qint64 received, qint64 total) {
                if (received > kMaxBodyBytes || total > kMaxBodyBytes) {
                    tooLarge_ = true;
                    reply->abort();
                }
            });
    if (sink_) {
        connect(reply, &QIODevice::readyRead, this, [this, reply] {
            if (!Deliver(reply)) reply->abort();
        });
    }
    return reply;
}

bool InternetTransfer::Deliver(QNetworkReply* reply) {
    if (sinkRefused_) return false;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || status.toInt() < 200 || status.toInt() > 299) return true;
    // Through one fixed buffer straight to the sink: what the reply holds stays bounded by its
    // read buffer, and no piece is copied into a block of its own.
    char piece[kPieceBytes];
    for (qint64 n; (n = reply->read(piece, sizeof piece)) > 0;) {
        delivered_ += n;
        if (!sink_(std::string_view(piece, static_cast<size_t>(n)))) {
            sinkRefused_ = true;
            return false;
        }
    }
    return true;
}

bool InternetTransfer::Collect(QNetworkReply* reply) {
    const std::string url = Text(reply->url().toString());
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (tooLarge_) {
        lastError_ =
            url + " answered with more than " + std::to_string(kMaxBodyBytes >> 20) + " MB";
        return false;
    }
    const std::string refused = url + ": the body could not be stored";
    if (sinkRefused_) {
        lastError_ = refused;
        return false;
    }
    if (reply->property(kTooSlow).toBool()) {
        lastError_ = url + ": the transfer fell below " + RateText(MinimumRate()) + " for " +
                     SecondsText(SlowWindow()) + "; given up";
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
    QByteArray body;
    if (!sink_) {
        body = reply->readAll();
    } else if (!Deliver(reply)) {
        lastError_ = refused;
        return false;
    }
    const qint64 received = sink_ ? delivered_ : body.size();
    bool lengthKnown = false;
    const qlonglong announced =
        reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&lengthKnown);
    if (status.isValid() && lengthKnown && received < announced) {
        lastError_ = url + " ended after " + std::to_string(received) + " of " +
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
    return true;
}

bool InternetTransfer::OpenURL(const std::string& url, std::string& body) {
    if (reply_) {
        lastError_ = "a transfer is under way";
        return false;
    }
    QNetworkReply* reply = Start(url, {});
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

bool InternetTransfer::Execute(const std::string& url, const std::string& operation,
                               BodySink sink) {
    if (reply_) {
        lastError_ = "a transfer is under way";
        return false;
    }
    if (operation != "GET") {
        lastError_ = "the operation " + operation + " is not known";
        return false;
    }
    reply_ = Start(url, std::move(sink));
    if (!reply_) {
        sink_ = nullptr;
        return false;
    }
    connect(reply_, &QNetworkReply::finished, this, &InternetTransfer::OnFinished);
    return true;
}

void InternetTransfer::OnFinished() {
    QNetworkReply* reply = reply_;
    if (!reply || sender() != reply) return;
    const bool ok = Collect(reply);
    reply_ = nullptr;
    sink_ = nullptr;
    reply->deleteLater();
    emit StateChanged(ok ? kInetStateResponseReceived : kInetStateError);
}

void InternetTransfer::Cancel() {
    if (QNetworkReply* reply = reply_) {
        reply_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    body_.clear();
    sink_ = nullptr;
}

}  // namespace platform
