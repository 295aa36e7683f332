// The internet transfer control the updater asks for, over Qt Network: an address opened
// synchronously as text, or a "GET" executed in the background that hands each piece of the
// body to a sink as it arrives and reports its end through a state-change event. Only a
// complete 2xx reply counts: a refused connection, another HTTP status, a time-out or a body
// shorter than the server announced ends in the error state and never yields a body, and so
// does one slower than kMinimumBytesPerSecond over kSlowWindow. A sink sees the body of 2xx
// replies only, and drops what it was given when the transfer ends in the error state.
#pragma once

#include <QByteArray>
#include <QObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class QNetworkAccessManager;
class QNetworkReply;

namespace platform {

// State numbers of the state-change event.
inline constexpr int16_t kInetStateResponseReceived = 8;  // the whole body has arrived
inline constexpr int16_t kInetStateError = 11;            // the transfer failed; see LastError

class InternetTransfer : public QObject {
    Q_OBJECT

  public:
    explicit InternetTransfer(QObject* parent = nullptr);
    ~InternetTransfer() override;

    // Seconds without an answer or further bytes after which a transfer fails; 0 waits for ever.
    void SetRequestTimeout(int32_t seconds) { timeoutSeconds_ = seconds; }
    int32_t RequestTimeout() const { return timeoutSeconds_; }

    // Fetches the address and waits for it, letting events run meanwhile.
    bool OpenURL(const std::string& url, std::string& body);

    // Takes one piece of the body, in the order received; false stops the transfer, which
    // then ends in the error state.
    using BodySink = std::function<bool(std::string_view piece)>;

    // Starts the operation ("GET" is the only one known) and returns at once; the body goes to
    // `sink` as it arrives, never held whole. False when the operation or the address cannot
    // be started, or a transfer is under way.
    bool Execute(const std::string& url, const std::string& operation, BodySink sink);
    bool StillExecuting() const { return reply_ != nullptr; }

    // Stops any transfer without an event; its sink is called no more.
    void Cancel();

    // Bodies larger than this fail instead of filling memory (an address that went wrong).
    static constexpr qint64 kMaxBodyBytes = 512LL * 1024 * 1024;
    // A transfer that brings fewer bytes than this rate over the last window fails, however
    // steadily it trickles.
    static constexpr qint64 kMinimumBytesPerSecond = 1024;
    static constexpr std::chrono::seconds kSlowWindow{60};

    // Why the last transfer failed, naming the address.
    const std::string& LastError() const { return lastError_; }

  signals:
    void StateChanged(int16_t state);

  private:
    QNetworkReply* Start(const std::string& url, BodySink sink);
    // Hands what the reply holds to the sink, once the reply is known to be a 2xx one; false
    // when the sink refused a piece.
    bool Deliver(QNetworkReply* reply);
    // Takes the rest of the body of a finished reply, or sets lastError_ and answers false.
    bool Collect(QNetworkReply* reply);
    void OnFinished();

    QNetworkAccessManager* manager_;
    QNetworkReply* reply_ = nullptr;
    QByteArray body_;  // OpenURL's, which has no sink
    BodySink sink_;
    qint64 delivered_ = 0;
    int32_t timeoutSeconds_ = 60;
    std::chrono::milliseconds timeoutInUse_{0};
    std::string lastError_;
    bool tooLarge_ = false;
    bool sinkRefused_ = false;
};

// Tests wait shorter than a player would: a non-zero value replaces every request time-out.
void SetRequestTimeoutForTest(std::chrono::milliseconds timeout);
// The same for the minimum rate and its window; 0 restores the player's.
void SetSlowTransferRuleForTest(qint64 bytesPerSecond, std::chrono::milliseconds window);

}  // namespace platform
