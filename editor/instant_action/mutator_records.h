// The mutators the game recorded in System\CacheRecords.ucl: one "Mutator=(...)" line each,
// with its class name, display name and description.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrane {

struct MutatorRecord {
    std::string name;         // FallbackName, between its quotes
    std::string className;    // ClassName, up to the next comma
    std::string description;  // FallbackDesc, with its quotes
};

struct MutatorList {
    std::vector<MutatorRecord> records;
    std::string note;  // why the list is empty when the file could not be read
};

// The file's text as 8-bit program text: a UTF-16LE or UTF-8 file (with its byte-order mark,
// as the game writes it) is converted, characters without an 8-bit form becoming "?"; any
// other file is taken as it is.
std::string RecordsText(const std::string& bytes);

// The mutator lines of the text, in file order. A line without a class name names no mutator
// the game could load and is passed over.
std::vector<MutatorRecord> ParseMutatorLines(std::string_view text);

// Reads the file; a file that is missing or cannot be read gives no records and a note.
MutatorList ReadMutatorRecords(const std::string& windowsPath);

}  // namespace kestrane
