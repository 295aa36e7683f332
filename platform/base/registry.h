// Reads one value of the Windows registry as Wine keeps it: the text files system.reg
// (HKEY_LOCAL_MACHINE) and user.reg (HKEY_CURRENT_USER) of the prefix. Read only.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Root keys as their predefined handle values.
inline constexpr uint32_t kHkeyClassesRoot = 0x80000000;
inline constexpr uint32_t kHkeyCurrentUser = 0x80000001;
inline constexpr uint32_t kHkeyLocalMachine = 0x80000002;
inline constexpr uint32_t kHkeyUsers = 0x80000003;

// A text (REG_SZ), a number (REG_DWORD), or empty when the value could not be read.
class RegistryValue {
  public:
    enum class Kind { Empty, Text, Number };

    RegistryValue() = default;
    static RegistryValue OfText(std::string text);
    static RegistryValue OfNumber(int32_t number);

    Kind GetKind() const { return kind_; }
    bool IsEmpty() const { return kind_ == Kind::Empty; }
    // 8-bit text; a number gives its decimal digits, an empty value "".
    std::string Text() const;
    int32_t Number() const { return number_; }

    bool operator==(const RegistryValue&) const = default;

  private:
    Kind kind_ = Kind::Empty;
    std::string text_;
    int32_t number_ = 0;
};

// subKey "SOFTWARE\Unreal Technology\Installed Apps\UT2004", valueName "Folder" ("" is the
// key's default value). Key and value names compare without regard to case. Under
// HKEY_LOCAL_MACHINE a "Software\..." key is looked up in the 32-bit view
// ("Software\Wow6432Node\...") first, as a 32-bit program sees it, then as given.
// A missing file, key or value, REG_EXPAND_SZ and every other type give an empty value.
RegistryValue ReadRegistryValue(uint32_t rootKey, const std::string& subKey,
                                const std::string& valueName);

}  // namespace platform
