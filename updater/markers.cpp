#include "updater/markers.h"

#include "platform/base/files.h"
#include "platform/base/paths.h"
#include "updater/update_failure.h"

namespace patchwell {

std::string UpdateFolder() {
    return platform::ProgramFolder() + "\\update";
}

std::string MarkerPath(const std::string& MarkerName) {
    return UpdateFolder() + "\\" + MarkerName;
}

std::string ReadMarker(const std::string& path) {
    std::string bytes, error;
    if (!platform::ReadBytes(path, bytes, &error)) {
        throw UpdateFailure("the marker " + path + " cannot be read: " + error);
    }
    size_t at = bytes.find_first_not_of(" \t");
    if (at == std::string::npos || bytes.compare(at, 2, "\r\n") == 0) {
        throw UpdateFailure("the marker " + path + " is empty");
    }
    if (bytes[at] == '"') {
        const size_t end = bytes.find('"', at + 1);
        return bytes.substr(at + 1, end == std::string::npos ? end : end - at - 1);
    }
    const size_t end = bytes.find_first_of(",\r\n", at);
    std::string field = bytes.substr(at, end == std::string::npos ? end : end - at);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.pop_back();
    return field;
}

void WriteMarker(const std::string& path, const std::string& Version) {
    std::string error;
    if (!platform::WriteBytesAtomic(path, "\"" + Version + "\"\r\n", &error)) {
        throw UpdateFailure("the marker " + path + " cannot be written: " + error);
    }
}

}  // namespace patchwell
