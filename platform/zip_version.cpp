#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/zip_library.h"

namespace platform {
namespace {

// Our stand-in's own version.
constexpr uint8_t kVersion[4] = {1, 0, 0, 0};

template <size_t N>
void Copy(char (&field)[N], const char* text) {
    std::memset(field, 0, N);
    std::strncpy(field, text, N - 1);
}

}  // namespace

void UzpVersion2(UzpVersionRecord& record) noexcept {
    if (record.StructLength != sizeof(UzpVersionRecord)) return;
    record.Flag = 0;
    Copy(record.BetaLevel, "");
    Copy(record.Date, __DATE__);
    Copy(record.ZlibVersion, zip_libzip_version());
    std::copy(std::begin(kVersion), std::end(kVersion), record.Unzip);
    std::copy(std::begin(kVersion), std::end(kVersion), record.ZipInfo);
    std::fill(std::begin(record.Os2Dll), std::end(record.Os2Dll), uint8_t{0});
    std::copy(std::begin(kVersion), std::end(kVersion), record.WinDll);
}

}  // namespace platform
