// The version markers in the program folder's update\ folder: one quoted version text each.
#pragma once

#include <string>

namespace patchwell {

std::string UpdateFolder();  // program folder & "\update"
std::string MarkerPath(const std::string& MarkerName);

// The version a marker holds; throws UpdateFailure when it cannot be read or is empty.
std::string ReadMarker(const std::string& path);
// Replaces the marker whole with the quoted version; throws UpdateFailure when it cannot.
void WriteMarker(const std::string& path, const std::string& Version);

}  // namespace patchwell
