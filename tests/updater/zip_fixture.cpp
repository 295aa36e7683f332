#include "tests/updater/zip_fixture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <QTemporaryDir>

#include "tests/support/test_paths.h"

namespace kestrane::test {

void MakeZip(const std::string& hostPath, const std::vector<ZipMember>& members) {
    int error = 0;
    zip_t* za = zip_open(hostPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(za, nullptr) << "cannot create " << hostPath;
    for (const ZipMember& m : members) {
        zip_source_t* source = zip_source_buffer(za, m.data.data(), m.data.size(), 0);
        const zip_int64_t index = zip_file_add(za, m.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(index, 0) << zip_strerror(za);
        if (m.symlink) {
            zip_file_set_external_attributes(za, static_cast<zip_uint64_t>(index), 0,
                                             ZIP_OPSYS_UNIX, (S_IFLNK | 0777u) << 16);
        }
    }
    ASSERT_EQ(zip_close(za), 0);
}

std::string ZipBytes(const std::vector<ZipMember>& members) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/a.zip";
    MakeZip(path, members);
    return ReadHostFile(path);
}

}  // namespace kestrane::test
