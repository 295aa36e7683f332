#include "platform/zip_central_names.h"

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <string_view>

namespace platform {
namespace {

constexpr qint64 kEndRecord = 22;  // "PK\5\6" and its fields, without the comment
constexpr qint64 kMaxComment = 0xFFFF;
constexpr qint64 kZip64Locator = 20;                 // "PK\6\7", just before the end record
constexpr qint64 kMaxDirectory = qint64{256} << 20;  // far beyond any archive an update takes

uint64_t Le(std::string_view bytes, size_t at, int width) {
    uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    }
    return value;
}

std::string ReadAt(QFile& file, qint64 offset, qint64 length) {
    if (offset < 0 || length < 0 || offset > file.size() || length > file.size() - offset ||
        !file.seek(offset)) {
        return {};
    }
    return file.read(length).toStdString();
}

}  // namespace

std::optional<std::vector<std::string>> CentralDirectoryNames(const QString& hostZip) {
    QFile file(hostZip);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 size = file.size();
    const qint64 tailStart = std::max<qint64>(0, size - kEndRecord - kMaxComment);
    const std::string tail = ReadAt(file, tailStart, size - tailStart);
    const size_t end = tail.size() < kEndRecord ? std::string::npos
                                                : tail.rfind("PK\5\6", tail.size() - kEndRecord);
    if (end == std::string::npos) return std::nullopt;
    uint64_t count = Le(tail, end + 10, 2);
    uint64_t length = Le(tail, end + 12, 4);
    uint64_t offset = Le(tail, end + 16, 4);
    if (count == 0xFFFF || length == 0xFFFFFFFF || offset == 0xFFFFFFFF) {
        const std::string locator =
            ReadAt(file, tailStart + static_cast<qint64>(end) - kZip64Locator, kZip64Locator);
        if (locator.size() != kZip64Locator || !locator.starts_with("PK\6\7")) return std::nullopt;
        const std::string record = ReadAt(file, static_cast<qint64>(Le(locator, 8, 8)), 56);
        if (record.size() != 56 || !record.starts_with("PK\6\6")) return std::nullopt;
        count = Le(record, 32, 8);
        length = Le(record, 40, 8);
        offset = Le(record, 48, 8);
    }
    if (length > static_cast<uint64_t>(kMaxDirectory)) return std::nullopt;
    const std::string directory =
        ReadAt(file, static_cast<qint64>(offset), static_cast<qint64>(length));
    if (directory.size() != length) return std::nullopt;

    std::vector<std::string> names;
    for (size_t at = 0; names.size() < count;) {
        if (directory.size() - at < 46 || directory.compare(at, 4, "PK\1\2") != 0) {
            return std::nullopt;
        }
        const size_t name = Le(directory, at + 28, 2);
        const size_t rest = name + Le(directory, at + 30, 2) + Le(directory, at + 32, 2);
        if (directory.size() - at - 46 < rest) return std::nullopt;
        names.push_back(directory.substr(at + 46, name));
        at += 46 + rest;
    }
    return names;
}

}  // namespace platform
