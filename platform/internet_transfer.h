// The internet transfer control the updater asks for, over Qt Network: an address opened
// synchronously as text, or a "GET" executed in the background that reports its end through a
// state-change event and then hands out the body in chunks. Only a complete 2xx reply counts:
// a refused connection, another HTTP status, a time-out or a body shorter than the server
// announced ends in the error state and never yields a body, and so does one slower than
// kMinimumBytesPerSecond over kSlowWindow.
#pragma once

#include <QByteArray>
#include <QObject>
#include <chrono>
#include <cstdint>
#include <string>

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

    // Starts the operation ("GET" is the only one known) and returns at once. False when the
    // operation or the address cannot be started, or a transfer is under way.
    bool Execute(const std::string& url, const std::string& operation);
    bool StillExecuting() const { return reply_ != nullptr; }

    // The next bytes of the last body, at most `size`; empty after its end.
    std::string GetChunk(int32_t size);
    // The same into a buffer the caller keeps, so that many small chunks cost no allocation.
    void GetChunk(int32_t size, std::string& chunk);

    // Stops any transfer without an event and drops the body.
    void Cancel();
    // Whether Cancel ran since the last transfer started: a body read then is not whole.
    bool Cancelled() const { return cancelled_; }

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
    // Bytes of the body received so far by a transfer started with Execute, while it runs.
    void BytesReceived(qint64 received);

  private:
    QNetworkReply* Start(const std::string& url);
    // Takes the body of a finished reply, or sets lastError_ and answers false.
    bool Collect(QNetworkReply* reply);
    void OnFinished();

    QNetworkAccessManager* manager_;
    QNetworkReply* reply_ = nullptr;
    QByteArray body_;
    qsizetype bodyOffset_ = 0;
    int32_t timeoutSeconds_ = 60;
    std::chrono::milliseconds timeoutInUse_{0};
    std::string lastError_;
    bool cancelled_ = false;
    bool tooLarge_ = false;
};

// Tests wait shorter than a player would: a non-zero value replaces every request time-out.
void SetRequestTimeoutForTest(std::chrono::milliseconds timeout);
// The same for the minimum rate and its window; 0 restores the player's.
void SetSlowTransferRuleForTest(qint64 bytesPerSecond, std::chrono::milliseconds window);

}  // namespace platform
