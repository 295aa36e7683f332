// Parts of a Windows path.
#pragma once

#include <cstdint>
#include <string>

namespace patchwell {

inline constexpr int32_t kPartExtension = 0;
inline constexpr int32_t kPartBaseName = 1;
inline constexpr int32_t kPartFileName = 2;
inline constexpr int32_t kPartFolder = 3;

// \Maps\Pack.zip gives "zip", "Pack", "Pack.zip" and "\Maps\"; any other part "". An empty
// path for parts 1 to 3, or a path ending in "\" for part 1, throws UpdateFailure.
std::string FilePart(const std::string& FullPath, int32_t WhichPart);

}  // namespace patchwell
