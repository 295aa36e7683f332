// The transfer and the download of one file against a real server on 127.0.0.1.
#include "updater/download.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "platform/internet_transfer.h"
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
    }
    int32_t ProgressValue() const override { return value; }
    void SetTimerEnabled(bool e) override { timer = e; }
    void SetPercentCaption(const std::string& t) override { percent = t; }
    void SetStatusCaption(const std::string&) override {}

    bool visible = true, timer = true;
    int32_t maximum = 0, value = 0, highest = 0;
    std::string percent;
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
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(inet.OpenURL(c.url, body)) << c.url;
        EXPECT_EQ(body, "untouched");
        EXPECT_NE(inet.LastError().find(c.why), std::string::npos) << inet.LastError();
        EXPECT_LT(clock.elapsed(), 5000);
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
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(inet.OpenURL(server.Url("/trickle"), body));
    EXPECT_EQ(inet.LastError(),
              server.Url("/trickle") + ": the transfer fell below 200 bytes/s for 0.6 s; given up");
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_TRUE(inet.OpenURL(server.Url("/slow"), body)) << inet.LastError();
    EXPECT_EQ(body, std::string(1500, 's'));
    platform::SetSlowTransferRuleForTest(0, std::chrono::milliseconds(0));
    platform::SetRequestTimeoutForTest(std::chrono::milliseconds(0));
}

TEST_F(DownloadTest, BodiesOfChunkBoundariesArriveWhole) {
    for (size_t size : {size_t{300}, size_t{512}, size_t{0}, size_t{70000}}) {
        std::string body(size, '\0');
        for (size_t i = 0; i < size; ++i) body[i] = static_cast<char>(i * 7);
        server_.Serve("/f.zip", {200, QByteArray::fromStdString(body)});
        EXPECT_EQ(Download(server_.Url("/f.zip"), "60"), "") << size;
        EXPECT_EQ(Written(), body) << size;
        EXPECT_FALSE(display_.visible);
        EXPECT_FALSE(display_.timer);
        EXPECT_EQ(display_.value, 0);
        EXPECT_EQ(download_.BufferUpperBound(), -1);
    }
    EXPECT_EQ(display_.maximum, 60);
}

TEST_F(DownloadTest, ProgressStopsAtTheAnnouncedSize) {
    server_.Serve("/f.zip", {200, QByteArray(8 * 1024, 'x')});
    EXPECT_EQ(Download(server_.Url("/f.zip"), "2"), "");
    EXPECT_EQ(display_.highest, 2);
}

TEST_F(DownloadTest, ANewBodyReplacesALongerFileWhole) {
    prefix_.Write("Kestrane/f.zip", std::string(5000, 'o'));
    server_.Serve("/f.zip", {200, "new"});
    EXPECT_EQ(Download(server_.Url("/f.zip")), "");
    EXPECT_EQ(Written(), "new");
}

TEST_F(DownloadTest, FailedTransfersEndTheWaitAndLeaveTheFileAlone) {
    prefix_.Write("Kestrane/f.zip", "previous");
    server_.Serve("/short", {200, "0123", 100});
    server_.Serve("/silent", {200, "", -1, true});
    const std::string urls[] = {server_.Url("/missing"), server_.Url("/short"),
                                server_.Url("/silent"), HttpTestServer::RefusingUrl("/x")};
    for (const std::string& url : urls) {
        EXPECT_NE(Download(url), "") << url;
        EXPECT_EQ(Written(), "previous") << url;
        EXPECT_FALSE(display_.visible);
        EXPECT_FALSE(DownloadInProgress);
    }
}

TEST_F(DownloadTest, BadSizesFailBeforeAnythingIsFetched) {
    server_.Serve("/f.zip", {200, "x"});
    for (const char* size : {"0", "40000", "big"}) {
        EXPECT_THROW(
            download_.DownloadUpdateFile("C:\\Kestrane\\f.zip", server_.Url("/f.zip"), size),
            UpdateFailure);
    }
    EXPECT_EQ(server_.Requests("/f.zip"), 0);
}

TEST(DelayTest, WaitsOnAMonotonicClock) {
    QElapsedTimer clock;
    clock.start();
    Delay(0);
    Delay(-3);
    EXPECT_LT(clock.elapsed(), 50);
    clock.restart();
    Delay(1);
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_LT(clock.elapsed(), 1500);
}

}  // namespace
}  // namespace patchwell
