// What an update run downloads and makes only for a while: the record that lets the next start
// remove what a killed run left.
#include "platform/base/run_leftovers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/base/paths.h"
#include "tests/support/test_paths.h"

namespace {

using kestrane::test::ReadHostFile;
using kestrane::test::WriteHostFile;

// A killed run's archive is still named when a later run, whose start could not clean up (the
// editor was running), ends: that run takes only its own lines off the record, and the next
// start removes the killed run's archive.
TEST(RunLeftovers, ARunTakesOnlyItsOwnLinesOffTheRecord) {
    QTemporaryDir dir;
    const std::string host = dir.path().toStdString();
    const std::string record = host + "/Patchwell Downloads.txt";
    const std::string killed = host + "/Killed.zip";
    WriteHostFile(killed, "a killed run's download");
    struct stat st {};
    ASSERT_EQ(::stat(killed.c_str(), &st), 0);
    const std::string earlier =
        "file " + std::to_string(st.st_dev) + " " + std::to_string(st.st_ino) + " " + killed + "\n";
    WriteHostFile(record, earlier);

    for (const bool failed : {false, true}) {
        SCOPED_TRACE(failed ? "failed" : "done");
        QDir().mkpath(QString::fromStdString(host + "/New"));
        platform::RunLeftovers run(platform::ToWindowsPath(record));
        run.NoteFolder(platform::ToWindowsPath(host + "/New"));
        EXPECT_EQ(ReadHostFile(record), earlier + "folder " + host + "/New\n");
        failed ? run.RemoveAll() : run.Forget();
        EXPECT_EQ(ReadHostFile(record), earlier);
        EXPECT_EQ(QFileInfo::exists(QString::fromStdString(host + "/New")), !failed);
    }
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(killed)));

    platform::RemoveRunLeftovers(platform::ToWindowsPath(record));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(killed)));
    EXPECT_EQ(ReadHostFile(record), "");
}

}  // namespace
