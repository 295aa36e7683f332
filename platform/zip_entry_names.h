// Rules on the names stored in a zip archive.
#pragma once

#include <QString>

namespace platform {

// A name that, written below a folder, would land outside it: empty, absolute, with a drive
// letter or "..", whichever separator it uses.
bool IsUnsafeEntryName(const QString& name);

// Wildcard match: * any run of characters, ? one character.
bool WildcardMatch(const QString& pattern, const QString& name, bool caseSensitive);

}  // namespace platform
