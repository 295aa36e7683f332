// The zip class over the library stand-in: listing, selection, extraction and its options,
// and archives that must be refused.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <map>

#include "platform/base/paths.h"
#include "tests/support/failing_writes.h"
#include "tests/support/test_paths.h"
#include "tests/updater/zip_fixture.h"
#include "updater/unzip/c_unzip.h"
#include "updater/unzip/m_unzip.h"

namespace patchwell {
namespace {

using kestrane::test::FolderEntries;
using kestrane::test::MakeZip;
using kestrane::test::ReadHostFile;
using kestrane::test::RefusedBy;
using kestrane::test::SwapSupport;
using kestrane::test::WriteHostFile;
using kestrane::test::ZipBytes;

class UnzipTest : public ::testing::Test {
  protected:
    std::string Host(const std::string& rel) const { return dir_.path().toStdString() + "/" + rel; }
    // The library takes Windows paths; a host path is one too (Z:).
    std::string Win(const std::string& rel) const { return platform::ToWindowsPath(Host(rel)); }
    bool Exists(const std::string& rel) const {
        return QFileInfo::exists(QString::fromStdString(Host(rel)));
    }
    void SetUp() override { QDir().mkpath(QString::fromStdString(Host("out"))); }

    std::unique_ptr<cUnzip> Zip(const std::string& archive, bool folders = true) {
        auto zip = std::make_unique<cUnzip>();
        zip->ZipFile(Win(archive));
        zip->UnzipFolder(Win("out"));
        zip->UseFolderNames(folders);
        zip->OverwriteExisting(true);
        return zip;
    }

    QTemporaryDir dir_;
};

TEST_F(UnzipTest, ExtractsEveryEntryAndAnswersTrue) {
    MakeZip(Host("a.zip"), {{"maps/sub/a.ut2", "AAA"}, {"b.txt", "B"}});
    auto zip = Zip("a.zip");
    std::vector<std::string> progress;
    zip->Progress = [&](int32_t count, const std::string& msg) {
        EXPECT_EQ(count, 1);
        progress.push_back(msg);
    };
    EXPECT_TRUE(zip->Unzip());
    EXPECT_EQ(ReadHostFile(Host("out/maps/sub/a.ut2")), "AAA");
    EXPECT_EQ(ReadHostFile(Host("out/b.txt")), "B");
    ASSERT_EQ(progress.size(), 2u);
    EXPECT_NE(progress[0].find("maps\\sub\\a.ut2"), std::string::npos) << progress[0];
}

TEST_F(UnzipTest, WithoutFolderNamesEveryFileLandsInTheFolder) {
    MakeZip(Host("a.zip"), {{"maps/sub/a.ut2", "AAA"}});
    EXPECT_TRUE(Zip("a.zip", false)->Unzip());
    EXPECT_EQ(ReadHostFile(Host("out/a.ut2")), "AAA");
    EXPECT_FALSE(Exists("out/maps"));
}

TEST_F(UnzipTest, FolderNamesMatchExistingFoldersWithoutCase) {
    QDir().mkpath(QString::fromStdString(Host("out/Maps")));
    MakeZip(Host("a.zip"), {{"MAPS/x.ut2", "X"}});
    EXPECT_TRUE(Zip("a.zip")->Unzip());
    EXPECT_EQ(ReadHostFile(Host("out/Maps/x.ut2")), "X");
}

TEST_F(UnzipTest, DirectoryListsAndSelectionChoosesWhatIsExtracted) {
    MakeZip(Host("a.zip"),
            {{"maps/one.ut2", std::string(1000, 'x')}, {"two.txt", "2"}, {"maps/three.ut2", "3"}});
    auto zip = Zip("a.zip");
    EXPECT_EQ(zip->Directory(), 0);
    ASSERT_EQ(zip->FileCount(), 3);
    EXPECT_EQ(zip->Filename(1), "one.ut2");
    EXPECT_EQ(zip->FileDirectory(1), "maps");
    EXPECT_EQ(zip->FileSize(1), 1000);
    EXPECT_LT(zip->FilePackedSize(1), 1000);
    EXPECT_EQ(zip->FileDirectory(2), "");
    EXPECT_TRUE(zip->FileSelected(3));
    EXPECT_THROW(zip->Filename(4), std::out_of_range);
    EXPECT_THROW(zip->Filename(0), std::out_of_range);

    zip->FileSelected(3, false);
    EXPECT_TRUE(zip->Unzip());
    EXPECT_TRUE(Exists("out/maps/one.ut2"));
    EXPECT_TRUE(Exists("out/two.txt"));
    EXPECT_FALSE(Exists("out/maps/three.ut2"));

    zip->ZipFile(Win("a.zip"));
    EXPECT_EQ(zip->FileCount(), 0);
}

TEST_F(UnzipTest, PackedSizeIsSizeTimesFactor) {
    cUnzip zip;
    zip.DirectoryListAddFile("a", "", QDateTime(), 1000, 0, false, 45, "Defl:N");
    zip.DirectoryListAddFile("", "", QDateTime(), 1, 0, false, 1, "");  // no name: not listed
    ASSERT_EQ(zip.FileCount(), 1);
    EXPECT_EQ(zip.FilePackedSize(1), 450);
}

TEST_F(UnzipTest, OverwriteRules) {
    MakeZip(Host("a.zip"), {{"f.txt", "new"}});
    WriteHostFile(Host("out/f.txt"), "old");
    auto keep = Zip("a.zip");
    keep->OverwriteExisting(false);
    EXPECT_TRUE(keep->Unzip());
    EXPECT_EQ(ReadHostFile(Host("out/f.txt")), "old");

    // Asked: the untouched answer 100 keeps the file; 102 replaces it.
    keep->PromptToOverwrite(true);
    std::vector<std::string> asked;
    keep->OverwritePrompt = [&](const std::string& name, int32_t& response) {
        asked.push_back(name);
        EXPECT_EQ(response, 100);
    };
    EXPECT_TRUE(keep->Unzip());
    EXPECT_EQ(ReadHostFile(Host("out/f.txt")), "old");
    EXPECT_EQ(asked, std::vector<std::string>{"f.txt"});
    keep->OverwritePrompt = [](const std::string&, int32_t& response) { response = 102; };
    EXPECT_TRUE(keep->Unzip());
    EXPECT_EQ(ReadHostFile(Host("out/f.txt")), "new");
}

TEST_F(UnzipTest, NameAndContentOptions) {
    MakeZip(Host("a.zip"), {{"my file.txt", "a\nb\r\nc\n"}, {"bin.dat", std::string("x\0\ny", 4)}});
    auto zip = Zip("a.zip");
    zip->SpaceToUnderScore(true);
    zip->ConvertCRToCRLF(true);
    EXPECT_TRUE(zip->Unzip());
    EXPECT_EQ(ReadHostFile(Host("out/my_file.txt")), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(ReadHostFile(Host("out/bin.dat")), std::string("x\0\ny", 4));
}

TEST_F(UnzipTest, TestModeWritesNothing) {
    MakeZip(Host("a.zip"), {{"f.txt", "x"}});
    auto zip = Zip("a.zip");
    zip->TestZip(true);
    EXPECT_TRUE(zip->Unzip());
    EXPECT_FALSE(Exists("out/f.txt"));
}

TEST_F(UnzipTest, OnlyNewerKeepsAFileNewerThanTheEntry) {
    MakeZip(Host("a.zip"), {{"f.txt", "archive"}});
    WriteHostFile(Host("out/f.txt"), "disk");  // written now: newer than the entry
    auto zip = Zip("a.zip");
    zip->ExtractOnlyNewer(true);
    EXPECT_TRUE(zip->Unzip());
    EXPECT_EQ(ReadHostFile(Host("out/f.txt")), "disk");
}

TEST_F(UnzipTest, CancelFromTheServiceEventStops) {
    MakeZip(Host("a.zip"), {{"f.txt", "x"}});
    auto zip = Zip("a.zip");
    zip->Cancel = [](const std::string& name, bool& cancel) { cancel = name == "f.txt"; };
    EXPECT_FALSE(zip->Unzip());
    EXPECT_FALSE(Exists("out/f.txt"));
}

TEST_F(UnzipTest, UnsafeArchivesAreRefusedWhole) {
    const std::vector<std::vector<kestrane::test::ZipMember>> archives = {
        {{"good.txt", "g"}, {"../evil.txt", "e"}},
        {{"good.txt", "g"}, {"sub/../../evil.txt", "e"}},
        {{"good.txt", "g"}, {"/tmp/evil.txt", "e"}},
        {{"good.txt", "g"}, {"C:/evil.txt", "e"}},
        {{"good.txt", "g"}, {"..\\evil.txt", "e"}},
        {{"good.txt", "g"}, {"link", "/etc", true}},
    };
    for (bool folders : {true, false}) {
        for (const auto& members : archives) {
            MakeZip(Host("bad.zip"), members);
            EXPECT_FALSE(Zip("bad.zip", folders)->Unzip()) << members[1].name;
            EXPECT_FALSE(Exists("out/good.txt")) << members[1].name;
            EXPECT_FALSE(Exists("evil.txt"));
            EXPECT_FALSE(Exists("out/link"));
        }
    }
}

// A name Windows cannot hold would reach the game mangled or not at all, and one named like a
// temporary copy would be deleted by the next start: the archive is refused whole, naming the
// entry and why, before anything is written. Old-style archives store the name's bytes as
// they stand, so a control byte there is judged as the byte it is.
TEST_F(UnzipTest, NamesNoFileMayBearAreRefusedWhole) {
    const std::string windows = ", which Windows does not allow in names";
    const std::string temp = "it is named like a temporary copy, which the next start deletes";
    const std::string dot = " ends in a dot, which Windows does not allow at the end of a name";
    const std::string blank = " ends in a blank, which Windows does not allow at the end of a name";
    const auto device = [](const std::string& name) {
        return " names the device " + name + ", which Windows does not allow as a name";
    };
    using namespace std::string_literals;
    struct Case {
        kestrane::test::ZipMember entry;
        std::string error;
        std::string stored = {};  // the name's bytes in the archive, when no writer stores them
    };
    const Case cases[] = {
        {{"badZname.ut2", "x"},
         "bad<NUL>name.ut2 is not a file name: it holds the control character <NUL>" + windows,
         "bad\0name.ut2"s},
        {{"bad\x01name.ut2", "x", false, false, true},
         "bad<0x01>name.ut2 is not a file name: it holds the control character <0x01>" + windows},
        {{"Maps/bad\x1fname.ut2", "x", false, false, true},
         "Maps\\bad<0x1F>name.ut2 is not a file name: it holds the control character <0x1F>" +
             windows},
        {{"tab\tname.ut2", "x"},
         "tab<0x09>name.ut2 is not a file name: it holds the control character <0x09>" + windows},
        {{"what?.ut2", "x"}, "what?.ut2 is not a file name: it holds \"?\"" + windows},
        {{"a<b>.ut2", "x"}, "a<b>.ut2 is not a file name: it holds \"<\"" + windows},
        {{"a>b.ut2", "x"}, "a>b.ut2 is not a file name: it holds \">\"" + windows},
        {{"Map:1.ut2", "x"}, "Map:1.ut2 is not a file name: it holds \":\"" + windows},
        {{"say\"hi\".ut2", "x"}, "say\"hi\".ut2 is not a file name: it holds \"\"\"" + windows},
        {{"a|b.ut2", "x"}, "a|b.ut2 is not a file name: it holds \"|\"" + windows},
        {{"star*.ut2", "x"}, "star*.ut2 is not a file name: it holds \"*\"" + windows},
        {{"Why?/x.ut2", "x"}, "Why?\\x.ut2 is not a file name: it holds \"?\"" + windows},
        {{"Keep.ut2.kestrane-tmp-abcdef", "x"},
         "Keep.ut2.kestrane-tmp-abcdef is not a file name: " + temp},
        {{"Maps/Old.kestrane-tmp-Ab12Z9/x.ut2", "x"},
         "Maps\\Old.kestrane-tmp-Ab12Z9\\x.ut2 is not a file name: " + temp},
        // A drive letter's colon is named like any other, not taken for a way out.
        {{"a:b.ut2", "x"}, "a:b.ut2 is not a file name: it holds \":\"" + windows},
        // Windows drops a trailing dot or blank: the file would land on another's name.
        {{"Map.ut2.", "x"}, "Map.ut2. is not a file name: \"Map.ut2.\"" + dot},
        {{"Map.ut2 ", "x"}, "Map.ut2  is not a file name: \"Map.ut2 \"" + blank},
        {{"Maps /x.ut2", "x"}, "Maps \\x.ut2 is not a file name: \"Maps \"" + blank},
        {{"Maps./x.ut2", "x"}, "Maps.\\x.ut2 is not a file name: \"Maps.\"" + dot},
        {{"...", "x"}, "... is not a file name: \"...\"" + dot},
        {{"caf\x82./x.ut2", "x", false, false, true},  // CP437 é, named as the player reads it
         "caf\xe9.\\x.ut2 is not a file name: \"caf\xe9.\"" + dot},
        // Device names, alone or with an extension, in any case; blanks before the dot count
        // for nothing.
        {{"CON", "x"}, "CON is not a file name: \"CON\"" + device("CON")},
        {{"nul", "x"}, "nul is not a file name: \"nul\"" + device("NUL")},
        {{"com1.txt", "x"}, "com1.txt is not a file name: \"com1.txt\"" + device("COM1")},
        {{"aux.ut2", "x"}, "aux.ut2 is not a file name: \"aux.ut2\"" + device("AUX")},
        {{"lpt9.u", "x"}, "lpt9.u is not a file name: \"lpt9.u\"" + device("LPT9")},
        {{"Prn.tar.gz", "x"}, "Prn.tar.gz is not a file name: \"Prn.tar.gz\"" + device("PRN")},
        {{"NUL .txt", "x"}, "NUL .txt is not a file name: \"NUL .txt\"" + device("NUL")},
        {{"CON.", "x"}, "CON. is not a file name: \"CON.\"" + device("CON")},
        {{"Maps/Com9/x.ut2", "x"},
         "Maps\\Com9\\x.ut2 is not a file name: \"Com9\"" + device("COM9")},
    };
    for (bool folders : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.error);
            WriteHostFile(Host("out/good.txt"), "old");
            MakeZip(Host("bad.zip"), {{"good.txt", "new"}, c.entry});
            if (!c.stored.empty()) {
                WriteHostFile(Host("bad.zip"),
                              kestrane::test::WithStoredName(ReadHostFile(Host("bad.zip")),
                                                             c.entry.name, c.stored));
            }
            int created = 0;
            platform::SetWriteFaultForTest([&](platform::WriteStep step, int64_t) {
                created += step == platform::WriteStep::Create;
                return 0;
            });
            auto zip = Zip("bad.zip", folders);
            EXPECT_FALSE(zip->Unzip());
            platform::SetWriteFaultForTest(nullptr);
            EXPECT_EQ(zip->LastResult(), platform::kUnzipRefusedName);
            EXPECT_EQ(zip->LastError(), c.error + "; nothing extracted");
            EXPECT_EQ(created, 0);
            EXPECT_EQ(FolderEntries(Host("out")), std::vector<std::string>{"good.txt"});
            EXPECT_EQ(ReadHostFile(Host("out/good.txt")), "old");
        }
    }
}

// Blanks, dots, brackets, "#", "&" and letters beyond ASCII, in either encoding, are names like
// any other; so are a leading blank and names that only begin like a device, or hold one after
// the first dot, which Windows holds.
TEST_F(UnzipTest, OrdinaryNamesAreStillUnpacked) {
    MakeZip(Host("a.zip"), {{"with space.ut2", "1"},
                            {"dots.in.name.ut2", "2"},
                            {"caf\x82.ut2", "3", false, false, true},  // CP437 é
                            {"Maps/na\xc3\xafve \xc3\xa9t\xc3\xa9.ut2", "4"},
                            {"Map[1].ut2", "5"},
                            {"#1 & R&D.ut2", "6"},
                            {"Keep.ut2.kestrane-tmp-abc", "7"},  // not the copies' pattern
                            {" lead.ut2", "8"},
                            {"CONSOLE.u", "9"},
                            {"Maps/con1.txt", "10"},
                            {"COM0.u", "11"},
                            {"lpt10.u", "12"},
                            {"thesis.aux", "13"},
                            {"Maps/./dot.ut2", "14"}});
    EXPECT_TRUE(Zip("a.zip")->Unzip());
    EXPECT_EQ(ReadHostFile(Host("out/with space.ut2")), "1");
    EXPECT_EQ(ReadHostFile(Host("out/dots.in.name.ut2")), "2");
    EXPECT_EQ(ReadHostFile(Host("out/caf\xc3\xa9.ut2")), "3");
    EXPECT_EQ(ReadHostFile(Host("out/Maps/na\xc3\xafve \xc3\xa9t\xc3\xa9.ut2")), "4");
    EXPECT_EQ(ReadHostFile(Host("out/Map[1].ut2")), "5");
    EXPECT_EQ(ReadHostFile(Host("out/#1 & R&D.ut2")), "6");
    EXPECT_EQ(ReadHostFile(Host("out/Keep.ut2.kestrane-tmp-abc")), "7");
    EXPECT_EQ(ReadHostFile(Host("out/ lead.ut2")), "8");
    EXPECT_EQ(ReadHostFile(Host("out/CONSOLE.u")), "9");
    EXPECT_EQ(ReadHostFile(Host("out/Maps/con1.txt")), "10");
    EXPECT_EQ(ReadHostFile(Host("out/COM0.u")), "11");
    EXPECT_EQ(ReadHostFile(Host("out/lpt10.u")), "12");
    EXPECT_EQ(ReadHostFile(Host("out/thesis.aux")), "13");
    EXPECT_EQ(ReadHostFile(Host("out/Maps/dot.ut2")), "14");
}

TEST_F(UnzipTest, ALinkOnDiskIsNotFollowed) {
    QDir().mkpath(QString::fromStdString(Host("elsewhere")));
    ASSERT_EQ(symlink(Host("elsewhere").c_str(), Host("out/maps").c_str()), 0);
    MakeZip(Host("a.zip"), {{"maps/x.ut2", "X"}});
    EXPECT_FALSE(Zip("a.zip")->Unzip());
    EXPECT_FALSE(Exists("elsewhere/x.ut2"));
}

TEST_F(UnzipTest, DamagedOrMissingArchivesFail) {
    WriteHostFile(Host("notzip.zip"), "this is not a zip archive at all");
    EXPECT_FALSE(Zip("notzip.zip")->Unzip());
    EXPECT_FALSE(Zip("missing.zip")->Unzip());
    EXPECT_FALSE(cUnzip().Unzip());  // no archive named

    // Flip bytes inside the stored data: the CRC no longer matches.
    std::string noise(4000, '\0');
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 2654435761u) >> 13);
    MakeZip(Host("a.zip"), {{"f.txt", noise}});
    std::string bytes = ReadHostFile(Host("a.zip"));
    bytes[60] ^= 0x55;
    bytes[61] ^= 0x55;
    WriteHostFile(Host("a.zip"), bytes);
    EXPECT_FALSE(Zip("a.zip")->Unzip());
    EXPECT_FALSE(Exists("out/f.txt"));
}

// Every entry is written and checked before any old file is touched: a damaged later entry,
// one that holds more or less than it declares, or an archive declaring more than one update
// may take, leaves every old file byte for byte, no temporary file and no new folder.
TEST_F(UnzipTest, AnArchiveThatCannotBeUnpackedWholeChangesNothing) {
    const std::string zeros(1 << 20, '\0');
    struct Case {
        const char* what;
        std::string zip;
        int32_t result;
        std::string error;  // LastError, from its start
    };
    const std::vector<kestrane::test::ZipMember> good = {{"NewFolder/New.ut2", "new"},
                                                         {"Pack.ut2", "new map", false, true}};
    auto with = [&](kestrane::test::ZipMember last) {
        auto members = good;
        members.push_back(std::move(last));
        return ZipBytes(members);
    };
    const Case cases[] = {
        {"damaged later entry",
         kestrane::test::WithDamagedData(with({"Readme.txt", "the new readme", false, true}),
                                         "the new readme"),
         platform::kUnzipArchiveError, "Readme.txt: CRC error"},
        {"longer than declared",
         kestrane::test::WithDeclaredSize(with({"Readme.txt", zeros}), "Readme.txt", 1000),
         platform::kUnzipArchiveError, "Readme.txt: holds more than the 1000 bytes it declares"},
        {"shorter than declared",
         kestrane::test::WithDeclaredSize(with({"Readme.txt", "the new readme", false, true}),
                                          "Readme.txt", 5000),
         platform::kUnzipArchiveError, "Readme.txt: "},
        {"2 GiB declared by one entry",
         kestrane::test::WithDeclaredSize(with({"Readme.txt", zeros}), "Readme.txt", 1u << 31),
         platform::kUnzipTooLarge,
         "the entry Readme.txt declares 2147483648 bytes, more than the 1073741824 one update "
         "may take; nothing extracted"},
        {"1 GiB declared by each of two entries",
         kestrane::test::WithDeclaredSize(
             kestrane::test::WithDeclaredSize(
                 ZipBytes({{"Pack.ut2", zeros}, {"Readme.txt", zeros}}), "Pack.ut2", 1u << 30),
             "Readme.txt", 1u << 30),
         platform::kUnzipTooLarge,
         "the entries declare 2147483648 bytes, more than the 1073741824 one update may take; "
         "nothing extracted"},
        // 4 x 2^62 is 2^64: added in 64 bits the total wraps to 0.
        {"2^62 declared by each of four zip64 entries",
         kestrane::test::Zip64Declaring({{"Big1.ut2", std::string(64 << 10, '\0')},
                                         {"Big2.ut2", ""},
                                         {"Big3.ut2", ""},
                                         {"Big4.ut2", ""}},
                                        uint64_t{1} << 62),
         platform::kUnzipTooLarge,
         "the entry Big1.ut2 declares 4611686018427387904 bytes, more than the 1073741824 one "
         "update may take; nothing extracted"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteHostFile(Host("out/Pack.ut2"), "old map");
        WriteHostFile(Host("out/Readme.txt"), "old readme");
        WriteHostFile(Host("a.zip"), c.zip);
        int64_t mostWritten = 0;
        int created = 0;
        platform::SetWriteFaultForTest([&](platform::WriteStep step, int64_t written) {
            mostWritten = std::max(mostWritten, written);
            created += step == platform::WriteStep::Create;
            return 0;
        });
        auto zip = Zip("a.zip");
        EXPECT_FALSE(zip->Unzip());
        platform::SetWriteFaultForTest(nullptr);
        EXPECT_EQ(zip->LastResult(), c.result);
        EXPECT_EQ(zip->LastError().rfind(c.error, 0), 0u) << zip->LastError();
        EXPECT_EQ(ReadHostFile(Host("out/Pack.ut2")), "old map");
        EXPECT_EQ(ReadHostFile(Host("out/Readme.txt")), "old readme");
        EXPECT_EQ(FolderEntries(Host("out")), (std::vector<std::string>{"Pack.ut2", "Readme.txt"}));
        EXPECT_LE(mostWritten, 1000);  // a long entry is stopped before its excess is written
        if (c.result == platform::kUnzipTooLarge) {
            EXPECT_EQ(created, 0);
        }
    }
}

// A failure at any step of any file, the second file's in particular (the first has passed
// it, and after a failed rename is put back), keeps every old file and tells the system's
// reason with the file's Windows path; where the swap is refused, so do the steps that keep
// the old file aside and the rename after them.
TEST_F(UnzipTest, AFailingWriteStepKeepsEveryOldFileAndGivesTheReason) {
    using platform::WriteStep;
    struct Case {
        WriteStep step;
        int error;
        std::string message;  // up to the failing file's name
        std::string reason;
        SwapSupport support = SwapSupport::Swaps;
    };
    const Case cases[] = {
        {WriteStep::Create, EACCES, "cannot create ", "Permission denied"},
        {WriteStep::Write, ENOSPC, "cannot write ", "No space left on device"},
        {WriteStep::Flush, EFBIG, "cannot write ", "File too large"},
        {WriteStep::Close, EIO, "cannot write ", "Input/output error"},
        {WriteStep::Sync, EIO, "cannot write ", "Input/output error"},
        {WriteStep::Rename, EXDEV, "cannot write ", "Invalid cross-device link"},
        {WriteStep::Link, EIO, "cannot write ", "Input/output error", SwapSupport::NoSwap},
        {WriteStep::Rename, EIO, "cannot write ", "Input/output error", SwapSupport::NoSwap},
        {WriteStep::SetAside, ENOSPC, "cannot write ", "No space left on device",
         SwapSupport::NoSwapNoLinks},
        {WriteStep::Rename, EIO, "cannot write ", "Input/output error", SwapSupport::NoSwapNoLinks},
    };
    // Above one write block, so each file meets every step.
    std::string a(200 * 1024, 'a'), b(200 * 1024, 'b');
    MakeZip(Host("a.zip"), {{"a.ut2", a}, {"b.ut2", b}});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.reason << ", " << Describe(c.support));
        WriteHostFile(Host("out/a.ut2"), "old a");
        WriteHostFile(Host("out/b.ut2"), "old b");
        auto zip = Zip("a.zip");
        {
            kestrane::test::FailingWrites failing(c.step, c.error, 1, c.support);
            EXPECT_FALSE(zip->Unzip());
            EXPECT_EQ(failing.Failed(), 1);
        }
        EXPECT_EQ(zip->LastResult(), platform::kUnzipDiskError);
        const std::string& error = zip->LastError();
        // The syncs run together: either file may be the one that fails.
        const std::string failed = c.step == WriteStep::Sync && error.find("a.ut2") != error.npos
                                       ? Win("out/a.ut2")
                                       : Win("out/b.ut2");
        EXPECT_EQ(error, c.message + failed + ": " + c.reason);
        EXPECT_EQ(ReadHostFile(Host("out/a.ut2")), "old a");
        EXPECT_EQ(ReadHostFile(Host("out/b.ut2")), "old b");
        EXPECT_EQ(FolderEntries(Host("out")), (std::vector<std::string>{"a.ut2", "b.ut2"}));
    }
    EXPECT_TRUE(Zip("a.zip")->Unzip());
    EXPECT_EQ(ReadHostFile(Host("out/a.ut2")), a);
    EXPECT_EQ(ReadHostFile(Host("out/b.ut2")), b);
}

// An update of eight files, four of them replacing old ones, failed at each step of each file
// in turn, with the swap working and refused: a failure brings back every old file byte for
// byte and leaves no new file and no copy. Only a refused swap is no failure (the old file is
// then kept aside instead).
TEST_F(UnzipTest, AFailureAtAnyStepBringsBackEveryOldFile) {
    using platform::WriteStep;
    std::vector<kestrane::test::ZipMember> members;
    std::map<std::string, std::string> olds, news;
    for (int i = 0; i < 8; ++i) {
        const std::string name = "F" + std::to_string(i) + ".ut2";
        // Two above one write block, so that they meet the write step too.
        news[name] =
            std::string(i == 0 || i == 5 ? 100 * 1024 : 100 + i, static_cast<char>('a' + i));
        if (i % 2 == 0) olds[name] = "old " + name;
        members.push_back({name, news[name]});
    }
    MakeZip(Host("a.zip"), members);
    const auto layOld = [&] {
        QDir(QString::fromStdString(Host("out"))).removeRecursively();
        QDir().mkpath(QString::fromStdString(Host("out")));
        for (const auto& [name, bytes] : olds) WriteHostFile(Host("out/" + name), bytes);
    };
    const auto names = [](const std::map<std::string, std::string>& files) {
        std::vector<std::string> all;
        for (const auto& file : files) all.push_back(file.first);
        return all;
    };
    for (const SwapSupport support : kestrane::test::kSwapSupports) {
        SCOPED_TRACE(Describe(support));
        std::map<WriteStep, int> reached;
        layOld();
        platform::SetWriteFaultForTest([&](WriteStep step, int64_t) {
            ++reached[step];
            return kestrane::test::RefusedBy(support, step);
        });
        EXPECT_TRUE(Zip("a.zip")->Unzip());
        platform::SetWriteFaultForTest(nullptr);
        EXPECT_EQ(FolderEntries(Host("out")), names(news));
        EXPECT_GT(reached[WriteStep::SyncFolder], 0);
        for (const auto& [step, times] : reached) {
            if (kestrane::test::RefusedBy(support, step)) continue;
            for (int nth = 0; nth < times; ++nth) {
                const int error = nth % 2 ? EIO : ENOSPC;
                SCOPED_TRACE(testing::Message() << "step " << static_cast<int>(step) << ", time "
                                                << nth << ", " << strerror(error));
                layOld();
                auto zip = Zip("a.zip");
                bool ok;
                {
                    kestrane::test::FailingWrites failing(step, error, nth, support);
                    ok = zip->Unzip();
                    EXPECT_GE(failing.Failed(), 1);
                }
                EXPECT_EQ(ok, step == WriteStep::Exchange) << zip->LastError();
                const auto& expected = ok ? news : olds;
                EXPECT_EQ(FolderEntries(Host("out")), names(expected));
                for (const auto& [name, bytes] : expected) {
                    EXPECT_EQ(ReadHostFile(Host("out/" + name)), bytes) << name;
                }
            }
        }
    }
}

// A name near the 255 bytes a folder entry may have leaves no room for a kept old copy's mark.
// A new file needs none and is unpacked on every file system; an old one is swapped where the
// swap works, and where it is refused the update fails with the system's reason, the old file
// kept.
TEST_F(UnzipTest, ANameNearTheLimitIsUnpackedOrRefusedWithItsReason) {
    const std::string name = std::string(246, 'n') + ".ut2";
    MakeZip(Host("a.zip"), {{name, "new"}});
    for (const SwapSupport support : kestrane::test::kSwapSupports) {
        SCOPED_TRACE(Describe(support));
        QDir(QString::fromStdString(Host("out"))).removeRecursively();
        QDir().mkpath(QString::fromStdString(Host("out")));
        platform::SetWriteFaultForTest(
            [support](platform::WriteStep step, int64_t) { return RefusedBy(support, step); });
        auto fresh = Zip("a.zip");
        EXPECT_TRUE(fresh->Unzip()) << fresh->LastError();
        EXPECT_EQ(ReadHostFile(Host("out/" + name)), "new");
        WriteHostFile(Host("out/" + name), "old");
        auto over = Zip("a.zip");
        const bool swaps = support == SwapSupport::Swaps;
        EXPECT_EQ(over->Unzip(), swaps);
        platform::SetWriteFaultForTest(nullptr);
        if (!swaps) {
            EXPECT_EQ(over->LastError(),
                      "cannot write " + Win("out/" + name) + ": File name too long");
        }
        EXPECT_EQ(ReadHostFile(Host("out/" + name)), swaps ? "new" : "old");
        EXPECT_EQ(FolderEntries(Host("out")), std::vector<std::string>{name});
    }
}

// What stands in an entry's way is named by its Windows path, with the system's reason.
TEST_F(UnzipTest, WhatStandsInTheWayIsNamedByItsWindowsPath) {
    const std::string longName(300, 'x');
    QDir().mkpath(QString::fromStdString(Host("out/Folder.ut2")));
    WriteHostFile(Host("out/sub"), "a file");
    struct Case {
        std::string entry;
        std::string error;
    };
    const Case cases[] = {
        {"Folder.ut2", Win("out/Folder.ut2") + " is a folder"},
        {"sub/x.ut2", Win("out/sub") + " is not a folder"},
        {longName + "/x.ut2",
         "cannot create the folder " + Win("out") + "\\" + longName + ": File name too long"},
    };
    for (const Case& c : cases) {
        MakeZip(Host("a.zip"), {{"ok.ut2", "ok"}, {c.entry, "x"}});
        auto zip = Zip("a.zip");
        EXPECT_FALSE(zip->Unzip()) << c.entry;
        EXPECT_EQ(zip->LastError(), c.error);
        EXPECT_FALSE(Exists("out/ok.ut2"));
    }
}

TEST_F(UnzipTest, IncludeListAboveTheLimitFailsWithItsSource) {
    cUnzip zip;
    platform::UnzipOptions options;
    const std::vector<std::string> names(1024, "x");
    try {
        VBUnzip(zip, options, 1024, names, 0, {});
        FAIL() << "no failure";
    } catch (const UnzipFailure& failure) {
        EXPECT_NE(failure.source.find(".VBUnzip"), std::string::npos);
    }
    EXPECT_EQ(CurrentUnzip, nullptr);
}

TEST_F(UnzipTest, VersionComesFromTheLibrary) {
    int32_t major = -1, minor = -1, revision = -1;
    QDateTime date;
    std::string extra;
    cUnzip().GetVersion(major, minor, revision, date, extra);
    EXPECT_EQ(major, 1);
    EXPECT_EQ(minor, 0);
    EXPECT_EQ(extra, std::string(10, ' '));
}

TEST_F(UnzipTest, PrintMessagesOfOneByteOrTooLongRaiseNothing) {
    cUnzip zip;
    CurrentUnzip = &zip;
    int events = 0;
    zip.Progress = [&](int32_t, const std::string&) { ++events; };
    const std::string long_(1024, 'a');
    UnzipPrintCallback("a", 1);
    UnzipPrintCallback(long_.c_str(), 1024);
    EXPECT_EQ(events, 0);
    UnzipPrintCallback("ab", 2);
    EXPECT_EQ(events, 1);
}

TEST_F(UnzipTest, RefusedPasswordIsAskedOncePerCall) {
    cUnzip zip;
    CurrentUnzip = &zip;
    PasswordCancelled = false;
    int asked = 0;
    zip.PasswordRequest = [&](std::string& password, bool&) {
        ++asked;
        password = "   ";
    };
    char buffer[256] = {};
    EXPECT_EQ(UnzipPasswordCallback(buffer, 255, "", "a"), 1);
    EXPECT_EQ(UnzipPasswordCallback(buffer, 255, "", "b"), 1);
    EXPECT_EQ(asked, 1);
    PasswordCancelled = false;
    zip.PasswordRequest = [&](std::string& password, bool&) { password = " secret "; };
    EXPECT_EQ(UnzipPasswordCallback(buffer, 255, "", "a"), 0);
    EXPECT_STREQ(buffer, "secret");
}

}  // namespace
}  // namespace patchwell
