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
        const zip_int64_t index =
            zip_file_add(za, m.name.c_str(), source, m.cp437 ? ZIP_FL_ENC_CP437 : ZIP_FL_ENC_UTF_8);
        ASSERT_GE(index, 0) << zip_strerror(za);
        if (m.stored)
            zip_set_file_compression(za, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
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

std::string WithDeclaredSize(std::string zip, const std::string& name, uint32_t size) {
    // Local header "PK\3\4": size at 22, name length at 26, name at 30. Central header
    // "PK\1\2": size at 24, name length at 28, name at 46.
    struct Header {
        const char* signature;
        size_t sizeAt, nameLengthAt, nameAt;
    };
    int patched = 0;
    for (const Header& h : {Header{"PK\3\4", 22, 26, 30}, Header{"PK\1\2", 24, 28, 46}}) {
        for (size_t at = 0; (at = zip.find(h.signature, at)) != std::string::npos; ++at) {
            const auto byte = [&](size_t i) { return static_cast<uint8_t>(zip[at + i]); };
            const size_t length = byte(h.nameLengthAt) | byte(h.nameLengthAt + 1) << 8;
            if (zip.compare(at + h.nameAt, length, name) != 0 || length != name.size()) continue;
            for (size_t i = 0; i < 4; ++i)
                zip[at + h.sizeAt + i] = static_cast<char>(size >> (8 * i));
            ++patched;
        }
    }
    EXPECT_EQ(patched, 2) << name;
    return zip;
}

namespace {

uint32_t Crc32(const std::string& data) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const char c : data) {
        crc ^= static_cast<uint8_t>(c);
        for (int k = 0; k < 8; ++k) crc = crc >> 1 ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void Put(std::string& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

}  // namespace

std::string Zip64Declaring(const std::vector<ZipMember>& members, uint64_t declaredSize) {
    // Both headers give the sizes as 0xFFFFFFFF; the zip64 extra field (id 1) holds the
    // declared size, then the packed size.
    std::string local, central;
    for (const ZipMember& m : members) {
        std::string extra;
        Put(extra, 1, 2);
        Put(extra, 16, 2);
        Put(extra, declaredSize, 8);
        Put(extra, m.data.size(), 8);
        const auto common = [&](std::string& out) {
            Put(out, 45, 2);    // version needed: zip64
            Put(out, 0, 2);     // flags
            Put(out, 0, 2);     // stored
            Put(out, 0, 2);     // time
            Put(out, 0x21, 2);  // date: 1 January 1980
            Put(out, Crc32(m.data), 4);
            Put(out, 0xFFFFFFFFu, 4);
            Put(out, 0xFFFFFFFFu, 4);
            Put(out, m.name.size(), 2);
            Put(out, extra.size(), 2);
        };
        const size_t offset = local.size();
        local += "PK\3\4";
        common(local);
        local += m.name + extra + m.data;
        central += "PK\1\2";
        Put(central, 45, 2);  // made by
        common(central);
        Put(central, 0, 2);  // comment length
        Put(central, 0, 2);  // disk
        Put(central, 0, 2);  // internal attributes
        Put(central, 0, 4);  // external attributes
        Put(central, offset, 4);
        central += m.name + extra;
    }
    std::string end = "PK\5\6";
    Put(end, 0, 4);  // this disk, the directory's disk
    Put(end, members.size(), 2);
    Put(end, members.size(), 2);
    Put(end, central.size(), 4);
    Put(end, local.size(), 4);
    Put(end, 0, 2);  // comment length
    return local + central + end;
}

std::string WithStoredName(std::string zip, const std::string& name, const std::string& stored) {
    EXPECT_EQ(name.size(), stored.size());
    int replaced = 0;
    for (size_t at = 0; (at = zip.find(name, at)) != std::string::npos; at += name.size()) {
        zip.replace(at, name.size(), stored);
        ++replaced;
    }
    EXPECT_EQ(replaced, 2) << name;
    return zip;
}

std::string WithDamagedData(std::string zip, const std::string& storedData) {
    const size_t at = zip.find(storedData);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) zip[at + storedData.size() / 2] ^= 0x20;
    return zip;
}

}  // namespace kestrane::test
