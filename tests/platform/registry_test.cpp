#include "platform/base/registry.h"

#include <gtest/gtest.h>

#include "tests/support/temp_prefix.h"

namespace {

using kestrane::test::TempPrefix;
using platform::RegistryValue;

constexpr const char* kUtKey = "SOFTWARE\\Unreal Technology\\Installed Apps\\UT2004";
constexpr const char* kUtSection =
    "[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2004] 1700000000\n#time=1d9\n";

struct RegistryCase {
    const char* name;
    std::string body;  // system.reg after its header
    const char* key;
    const char* value;
    RegistryValue expected;
};

class RegistryRead : public testing::TestWithParam<RegistryCase> {};

TEST_P(RegistryRead, GivesTheValueOrEmpty) {
    const RegistryCase& c = GetParam();
    TempPrefix prefix("");
    prefix.WriteSystemReg(c.body);
    EXPECT_EQ(platform::ReadRegistryValue(platform::kHkeyLocalMachine, c.key, c.value), c.expected);
}

const RegistryValue Text(std::string t) {
    return RegistryValue::OfText(std::move(t));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryRead,
    testing::Values(
        RegistryCase{"Text", std::string(kUtSection) + "\"Folder\"=\"C:\\\\UT2004\"\n", kUtKey,
                     "Folder", Text("C:\\UT2004")},
        // Wine leaves out the terminating NUL; data that holds one ends there.
        RegistryCase{"TextEndsAtNul", std::string(kUtSection) + "\"Folder\"=\"C:\\\\A\\0junk\"\n",
                     kUtKey, "Folder", Text("C:\\A")},
        // A REG_SZ without any NUL is written as hex(1): it reads whole.
        RegistryCase{"UnterminatedTextAsHex",
                     std::string(kUtSection) + "\"Folder\"=hex(1):43,00,3a,00,5c,\\\n  00,58,00\n",
                     kUtKey, "Folder", Text("C:\\X")},
        RegistryCase{"EmptyText", std::string(kUtSection) + "\"Folder\"=\"\"\n", kUtKey, "Folder",
                     Text("")},
        RegistryCase{"Dword", std::string(kUtSection) + "\"Count\"=dword:0000001e\n", kUtKey,
                     "Count", RegistryValue::OfNumber(30)},
        RegistryCase{"NegativeDword", std::string(kUtSection) + "\"Count\"=dword:ffffffff\n",
                     kUtKey, "Count", RegistryValue::OfNumber(-1)},
        RegistryCase{"ExpandStringIsEmpty",
                     std::string(kUtSection) + "\"Folder\"=str(2):\"C:\\\\UT2004\"\n", kUtKey,
                     "Folder", RegistryValue()},
        RegistryCase{"BinaryIsEmpty", std::string(kUtSection) + "\"Folder\"=hex:43,3a\n", kUtKey,
                     "Folder", RegistryValue()},
        RegistryCase{"MissingValue", std::string(kUtSection) + "\"Other\"=\"x\"\n", kUtKey,
                     "Folder", RegistryValue()},
        RegistryCase{"MissingKey", "[Software\\\\Wine] 1\n\"Folder\"=\"x\"\n", kUtKey, "Folder",
                     RegistryValue()},
        // A value of a subkey is not the key's own.
        RegistryCase{"SubkeyValueIsNotTheKeys",
                     std::string(kUtSection) + "\n[Software\\\\Unreal Technology\\\\Installed "
                                               "Apps\\\\UT2004\\\\Sub] 1\n\"Folder\"=\"x\"\n",
                     kUtKey, "Folder", RegistryValue()},
        RegistryCase{"NamesIgnoreCase",
                     "[software\\\\UNREAL technology\\\\installed apps\\\\ut2004] 1\n"
                     "\"FOLDER\"=\"D:\\\\Games\"\n",
                     kUtKey, "folder", Text("D:\\Games")},
        RegistryCase{"ThirtyTwoBitView",
                     "[Software\\\\Wow6432Node\\\\Unreal Technology\\\\Installed "
                     "Apps\\\\UT2004] 1\n\"Folder\"=\"C:\\\\Games\\\\UT2004\"\n",
                     kUtKey, "Folder", Text("C:\\Games\\UT2004")},
        // A 32-bit program sees its own view first.
        RegistryCase{"ThirtyTwoBitViewWins",
                     std::string(kUtSection) + "\"Folder\"=\"C:\\\\Plain\"\n\n" +
                         "[Software\\\\Wow6432Node\\\\Unreal Technology\\\\Installed "
                         "Apps\\\\UT2004] 1\n\"Folder\"=\"C:\\\\Wow\"\n",
                     kUtKey, "Folder", Text("C:\\Wow")},
        RegistryCase{"Escapes",
                     std::string(kUtSection) + "\"Folder\"=\"C:\\\\Sp\\xe9l \\\"q\\\"\\x20ac\"\n",
                     kUtKey, "Folder", Text("C:\\Sp\xe9l \"q\"\x80")},
        RegistryCase{"CharacterOutsideTheCodePage",
                     std::string(kUtSection) + "\"Folder\"=\"C:\\\\\\x4e2d\"\n", kUtKey, "Folder",
                     Text("C:\\?")},
        RegistryCase{"EscapedKeyName", "[Software\\\\Caf\\xe9\\\\Key] 1\n\"Folder\"=\"x\"\n",
                     "Software\\Caf\xe9\\Key", "Folder", Text("x")},
        RegistryCase{"DefaultValue", std::string(kUtSection) + "@=\"default\"\n", kUtKey, "",
                     Text("default")},
        RegistryCase{"CrLfLines",
                     "[Software\\\\Unreal Technology\\\\Installed Apps\\\\UT2004] 1\r\n"
                     "\"Folder\"=\"C:\\\\UT2004\"\r\n",
                     kUtKey, "Folder", Text("C:\\UT2004")}),
    [](const testing::TestParamInfo<RegistryCase>& info) { return info.param.name; });

TEST(Registry, NumbersJoinAsDigitsAndEmptyAsNothing) {
    EXPECT_EQ(RegistryValue::OfNumber(30).Text(), "30");
    EXPECT_EQ(RegistryValue::OfNumber(-7).Text(), "-7");
    EXPECT_EQ(RegistryValue().Text(), "");
}

TEST(Registry, MissingFileAndOtherRootsGiveEmpty) {
    TempPrefix prefix;
    EXPECT_EQ(platform::ReadRegistryValue(platform::kHkeyLocalMachine, kUtKey, "Folder").Text(),
              "C:\\UT2004");
    EXPECT_TRUE(platform::ReadRegistryValue(platform::kHkeyUsers, kUtKey, "Folder").IsEmpty());
    EXPECT_TRUE(
        platform::ReadRegistryValue(platform::kHkeyCurrentUser, kUtKey, "Folder").IsEmpty());
    prefix.Write("../user.reg", std::string("WINE REGISTRY Version 2\n\n") + kUtSection +
                                    "\"Folder\"=\"C:\\\\Mine\"\n");
    EXPECT_EQ(platform::ReadRegistryValue(platform::kHkeyCurrentUser, kUtKey, "Folder").Text(),
              "C:\\Mine");
    std::remove((prefix.Root() + "/system.reg").c_str());
    EXPECT_TRUE(
        platform::ReadRegistryValue(platform::kHkeyLocalMachine, kUtKey, "Folder").IsEmpty());
}

// A real prefix holds tens of thousands of keys; the key sits among them.
TEST(Registry, FindsTheKeyInALargeFile) {
    TempPrefix prefix("");
    std::string body;
    for (int i = 0; i < 40000; ++i) {
        body += "[Software\\\\Classes\\\\CLSID\\\\{" + std::to_string(i) + "}] 1\n";
        body += "@=\"Some component " + std::to_string(i) + "\"\n\"hex\"=hex:01,02,\\\n  03\n\n";
    }
    body += std::string(kUtSection) + "\"Folder\"=\"C:\\\\UT2004\"\n";
    prefix.WriteSystemReg(body);
    EXPECT_EQ(platform::ReadRegistryValue(platform::kHkeyLocalMachine, kUtKey, "Folder").Text(),
              "C:\\UT2004");
}

}  // namespace
