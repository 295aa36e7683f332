// What an update run downloads and makes only for a while: the record that lets the next start
// remove what a killed run left, and nothing else.
#include "platform/base/run_leftovers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "platform/base/paths.h"
#include "tests/support/test_paths.h"

namespace {

using kestrane::test::ReadHostFile;
using kestrane::test::WriteHostFile;

bool Exists(const std::string& hostPath) {
    struct stat st {};
    return ::lstat(hostPath.c_str(), &st) == 0;
}

struct Identity {
    uint64_t device = 0, inode = 0;
    int64_t size = 0;
};

Identity IdentityOf(const std::string& hostPath) {
    struct stat st {};
    EXPECT_EQ(::stat(hostPath.c_str(), &st), 0) << hostPath;
    return {st.st_dev, st.st_ino, st.st_size};
}

std::string DigestOf(const std::string& bytes) {
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes),
                                    QCryptographicHash::Blake2b_256)
        .toHex()
        .toStdString();
}

// The line a run notes for a file it wrote: its identity, length and digest, then its path.
std::string FileLine(const Identity& id, const std::string& digest, const std::string& path) {
    return "file-digest " + std::to_string(id.device) + " " + std::to_string(id.inode) + " " +
           std::to_string(id.size) + " " + digest + " " + path + "\n";
}

// The line for the file at `path` as it is now.
std::string ProvenLine(const std::string& path, const std::string& named = {}) {
    return FileLine(IdentityOf(path), DigestOf(ReadHostFile(path)), named.empty() ? path : named);
}

class RunLeftoversTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(program_)));
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(outside_)));
    }
    void Start() const { platform::RemoveRunLeftovers(platform::ToWindowsPath(record_)); }

    QTemporaryDir dir_;
    const std::string top_ = dir_.path().toStdString();
    const std::string program_ = top_ + "/Kestrane";
    const std::string outside_ = top_ + "/Outside";
    const std::string record_ = program_ + "/Patchwell Downloads.txt";
};

// A killed run's archive is still named when a later run, whose start could not clean up (the
// editor was running), ends: that run takes only its own lines off the record, and the next
// start removes the killed run's archive.
TEST_F(RunLeftoversTest, ARunTakesOnlyItsOwnLinesOffTheRecord) {
    const std::string killed = program_ + "/Killed.zip";
    WriteHostFile(killed, "a killed run's download");
    const std::string earlier = ProvenLine(killed);
    WriteHostFile(record_, earlier);

    for (const bool failed : {false, true}) {
        SCOPED_TRACE(failed ? "failed" : "done");
        QDir().mkpath(QString::fromStdString(program_ + "/New"));
        platform::RunLeftovers run(platform::ToWindowsPath(record_));
        run.NoteFolder(platform::ToWindowsPath(program_ + "/New"));
        EXPECT_EQ(ReadHostFile(record_), earlier + "folder " + program_ + "/New\n");
        failed ? run.RemoveAll() : run.Forget();
        EXPECT_EQ(ReadHostFile(record_), earlier);
        EXPECT_EQ(Exists(program_ + "/New"), !failed);
    }
    EXPECT_TRUE(Exists(killed));

    Start();
    EXPECT_FALSE(Exists(killed));
    EXPECT_EQ(ReadHostFile(record_), "");
}

// A file goes only while it is the one written: the same device, inode and length, and the same
// digest of the bytes it holds now. Lines of the old form, which give the inode alone, prove
// nothing.
TEST_F(RunLeftoversTest, AFileGoesOnlyWhileItIsTheOneWritten) {
    const std::string bytes = "the download's bytes";
    const std::string path = program_ + "/Pack.zip";
    struct Case {
        const char* what;
        // The line for the file as written.
        std::function<std::string(const Identity&, const std::string& digest)> line;
        std::string overwrite;  // written over the file in place after its line, when set
        bool removed;
    };
    const Case cases[] = {
        {"the very file",
         [&](const Identity& id, const std::string& d) { return FileLine(id, d, path); }, "", true},
        {"named through a doubled slash",
         [&](const Identity& id, const std::string& d) {
             return FileLine(id, d, program_ + "//Pack.zip");
         },
         "", true},
        {"old form: device and inode alone",
         [&](const Identity& id, const std::string&) {
             return "file " + std::to_string(id.device) + " " + std::to_string(id.inode) + " " +
                    path + "\n";
         },
         "", false},
        {"another length",
         [&](const Identity& id, const std::string& d) {
             return FileLine({id.device, id.inode, id.size + 1}, d, path);
         },
         "", false},
        {"another inode",
         [&](const Identity& id, const std::string& d) {
             return FileLine({id.device, id.inode + 1, id.size}, d, path);
         },
         "", false},
        {"another digest",
         [&](const Identity& id, const std::string&) {
             return FileLine(id, DigestOf("other bytes"), path);
         },
         "", false},
        {"the bytes changed since, at the same length",
         [&](const Identity& id, const std::string& d) { return FileLine(id, d, path); },
         "THE DOWNLOAD'S BYTES", false},
        {"a digest cut short",
         [&](const Identity& id, const std::string& d) { return FileLine(id, d.substr(1), path); },
         "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteHostFile(path, bytes);
        WriteHostFile(record_, c.line(IdentityOf(path), DigestOf(bytes)));
        if (!c.overwrite.empty()) {
            FILE* file = std::fopen(path.c_str(), "r+");
            ASSERT_NE(file, nullptr);
            std::fwrite(c.overwrite.data(), 1, c.overwrite.size(), file);
            std::fclose(file);
        }
        const std::string before = ReadHostFile(path);
        Start();
        EXPECT_EQ(Exists(path), !c.removed);
        if (!c.removed) {
            EXPECT_EQ(ReadHostFile(path), before);
        }
        EXPECT_EQ(ReadHostFile(record_), "");
    }
}

// Lines naming what lies outside the program folder, however they spell it, and lines that
// reach a file or folder inside it through a link, remove nothing, each with the named file's
// true identity and digest.
TEST_F(RunLeftoversTest, NothingOutsideTheProgramFolderIsRemoved) {
    const std::string victim = outside_ + "/victim.zip";
    const std::string beside = top_ + "/KestraneBeside/victim.zip";
    const std::string empty = outside_ + "/Empty";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(empty)));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(top_ + "/KestraneBeside")));
    ASSERT_EQ(::symlink(outside_.c_str(), (program_ + "/Link").c_str()), 0);
    ASSERT_EQ(::symlink(victim.c_str(), (program_ + "/victim-link.zip").c_str()), 0);
    ASSERT_EQ(::symlink(empty.c_str(), (program_ + "/EmptyLink").c_str()), 0);
    std::string doubled = victim;
    for (size_t at = 0; (at = doubled.find('/', at)) != std::string::npos; at += 2) {
        doubled.insert(at, "/");
    }
    struct Case {
        const char* what;
        std::string file;  // the file the line names by its true identity
        std::string named;
        bool folder = false;
    };
    const Case cases[] = {
        {"outside, plainly", victim, victim},
        {"outside, through doubled slashes", victim, doubled},
        {"outside, through ..", victim, program_ + "/../Outside/victim.zip"},
        {"beside, in a folder whose name begins with the program folder's", beside, beside},
        {"through a link at a middle part", victim, program_ + "/Link/victim.zip"},
        {"through a link at the last part", victim, program_ + "/victim-link.zip"},
        {"a folder outside", empty, empty, true},
        {"a folder outside, through doubled slashes", empty, "//" + empty.substr(1), true},
        {"a folder through a link at a middle part", empty, program_ + "/Link/Empty", true},
        {"a folder that is a link", empty, program_ + "/EmptyLink", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.folder) WriteHostFile(c.file, "the player's own");
        WriteHostFile(record_, c.folder ? "folder " + c.named + "\n" : ProvenLine(c.file, c.named));
        Start();
        EXPECT_TRUE(Exists(c.file));
        if (!c.folder) {
            EXPECT_EQ(ReadHostFile(c.file), "the player's own");
        }
        EXPECT_TRUE(Exists(program_ + "/Link"));
        EXPECT_TRUE(Exists(program_ + "/victim-link.zip"));
        EXPECT_TRUE(Exists(program_ + "/EmptyLink"));
        EXPECT_EQ(ReadHostFile(record_), "");
    }

    // The same lines for a file and a folder inside do remove them.
    const std::string inside = program_ + "/Pack.zip";
    WriteHostFile(inside, "the download");
    QDir().mkpath(QString::fromStdString(program_ + "/Made"));
    WriteHostFile(record_, ProvenLine(inside) + "folder " + program_ + "/Made\n");
    Start();
    EXPECT_FALSE(Exists(inside));
    EXPECT_FALSE(Exists(program_ + "/Made"));
}

// A record with a second name is some other file's too: a start reads nothing from it and
// changes it in no byte, and a run adds no line to it.
TEST_F(RunLeftoversTest, ARecordWithASecondNameIsLeftAsItIs) {
    const std::string archive = program_ + "/Pack.zip";
    WriteHostFile(archive, "the download");
    QDir().mkpath(QString::fromStdString(program_ + "/Made"));
    const std::string text = ProvenLine(archive) + "folder " + program_ + "/Made\n";
    WriteHostFile(record_, text);
    const std::string other = outside_ + "/notes.txt";
    ASSERT_EQ(::link(record_.c_str(), other.c_str()), 0);

    Start();
    EXPECT_TRUE(Exists(archive));
    EXPECT_TRUE(Exists(program_ + "/Made"));
    EXPECT_EQ(ReadHostFile(record_), text);

    QDir().mkpath(QString::fromStdString(program_ + "/New"));
    platform::RunLeftovers run(platform::ToWindowsPath(record_));
    run.NoteFolder(platform::ToWindowsPath(program_ + "/New"));
    EXPECT_EQ(ReadHostFile(other), text);
    run.RemoveAll();  // the run still removes what it made itself
    EXPECT_FALSE(Exists(program_ + "/New"));
    EXPECT_EQ(ReadHostFile(other), text);
    EXPECT_TRUE(Exists(archive));
}

}  // namespace
