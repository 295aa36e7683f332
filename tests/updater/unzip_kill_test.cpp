// Unpacking killed at any point, with the swap working or refused: every file is whole, old
// or new, and the next start clears what the killed run left beside them, putting back an old
// file that was set aside.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <map>
#include <thread>

#include "platform/base/file_writer.h"
#include "platform/base/paths.h"
#include "tests/support/failing_writes.h"
#include "tests/support/test_paths.h"
#include "tests/updater/zip_fixture.h"
#include "updater/unzip/c_unzip.h"

namespace patchwell {
namespace {

using kestrane::test::FolderEntries;
using kestrane::test::ReadHostFile;
using kestrane::test::SwapSupport;
using kestrane::test::WriteHostFile;
using platform::WriteStep;

class UnzipKillTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Two files above one write block, so that they meet the write step too; the last two
        // have no old copy.
        const size_t sizes[] = {100 * 1024, 300, 200 * 1024, 10, 5000, 70 * 1024};
        std::vector<kestrane::test::ZipMember> members;
        for (size_t i = 0; i < std::size(sizes); ++i) {
            const std::string name = "file" + std::to_string(i) + ".ut2";
            newFiles_[name] = std::string(sizes[i], static_cast<char>('a' + i));
            if (i < 4) oldFiles_[name] = "old " + name;
            members.push_back({name, newFiles_[name]});
        }
        kestrane::test::MakeZip(Host("a.zip"), members);
    }
    std::string Host(const std::string& rel) const { return dir_.path().toStdString() + "/" + rel; }

    void LayOldFiles() {
        QDir(QString::fromStdString(Host("out"))).removeRecursively();
        QDir().mkpath(QString::fromStdString(Host("out")));
        for (const auto& [name, bytes] : oldFiles_) WriteHostFile(Host("out/" + name), bytes);
    }

    // Unpacks in a child process, which `kill` ends at some point; true when it finished.
    template <class Kill>
    bool UnpackKilled(Kill kill) {
        LayOldFiles();
        const pid_t child = fork();
        if (child == 0) {
            kill();
            cUnzip zip;
            zip.OverwriteExisting(true);
            zip.ZipFile(platform::ToWindowsPath(Host("a.zip")));
            zip.UnzipFolder(platform::ToWindowsPath(Host("out")));
            _exit(zip.Unzip() ? 0 : 1);
        }
        EXPECT_GT(child, 0);
        int status = 0;
        EXPECT_EQ(waitpid(child, &status, 0), child);
        if (WIFEXITED(status)) {
            EXPECT_EQ(WEXITSTATUS(status), 0);
            return true;
        }
        EXPECT_EQ(WTERMSIG(status), SIGKILL);
        return false;
    }

    // Only the files and the writer's copies are there; after the next start's clean-up every
    // file is old or new, whole, none with an old copy is missing, and nothing else is left.
    // Only where links are refused may a file be missing before the clean-up (set aside).
    void ExpectEachFileOldOrNew(bool finished, SwapSupport support = SwapSupport::Swaps) {
        for (const std::string& name : FolderEntries(Host("out"))) {
            EXPECT_TRUE(newFiles_.count(name) || platform::IsOwnTempFileName(name)) << name;
        }
        for (const auto& [name, bytes] : oldFiles_) {
            if (support == SwapSupport::NoSwapNoLinks) break;
            EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(Host("out/" + name))))
                << name << " is gone before the clean-up";
        }
        platform::RemoveStrayTempFiles(platform::ToWindowsPath(Host("out")));
        std::vector<std::string> present;
        for (const auto& [name, bytes] : newFiles_) {
            const std::string path = Host("out/" + name);
            const auto old = oldFiles_.find(name);
            if (!QFileInfo::exists(QString::fromStdString(path))) {
                EXPECT_TRUE(old == oldFiles_.end() && !finished) << name << " is gone";
                continue;
            }
            present.push_back(name);
            const std::string now = ReadHostFile(path);
            if (finished) {
                EXPECT_EQ(now, bytes) << name;
            } else {
                EXPECT_TRUE(now == bytes || (old != oldFiles_.end() && now == old->second))
                    << name << " holds " << now.size() << " bytes of neither";
            }
        }
        EXPECT_EQ(FolderEntries(Host("out")), present);
    }

    // A seam that kills the process as the step is reached for the nth time; the file system
    // takes the swap as `support` says.
    static void KillAt(WriteStep step, int nth, SwapSupport support) {
        platform::SetWriteFaultForTest([=, reached = 0](WriteStep now, int64_t) mutable {
            if (now == step && reached++ == nth) raise(SIGKILL);
            return kestrane::test::RefusedBy(support, now);
        });
    }

    QTemporaryDir dir_;
    std::map<std::string, std::string> oldFiles_, newFiles_;
};

// Killed as a step is reached for the first, a middle or the last file.
TEST_F(UnzipKillTest, AKillAtAnyStepLeavesEachFileOldOrNew) {
    const std::pair<WriteStep, int> points[] = {
        {WriteStep::Create, 0},   {WriteStep::Create, 3},   {WriteStep::Create, 5},
        {WriteStep::Write, 0},    {WriteStep::Write, 1},    {WriteStep::Flush, 2},
        {WriteStep::Flush, 5},    {WriteStep::Close, 0},    {WriteStep::Close, 5},
        {WriteStep::Sync, 0},     {WriteStep::Sync, 5},     {WriteStep::Rename, 0},
        {WriteStep::Rename, 2},   {WriteStep::Rename, 4},   {WriteStep::Rename, 5},
        {WriteStep::Exchange, 0}, {WriteStep::Exchange, 5}, {WriteStep::SyncFolder, 0},
    };
    for (const auto& [step, nth] : points) {
        SCOPED_TRACE(testing::Message() << "step " << static_cast<int>(step) << ", time " << nth);
        const bool finished =
            UnpackKilled([step = step, nth = nth] { KillAt(step, nth, SwapSupport::Swaps); });
        EXPECT_FALSE(finished);
        ExpectEachFileOldOrNew(false);
    }
}

// Where the swap is refused, killed at every step of every file: before and after the old
// file is kept aside (by a link, or by a rename where links are refused too), before the new
// one is renamed in, and before the folder sync.
TEST_F(UnzipKillTest, AKillAtEveryStepWithTheSwapRefusedLeavesEachFileOldOrNew) {
    for (const SwapSupport support : {SwapSupport::NoSwap, SwapSupport::NoSwapNoLinks}) {
        SCOPED_TRACE(kestrane::test::Describe(support));
        std::map<WriteStep, int> reached;
        LayOldFiles();
        platform::SetWriteFaultForTest([&](WriteStep step, int64_t) {
            ++reached[step];
            return kestrane::test::RefusedBy(support, step);
        });
        cUnzip zip;
        zip.OverwriteExisting(true);
        zip.ZipFile(platform::ToWindowsPath(Host("a.zip")));
        zip.UnzipFolder(platform::ToWindowsPath(Host("out")));
        EXPECT_TRUE(zip.Unzip());
        platform::SetWriteFaultForTest(nullptr);
        EXPECT_GT(reached[support == SwapSupport::NoSwap ? WriteStep::Link : WriteStep::SetAside],
                  0);
        for (const auto& [step, times] : reached) {
            for (int nth = 0; nth < times; ++nth) {
                SCOPED_TRACE(testing::Message()
                             << "step " << static_cast<int>(step) << ", time " << nth);
                const bool finished =
                    UnpackKilled([step = step, nth, support] { KillAt(step, nth, support); });
                EXPECT_FALSE(finished);
                ExpectEachFileOldOrNew(false, support);
            }
        }
    }
}

// Killed at moments spread over a whole unpacking, the renames, the folder sync and the
// removal of the replaced copies included; with the swap working, and with the swap and links
// refused (where a file is missing between being set aside and the new one's rename).
TEST_F(UnzipKillTest, AKillAtAnyMomentLeavesEachFileOldOrNew) {
    for (const SwapSupport support : {SwapSupport::Swaps, SwapSupport::NoSwapNoLinks}) {
        SCOPED_TRACE(kestrane::test::Describe(support));
        const auto refuse = [support] {
            if (support == SwapSupport::Swaps) return;
            platform::SetWriteFaultForTest([support](WriteStep now, int64_t) {
                return kestrane::test::RefusedBy(support, now);
            });
        };
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(UnpackKilled(refuse));
        ExpectEachFileOldOrNew(true, support);
        const auto whole = std::chrono::nanoseconds(clock.nsecsElapsed());
        int killed = 0;
        for (int i = 0; i <= 40; ++i) {
            SCOPED_TRACE(i);
            const auto after = whole * i / 40;
            const bool finished = UnpackKilled([after, refuse] {
                refuse();
                const pid_t self = getpid();
                std::thread([self, after] {
                    std::this_thread::sleep_for(after);
                    ::kill(self, SIGKILL);
                }).detach();
            });
            killed += !finished;
            ExpectEachFileOldOrNew(finished, support);
        }
        EXPECT_GT(killed, 0);
    }
}

}  // namespace
}  // namespace patchwell
