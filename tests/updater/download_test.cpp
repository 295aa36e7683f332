// The transfer and the download of one file against a real server on 127.0.0.1.
#include "updater/download.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "platform/internet_transfer.h"
#include "tests/support/failing_writes.h"
#include "tests/support/http_test_server.h"
#include "tests/support/temp_prefix.h"
#include "tests/support/test_paths.h"
#include "updater/download_display.h"
#include "updater/update_failure.h"
#include "updater/waits.h"

namespace patchwell {
namespace {

using kestrane::test::HttpReply;
using kestrane::test::HttpTestServer;

class FakeDisplay : public DownloadDisplay {
  public:
    void SetProgressVisible(bool v) override { visible = v; }
    void SetProgressMax(int32_t m) override { maximum = m; }
    int32_t ProgressMax() const override { return maximum; }
    void SetProgressValue(int32_t v) override {
        value = v;
        highest = std::max(highest, v);
        if (v != 0) shown.push_back({clock.elapsed(), v});
    }
    int32_t ProgressValue() const override { return value; }
    void SetTimerEnabled(bool e) override { timer = e; }
    void SetPercentCaption(const std::string& t) override { percent = t; }
    void SetStatusCaption(const std::string&) override {}

    struct Shown {
        qint64 ms;
        int32_t value;
    };

    bool visible = true, timer = true;
    int32_t maximum = 0, value = 0, highest = 0;
    std::string percent;
    QElapsedTimer clock;
    std::vector<Shown> shown;  // every value the bar took but the 0 of its reset
};

class DownloadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDelaySecondForTest(std::chrono::milliseconds(1));
        platform::SetRequestTimeoutForTest(std::chrono::milliseconds(400));
    }
    void TearDown() override {
        SetDelaySecondForTest(std::chrono::milliseconds(0));
        platform::SetRequestTimeoutForTest(std::chrono::milliseconds(0));
    }

    // Runs one download to its end; the failure text, empty on success.
    std::string Download(const std::string& url, const std::string& size = "1") {
        DownloadInProgress = true;
        download_.DownloadUpdateFile("C:\\Kestrane\\f.zip", url, size);
        WaitFor([] { return !DownloadInProgress; });
        return download_.Failure();
    }
    std::string Written() const { return prefix_.Read("Kestrane/f.zip"); }
    std::vector<std::string> Left() const {
        return kestrane::test::FolderEntries(prefix_.DriveC() + "/Kestrane");
    }

    kestrane::test::TempPrefix prefix_;
    HttpTestServer server_;
    FakeDisplay display_;
    UpdateDownload download_{display_};
};

TEST(InternetTransferTest, OpenUrlTakesOnlyCompleteSuccessfulReplies) {
    platform::SetRequestTimeoutForTest(std::chrono::milliseconds(400));
    HttpTestServer server;
    server.Serve("/ok", {200, "hello\r\n"});
    server.Serve("/short", {200, "0123", 100});
    server.Serve("/silent", {200, "", -1, true});
    server.Serve("/huge", {200, "0123", platform::InternetTransfer::kMaxBodyBytes + 1});
    platform::InternetTransfer inet;
    std::string body;
    EXPECT_TRUE(inet.OpenURL(server.Url("/ok"), body));
    EXPECT_EQ(body, "hello\r\n");

    struct Case {
        std::string url, why;
    };
    const Case failing[] = {
        {server.Url("/missing"), "404"},
        {server.Url("/short"), "4 of 100"},
        {HttpTestServer::RefusingUrl("/x"), "connection refused"},
        {server.Url("/silent"), "timed out after 0.4 s"},
        {server.Url("/huge"), "more than 512 MB"},
        {"not an address", "not valid"},
    };
    for (const Case& c : failing) {
        body = "untouched";
        EXPECT_FALSE(inet.OpenURL(c.url, body)) << c.url;
        EXPECT_EQ(body, "untouched");
        EXPECT_NE(inet.LastError().find(c.why), std::string::npos) << inet.LastError();
    }
    platform::SetRequestTimeoutForTest(std::chrono::milliseconds(0));
}

// A line that trickles a byte now and then never trips the request time-out: below the
// minimum rate over the window the transfer is given up; a slow line above it is not.
TEST(InternetTransferTest, ATransferBelowTheMinimumRateIsGivenUp) {
    platform::SetRequestTimeoutForTest(std::chrono::milliseconds(400));
    platform::SetSlowTransferRuleForTest(200, std::chrono::milliseconds(600));
    HttpTestServer server;
    server.Serve("/trickle", {200, QByteArray(4000, 't'), -1, false, 1, 100});
    server.Serve("/slow", {200, QByteArray(1500, 's'), -1, false, 100, 50});
    platform::InternetTransfer inet;
    std::string body;
    EXPECT_FALSE(inet.OpenURL(server.Url("/trickle"), body));
    EXPECT_EQ(inet.LastError(),
              server.Url("/trickle") + ": the transfer fell below 200 bytes/s for 0.6 s; given up");
    EXPECT_TRUE(inet.OpenURL(server.Url("/slow"), body)) << inet.LastError();
    EXPECT_EQ(body, std::string(1500, 's'));
    platform::SetSlowTransferRuleForTest(0, std::chrono::milliseconds(0));
    platform::SetRequestTimeoutForTest(std::chrono::milliseconds(0));
}

// Up to a body that arrives in many pieces, written as they come.
TEST_F(DownloadTest, BodiesOfChunkBoundariesArriveWhole) {
    for (size_t size : {size_t{300}, size_t{512}, size_t{0}, size_t{65537}, size_t{5} << 20}) {
        std::string body(size, '\0');
        for (size_t i = 0; i < size; ++i) body[i] = static_cast<char>(i * 7 + (i >> 10));
        server_.Serve("/f.zip", {200, QByteArray::fromStdString(body)});
        EXPECT_EQ(Download(server_.Url("/f.zip"), "60"), "") << size;
        EXPECT_EQ(Written(), body) << size;
        EXPECT_FALSE(display_.visible);
        EXPECT_FALSE(display_.timer);
        EXPECT_EQ(display_.value, 0);
        EXPECT_EQ(download_.BufferUpperBound(), -1);
        EXPECT_EQ(Left(), std::vector<std::string>{"f.zip"});
    }
    EXPECT_EQ(display_.maximum, 60);
}

TEST_F(DownloadTest, ProgressStopsAtTheAnnouncedSize) {
    HttpReply slow{200, QByteArray(8 * 1024, 'x')};
    slow.trickleBytes = 1024;
    slow.trickleEveryMs = 60;
    server_.Serve("/f.zip", slow);
    EXPECT_EQ(Download(server_.Url("/f.zip"), "2"), "");
    EXPECT_EQ(display_.highest, 2);
}

// However the bytes come, the bar moves at most every 50 ms and only on to a further whole
// percent: on a line where each piece is a percent, time holds it back; where a percent takes
// many pieces, the percent does.
TEST_F(DownloadTest, TheBarMovesAtMostEvery50MsAndOnlyByWholePercents) {
    struct Case {
        int bytes, piece, everyMs;
        const char* sizeKB;
    };
    const Case cases[] = {{60 * 1024, 1024, 5, "60"}, {12 * 1024, 1024, 60, "400"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sizeKB);
        HttpReply slow{200, QByteArray(c.bytes, 'x')};
        slow.trickleBytes = c.piece;
        slow.trickleEveryMs = c.everyMs;
        server_.Serve("/f.zip", slow);
        display_.shown.clear();
        display_.clock.start();
        EXPECT_EQ(Download(server_.Url("/f.zip"), c.sizeKB), "");
        EXPECT_EQ(Written().size(), static_cast<size_t>(c.bytes));
        EXPECT_GE(display_.shown.size(), 2u);  // it does move
        for (size_t i = 1; i < display_.shown.size(); ++i) {
            const FakeDisplay::Shown& before = display_.shown[i - 1];
            const FakeDisplay::Shown& now = display_.shown[i];
            EXPECT_GE(now.ms - before.ms, 49) << now.value;
            EXPECT_GT(now.value * 100 / display_.maximum, before.value * 100 / display_.maximum)
                << before.value << " then " << now.value;
        }
    }
}

TEST_F(DownloadTest, ANewBodyReplacesALongerFileWhole) {
    prefix_.Write("Kestrane/f.zip", std::string(5000, 'o'));
    server_.Serve("/f.zip", {200, "new"});
    EXPECT_EQ(Download(server_.Url("/f.zip")), "");
    EXPECT_EQ(Written(), "new");
}

TEST_F(DownloadTest, FailedTransfersEndTheWaitAndLeaveTheFileAlone) {
    prefix_.Write("Kestrane/f.zip", "previous");
    server_.Serve("/short", {200, QByteArray(5000, 's'), 90000});
    server_.Serve("/silent", {200, "", -1, true});
    server_.Serve("/huge", {200, "0123", platform::InternetTransfer::kMaxBodyBytes + 1});
    struct Case {
        std::string url, why;
    };
    const Case cases[] = {
        {server_.Url("/missing"), "404"},
        {server_.Url("/short"), "5000 of 90000"},
        {server_.Url("/silent"), "timed out"},
        {server_.Url("/huge"), "more than 512 MB"},
        {HttpTestServer::RefusingUrl("/x"), "connection refused"},
    };
    for (const Case& c : cases) {
        const std::string failure = Download(c.url);
        EXPECT_NE(failure.find(c.why), std::string::npos) << failure;
        EXPECT_EQ(Written(), "previous") << c.url;
        EXPECT_EQ(Left(), std::vector<std::string>{"f.zip"}) << c.url;
        EXPECT_FALSE(display_.visible);
        EXPECT_FALSE(DownloadInProgress);
    }
}

// A disk that fills while the body arrives, or on its last bytes: the download fails naming
// the file and the system's reason, and leaves the old file and nothing else.
TEST_F(DownloadTest, ADiskThatCutsTheFileShortFailsTheDownload) {
    for (const kestrane::test::DiskFailure& c : kestrane::test::kDiskFailures) {
        SCOPED_TRACE(c.reason);
        prefix_.Write("Kestrane/f.zip", "previous");
        server_.Serve("/f.zip", {200, QByteArray(static_cast<qsizetype>(c.size), 'b')});
        kestrane::test::FailingWrites failing(c.step, c.error);
        EXPECT_EQ(Download(server_.Url("/f.zip"), "300"),
                  "cannot write C:\\Kestrane\\f.zip: " + std::string(c.reason));
        EXPECT_EQ(failing.Failed(), 1);
        EXPECT_EQ(Written(), "previous");
        EXPECT_EQ(Left(), std::vector<std::string>{"f.zip"});
        EXPECT_FALSE(display_.visible);
    }
}

TEST_F(DownloadTest, BadSizesAndUnwritablePlacesFailBeforeAnythingIsFetched) {
    server_.Serve("/f.zip", {200, "x"});
    for (const char* size : {"0", "40000", "big"}) {
        EXPECT_THROW(
            download_.DownloadUpdateFile("C:\\Kestrane\\f.zip", server_.Url("/f.zip"), size),
            UpdateFailure);
    }
    try {
        download_.DownloadUpdateFile("C:\\Kestrane\\gone\\f.zip", server_.Url("/f.zip"), "1");
        ADD_FAILURE() << "a download into a missing folder started";
    } catch (const UpdateFailure& failure) {
        EXPECT_STREQ(failure.what(),
                     "cannot write C:\\Kestrane\\gone\\f.zip: its folder does not exist");
    }
    EXPECT_EQ(server_.Requests("/f.zip"), 0);
}

// No wait lets events run; a wait of n seconds waits at least n of them.
TEST(DelayTest, ANonPositiveWaitReturnsAtOnceAndAWaitWaitsItsSeconds) {
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    Delay(0);
    Delay(-3);
    EXPECT_FALSE(ran);
    QElapsedTimer clock;
    clock.start();
    Delay(1);
    EXPECT_TRUE(ran);
    EXPECT_GE(clock.elapsed(), 1000);
}

}  // namespace
}  // namespace patchwell
