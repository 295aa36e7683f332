// Zip archives made at test time.
#pragma once

#include <string>
#include <vector>

namespace kestrane::test {

struct ZipMember {
    std::string name;
    std::string data;
    bool symlink = false;  // data is the link's target
};

// Writes the archive to a host path; fails the test when it cannot.
void MakeZip(const std::string& hostPath, const std::vector<ZipMember>& members);
std::string ZipBytes(const std::vector<ZipMember>& members);

}  // namespace kestrane::test
