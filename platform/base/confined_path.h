// Paths read from a record the program keeps for itself name folders it may act in. Anything
// may have been written there, and anything may stand on the disk along the way, so a path is
// acted on only when, written plainly, it lies below a folder the program writes in, and only
// through folders reached from there without following a link.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The absolute host path with one "/" between its parts and none at its end; empty when it is
// relative, holds a NUL byte or has a "." or ".." part.
std::string PlainHostPath(std::string_view path);
// The parts of plain `path` below plain `root`, joined by "/" ("" for the root itself); none
// when the path lies outside it.
std::optional<std::string> PartBelow(std::string_view path, std::string_view root);
// Opens the folder `below` (parts joined by "/", as PartBelow gives them) inside the open
// folder `fromFd`, following no link at any part: a descriptor, or -1 with errno (ELOOP or
// ENOTDIR where a part is a link or no folder).
int OpenFolderBelow(int fromFd, std::string_view below);
// Opens the folder at the host path when it lies at or below the host folder `root` (as given,
// or as the root's links resolve), reaching it from the root through no link: a descriptor, or
// -1 with errno (EXDEV when it lies outside the root). The root itself is the program's own
// and is opened as it is.
int OpenFolderWithin(const std::string& root, std::string_view path);

}  // namespace platform
