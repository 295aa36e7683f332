#include "editor/store/cache_ini.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "editor/store/cache_file_types.h"
#include "editor/store/cache_files.h"
#include "editor/store/ini_store.h"
#include "editor/store/ini_writer.h"
#include "editor/store/section_keys.h"

namespace kestrane {
namespace {

CacheIni Loaded(std::string_view text) {
    CacheIni cache;
    cache.Load(text);
    return cache;
}

TEST(CacheIni, ClassifiesLinesAndKeepsTheirEnds) {
    const CacheIni c =
        Loaded("[Cache]\r\nA-1=Map.ut2\nno equals\r\n\r\n[x=y]\nB-1=\nC-1=a=b.u\r\n=Lone.u");
    struct Row {
        CacheLineKind kind;
        const char* key;
        const char* value;
        const char* end;
    };
    const Row want[] = {{CacheLineKind::Header, "", "", "\r\n"},
                        {CacheLineKind::Entry, "A-1", "Map.ut2", "\n"},
                        {CacheLineKind::Odd, "", "", "\r\n"},
                        {CacheLineKind::Blank, "", "", "\r\n"},
                        {CacheLineKind::Header, "", "", "\n"},
                        {CacheLineKind::Entry, "B-1", "", "\n"},
                        {CacheLineKind::Entry, "C-1", "a=b.u", "\r\n"},
                        {CacheLineKind::Entry, "", "Lone.u", ""}};
    ASSERT_EQ(c.LineCount(), std::size(want));
    for (size_t i = 0; i < c.LineCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(c.Line(i).kind, want[i].kind);
        EXPECT_EQ(c.Line(i).Key(), want[i].key);
        EXPECT_EQ(c.Line(i).Value(), want[i].value);
        EXPECT_EQ(c.Line(i).end, want[i].end);
    }
    // Entries with a file name only: the empty value is neither counted nor listed.
    EXPECT_EQ(c.Entries(), (std::vector<size_t>{1, 6, 7}));
}

// A file name is at most 255 bytes as the host writes it (UTF-8): "é" takes two bytes there,
// "€" three.
TEST(CacheIni, FileNamesCountTheirLengthOnTheHostDisk) {
    struct Case {
        std::string name;
        bool entry;
    };
    const Case cases[] = {
        {std::string(255, 'a'), true},
        {std::string(256, 'a'), false},
        {std::string(125, '\xE9') + ".utx", true},   // 254 bytes
        {std::string(126, '\xE9') + ".utx", false},  // 256
        {std::string(200, '\xE9') + ".utx", false},  // 204 in cache.ini, 404 on the disk
        {std::string(84, '\x80') + ".u", true},      // 254
        {std::string(85, '\x80') + ".u", false},     // 257
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.size());
        const CacheIni cache = Loaded("[Cache]\r\nA-1=" + c.name + "\r\n");
        EXPECT_EQ(cache.Line(1).kind, c.entry ? CacheLineKind::Entry : CacheLineKind::Odd);
        EXPECT_EQ(cache.Entries().size(), c.entry ? 1u : 0u);
        EXPECT_EQ(cache.Text(), "[Cache]\r\nA-1=" + c.name + "\r\n");
    }
}

TEST(CacheIni, EntriesSharingAPayloadMatchTheirGuidsAsTheHostMatchesNames) {
    CacheIni cache = Loaded(
        "[Cache]\r\nG-1=One.utx\r\nH-1=Other.u\r\ng-1=Two.utx\r\nG-1=\r\n"
        "G-1=Three.UT2\r\n");
    EXPECT_EQ(cache.SharingPayload(3), (std::vector<size_t>{1, 5}));
    EXPECT_EQ(cache.SharingPayload(2), (std::vector<size_t>{}));
    cache.Remove(1);
    EXPECT_EQ(cache.SharingPayload(3), (std::vector<size_t>{5}));
    EXPECT_EQ(cache.SharingPayload(1), (std::vector<size_t>{}));  // removed: names nothing
}

// GUIDs differing only in case name one package exactly when the host takes them to one
// file: two files on a case-sensitive folder are two packages; one file alone is reached by
// either spelling.
TEST(CacheFiles, EntriesShareAPackageWhenTheirGuidsLeadToOneHostFile) {
    const std::string upper = "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC-1";
    const std::string lower = "cccccccccccccccccccccccccccccccc-1";
    const CacheIni cache = Loaded("[Cache]\r\n" + upper + "=Shared.u\r\n" + upper + "=Alias.u\r\n" +
                                  lower + "=Lower.u\r\nD-1=Other.u\r\n");
    struct Case {
        const char* name;
        std::vector<std::string> files;
        std::vector<size_t> sharedWithShared;  // row 1
        std::vector<size_t> sharedWithLower;   // row 3
    };
    const Case cases[] = {
        {"both spellings on disk", {upper, lower}, {2}, {}},
        {"only the upper one", {upper}, {2, 3}, {1, 2}},
        {"only the lower one", {lower}, {2, 3}, {1, 2}},
        {"neither", {}, {2}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        for (const std::string& guid : c.files) {
            QFile file(dir.filePath(QString::fromStdString(guid + ".uxx")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        const std::string folder = dir.path().toStdString() + "/";
        EXPECT_EQ(EntriesSharingPackage(folder, cache, 1), c.sharedWithShared);
        EXPECT_EQ(EntriesSharingPackage(folder, cache, 3), c.sharedWithLower);
        EXPECT_EQ(EntriesSharingPackage(folder, cache, 4), (std::vector<size_t>{}));
    }
}

TEST(CacheFiles, SharedPackageQuestionNamesTheOtherEntries) {
    const std::string tail =
        "\nYes: the file and every entry naming it go.\nNo: only the entry of "
        "T.u goes; the file stays.\nCancel: nothing changes.";
    EXPECT_EQ(SharedPackageQuestion("C:\\C\\G.uxx", "T.u", {"A.u", "B.u"}),
              "C:\\C\\G.uxx is the package of T.u, and A.u and B.u name it too.\n\nDelete the "
              "file, and those entries with it?" +
                  tail);
    EXPECT_EQ(SharedPackageQuestion("C:\\C\\G.uxx", "T.u", {"1", "2", "3", "4", "5", "6", "7"}),
              "C:\\C\\G.uxx is the package of T.u, and 1, 2, 3, 4, 5 and 2 more entries name it "
              "too.\n\nDelete the file, and those entries with it?" +
                  tail);
}

TEST(CacheIni, RewriteDropsOnlyTheRemovedLine) {
    struct Case {
        const char* name;
        const char* before;
        const char* remove;
        const char* after;
    };
    const Case cases[] = {
        {"crlf", "[Cache]\r\nA=a.u\r\nB=b.u\r\nC=c.u\r\n", "b.u", "[Cache]\r\nA=a.u\r\nC=c.u\r\n"},
        {"lf with blank end", "[Cache]\nA=a.u\nB=b.u\n\n", "b.u", "[Cache]\nA=a.u\n\n"},
        {"odd and blank kept", "junk\r\n\r\n[Cache]\nA=a.u\rx\nB=b.u", "b.u",
         "junk\r\n\r\n[Cache]\nA=a.u\rx\n"},
        {"last line without end", "[Cache]\r\nA=a.u\r\nB=b.u", "b.u", "[Cache]\r\nA=a.u\r\n"},
        {"first of two equal names", "A=same.u\r\nB=same.u\r\n", "same.u", "B=same.u\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CacheIni cache = Loaded(c.before);
        EXPECT_EQ(cache.Text(), c.before);
        const auto row = cache.FindEntry(c.remove);
        ASSERT_TRUE(row.has_value());
        cache.Remove(*row);
        EXPECT_EQ(cache.Text(), c.after);
    }
    CacheIni cache = Loaded("A=Map.ut2\r\n");
    EXPECT_FALSE(cache.FindEntry("map.ut2").has_value());  // names compare exactly
}

TEST(CacheFileTypes, TypeByExactExtension) {
    struct Case {
        const char* name;
        int list;  // -1: listed nowhere
        const char* folder;
    };
    const Case cases[] = {{"Pack.u", 0, "System\\"},
                          {"Pack.int", 0, "System\\"},
                          {"DM-A.b.ut2", 1, "Maps\\"},
                          {"T.utx", 2, "Textures\\"},
                          {"M.ogg", 3, "Music\\"},
                          {"S.uax", 4, "Sounds\\"},
                          {"SM.usx", 5, "StaticMeshes\\"},
                          {"A.ukx", 6, "Animations\\"},
                          {"K.ka", 7, "KarmaData\\"},
                          {"DM-A.UT2", -1, ""},
                          {"read.txt", -1, ""},
                          {"NoDot", -1, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CacheFileType* type = CacheTypeOf(c.name);
        if (c.list < 0) {
            EXPECT_EQ(type, nullptr);
            EXPECT_FALSE(ExportTarget("C:\\UT2004\\", c.name).has_value());
            continue;
        }
        ASSERT_NE(type, nullptr);
        EXPECT_EQ(type->list, c.list);
        EXPECT_EQ(ExportTarget("C:\\UT2004\\", c.name),
                  std::string("C:\\UT2004\\") + c.folder + c.name);
    }
    EXPECT_EQ(CacheCountText(0), " 0 Files In Cache");
    EXPECT_EQ(CacheCountText(1), " 1 File In Cache");
    EXPECT_EQ(CacheCountText(37), " 37 Files In Cache");
}

TEST(CacheFileTypes, NamesFromCacheIniNeverLeaveTheirFolder) {
    for (const char* bad :
         {"..\\..\\Evil.u", "..", ".", "", "sub/x.u", "C:x.u", "\\x.u", "a\tb.u"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(IsPlainFileName(bad));
        EXPECT_FALSE(PayloadPath("C:\\UT2004\\Cache\\", bad).has_value());
        EXPECT_FALSE(ExportTarget("C:\\UT2004\\", bad).has_value());
    }
    EXPECT_EQ(PayloadPath("C:\\UT2004\\Cache\\", "AB-1"), "C:\\UT2004\\Cache\\AB-1.uxx");
    EXPECT_TRUE(IsPlainFileName("..dots are fine.u"));
}

TEST(CacheDeleteValue, TrueFalseNumbersAndAnythingElse) {
    struct Case {
        const char* text;
        bool value;
    };
    const Case cases[] = {{"True", true}, {"tRUE", true}, {"False", false}, {"FALSE", false},
                          {"-1", true},   {"2.5", true},  {"0", false},     {"", false},
                          {"yes", false}, {"1x", false},  {" True ", true}};
    for (const Case& c : cases) EXPECT_EQ(CacheDeleteValue(c.text), c.value) << c.text;
}

TEST(SetValueInSection, AddsAMissingKeyInsideItsSectionOnly) {
    struct Case {
        const char* name;
        const char* before;
        const char* after;
    };
    // Inputs end without a line end, and so do the results.
    const Case cases[] = {
        {"present, other case", "[Core.System]\r\npurgecachedays=30\r\nX=1",
         "[Core.System]\r\npurgecachedays=7\r\nX=1"},
        {"missing, section followed by another",
         "[Engine.Engine]\r\nA=1\r\n\r\n[Core.System]\r\nSavePath=../Save\r\n\r\n[Next]\r\nB=2",
         "[Engine.Engine]\r\nA=1\r\n\r\n[Core.System]\r\nSavePath=../Save\r\nPurgeCacheDays=7\r\n"
         "\r\n[Next]\r\nB=2"},
        {"missing, last section", "[Core.System]\r\nSavePath=../Save",
         "[Core.System]\r\nSavePath=../Save\r\nPurgeCacheDays=7"},
        {"missing section", "[Engine.Engine]\r\nA=1",
         "[Engine.Engine]\r\nA=1\r\n[Core.System]\r\nPurgeCacheDays=7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniStore store;
        store.Load(c.before);
        SetValueInSection(store, "[Core.System]", "PurgeCacheDays", "7");
        EXPECT_EQ(WriteIniText(store), c.after);
        // The new row is found like a read one.
        EXPECT_EQ(GetVal(store, "PurgeCacheDays"), "7");
    }
}

}  // namespace
}  // namespace kestrane
