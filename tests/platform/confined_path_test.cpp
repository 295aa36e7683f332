// Paths from the program's own records: written plainly, held below their root, and reached
// through no link.
#include "platform/base/confined_path.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(ConfinedPath, PlainPathsAndTheirPartBelowARoot) {
    const struct {
        const char* path;
        const char* plain;
    } plain[] = {
        {"/a/b", "/a/b"}, {"/a//b/", "/a/b"}, {"//a///b", "/a/b"},
        {"/", "/"},       {"a/b", ""},        {"/a/./b", ""},
        {"/a/../b", ""},  {"/a/..", ""},      {"/a/b..c/.d", "/a/b..c/.d"},
    };
    for (const auto& c : plain) EXPECT_EQ(platform::PlainHostPath(c.path), c.plain) << c.path;
    EXPECT_EQ(platform::PlainHostPath(std::string_view("/a\0b", 4)), "");

    const struct {
        const char* path;
        const char* root;
        std::optional<std::string> below;
    } below[] = {
        {"/p/q", "/p", "q"},        {"/p", "/p", ""},         {"/pq/r", "/p", std::nullopt},
        {"/x", "/p", std::nullopt}, {"/p/q/r", "/", "p/q/r"},
    };
    for (const auto& c : below) {
        EXPECT_EQ(platform::PartBelow(c.path, c.root), c.below) << c.path << " in " << c.root;
    }
}

// A folder is reached from its root only through folders; a link at any part, or a path
// outside the root however it is spelt, opens nothing.
TEST(ConfinedPath, FoldersOpenOnlyBelowTheRootThroughNoLink) {
    QTemporaryDir dir;
    const std::string root = dir.path().toStdString() + "/Program";
    const std::string outside = dir.path().toStdString() + "/Outside";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(root + "/Maps/a")));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(outside + "/a")));
    ASSERT_EQ(::symlink(outside.c_str(), (root + "/Out").c_str()), 0);
    ASSERT_EQ(::symlink((root + "/Maps").c_str(), (root + "/MapsLink").c_str()), 0);
    const std::string linkedRoot = dir.path().toStdString() + "/ProgramLink";
    ASSERT_EQ(::symlink(root.c_str(), linkedRoot.c_str()), 0);

    const struct {
        std::string path;
        bool opens;
    } cases[] = {
        {root, true},
        {root + "/Maps/a", true},
        {root + "//Maps///a/", true},
        {root + "/Out", false},
        {root + "/Out/a", false},
        {root + "/MapsLink/a", false},
        {outside, false},
        {root + "/../Outside", false},
        {dir.path().toStdString() + "//Outside/a", false},
    };
    for (const auto& c : cases) {
        const int fd = platform::OpenFolderWithin(root, c.path);
        EXPECT_EQ(fd >= 0, c.opens) << c.path;
        if (fd >= 0) ::close(fd);
    }
    // A root reached through a link of its own is still the root, named either way.
    for (const std::string& path : {linkedRoot + "/Maps/a", root + "/Maps/a"}) {
        const int fd = platform::OpenFolderWithin(linkedRoot, path);
        EXPECT_GE(fd, 0) << path;
        if (fd >= 0) ::close(fd);
    }
}

}  // namespace
