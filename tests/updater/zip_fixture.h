// Zip archives made at test time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrane::test {

struct ZipMember {
    std::string name;
    std::string data;
    bool symlink = false;  // data is the link's target
    bool stored = false;   // not compressed: the data stands in the archive as it is
    bool cp437 = false;    // the name's bytes stored as they stand, without the UTF-8 mark
};

// Writes the archive to a host path; fails the test when it cannot.
void MakeZip(const std::string& hostPath, const std::vector<ZipMember>& members);
std::string ZipBytes(const std::vector<ZipMember>& members);

// The archive with the size an entry declares (in its local and its central header) changed,
// as a damaged or hostile archive has it.
std::string WithDeclaredSize(std::string zip, const std::string& name, uint32_t size);
// A zip64 archive of stored entries that each declare `declaredSize` bytes (their data is what
// they hold), as a hostile archive declares sizes no real one could.
std::string Zip64Declaring(const std::vector<ZipMember>& members, uint64_t declaredSize);
// The archive with an entry's name, in both its headers, replaced by bytes of the same length
// that the writer would not store (a NUL).
std::string WithStoredName(std::string zip, const std::string& name, const std::string& stored);
// The archive with one byte of an entry's stored data changed: its CRC no longer matches.
std::string WithDamagedData(std::string zip, const std::string& storedData);

}  // namespace kestrane::test
