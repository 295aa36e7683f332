// The Video, Render Devices and Audio pages through the real main window: the fields' limits
// and steppers, a comma locale, keys a section lacks, and edits of the real UT2004.ini files.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "editor/store/ini_store.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/field_tables.h"
#include "tests/player/locale_guard.h"
#include "tests/support/round_trip.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using test::EditorTest;

struct LimitCase {
    int index;
    const char* text;
    char action;  // '+' plus button, '-' minus button, '=' typed
    const char* after;
};

TEST(VideoFieldLimits, StepsFloorsAndChangeLimitsByIndex) {
    const LimitCase cases[] = {
        {0, "2.45", '+', "2.5"},   {0, "2.5", '+', "2.5"},    {0, "2.8", '=', "2.5"},
        {0, "-1", '=', "0"},       {0, "0.05", '-', "0"},     {1, "0.95", '+', "1"},
        {1, "1.0", '=', "1"},      {2, "0.0", '=', "0"},      {2, "0.5", '-', "0.4"},
        {3, "-7", '=', "-7"},      {3, "55", '=', "55"},      {4, "0.05", '-', "0"},
        {6, "0.2", '+', "0.3"},    {7, "60", '+', "65"},      {7, "3", '-', "0"},
        {9, "0", '-', "-0.1"},     {10, "0", '-', "-0.1"},    {15, "0", '-', "-0.1"},
        {18, "0", '-', "-1"},      {13, "4", '+', "5"},       {16, "0", '-', "0"},
        {19, "4", '+', "5"},       {21, "1", '-', "0"},       {22, "3", '+', "8"},
        {23, "64", '+', "65"},     {24, "0.8", '+', "0.9"},   {30, "0.1", '-', "0"},
        {31, "0.01", '+', "5.01"}, {32, "1000", '+', "2000"}, {33, "-3", '=', "-3"},
        {34, "0", '-', "-5"},      {34, "35", '+', "40"},     {34, "abc", '=', "saved"},
        {5, "", '=', "saved"},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " " << c.text << " " << c.action);
        const FieldRow& f = kVideoFields.at(static_cast<size_t>(c.index));
        const std::string after =
            c.action == '+'   ? TextAfterStepUp(c.text, "saved", f.rule, f.steps)
            : c.action == '-' ? TextAfterStepDown(c.text, "saved", f.rule, f.steps)
                              : TextAfterChange(c.text, "saved", f.rule);
        EXPECT_EQ(after, c.after);
    }
}

// The value of `key` in `section` of a saved UT2004.ini.
std::string SavedValue(const std::string& text, const char* key, const char* section) {
    IniStore store;
    store.Load(text);
    return GetVal2(store, key, section);
}

class VideoTabsTest : public EditorTest {
  public:
    using EditorTest::Controls;
    void Click(const char* name, int index) {
        Controls().Get<QAbstractButton>({name, index})->click();
    }
};

TEST_F(VideoTabsTest, TheThreePagesHoldTheirFramesAndControls) {
    Install();
    ASSERT_TRUE(Start());
    for (const char* frame : {"RenderEngineSettings", "ClientSetup"}) {
        EXPECT_NE(MainWindow().Tab("video")->findChild<QWidget*>(frame), nullptr) << frame;
    }
    for (const char* frame : {"Direct3D", "OpenGL", "Software", "PixomaticRender"}) {
        EXPECT_NE(MainWindow().Tab("render")->findChild<QWidget*>(frame), nullptr) << frame;
    }
    EXPECT_NE(MainWindow().Tab("audio")->findChild<QWidget*>("AudioSystem"), nullptr);
    for (int i = 0; i <= 33; ++i) EXPECT_NE(Controls().Find({"tbx_video", i}), nullptr) << i;
    EXPECT_NE(Controls().Find({"b_VideoAdd", 34}), nullptr);
    auto* fullscreen = Controls().Get<QComboBox>({"cbx_Video", 0});
    ASSERT_NE(fullscreen, nullptr);
    EXPECT_EQ(fullscreen->count(), 13);
    EXPECT_EQ(fullscreen->itemText(5), "846  X 768");
    EXPECT_EQ(Controls().Get<QComboBox>({"cbx_Video", 8})->itemText(6), "UltraHigh");
}

TEST_F(VideoTabsTest, UnderACommaLocaleTheFileLoadsAndASteppedGammaSavesWithAPoint) {
    const test::LocaleGuard french(',', ' ');
    Install(test::kSmallUserIni,
            "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n"
            "[WinDrv.WindowsClient]\r\nGamma=0.830000\r\nBrightness=0.800000\r\n"
            "MinDesiredFrameRate=35.000000\r\n[ALAudio.ALAudioSubsystem]\r\n"
            "MusicVolume=0.800000\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Controls().Text({"tbx_video", 0}), "0.83");
    EXPECT_EQ(Controls().Text({"tbx_MinRefRate"}), "35");
    EXPECT_EQ(Controls().Text({"tbx_video", 24}), "0.8");
    Click("b_VideoAdd", 0);
    Click("b_VideoSub", 24);
    Trigger("frmFileSave");
    const std::string saved = SystemFile("UT2004.ini");
    EXPECT_EQ(SavedValue(saved, "Gamma", "[WinDrv.WindowsClient]"), "0.93");  // from 0.83
    EXPECT_EQ(SavedValue(saved, "MusicVolume", "[ALAudio.ALAudioSubsystem]"), "0.7");
    EXPECT_EQ(SavedValue(saved, "Brightness", "[WinDrv.WindowsClient]"), "0.800000");
}

TEST_F(VideoTabsTest, TheRenderButtonsChooseOneAndAClickOnTheChosenOneKeepsIt) {
    Install(test::kSmallUserIni,
            "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n"
            ";RenderDevice=D3D9Drv.D3D9RenderDevice\r\n;RenderDevice=Engine.NullRenderDevice\r\n"
            ";RenderDevice=OpenGLDrv.OpenGLRenderDevice\r\n"
            ";RenderDevice=PixoDrv.PixoRenderDevice\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Controls().Value({"RenOption", 0}), 1);
    Click("RenOption", 0);
    EXPECT_EQ(Controls().Value({"RenOption", 0}), 1);
    Click("RenOption", 2);
    EXPECT_EQ(Controls().Value({"RenOption", 0}), 0);
    EXPECT_EQ(Controls().Value({"RenOption", 2}), 1);
}

// A device with no line in the run cannot be made active: its button says so.
TEST_F(VideoTabsTest, RenderButtonsWhoseDeviceHasNoLineAreGreyedWithATip) {
    struct Case {
        const char* ut;
        bool enabled[3];
    };
    const Case cases[] = {
        {"[WinDrv.WindowsClient]\r\nGamma=0.8\r\n", {false, false, false}},
        {"[Engine.Engine]\r\nRenderDevice=D3D9Drv.D3D9RenderDevice\r\n"
         ";RenderDevice=PixoDrv.PixoRenderDevice\r\n",
         {true, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ut);
        TearDown();
        SetUp();
        Install(test::kSmallUserIni, c.ut);
        ASSERT_TRUE(Start());
        for (int i = 0; i < 3; ++i) {
            auto* button = Controls().Get<QAbstractButton>({"RenOption", i});
            EXPECT_EQ(button->isEnabled(), c.enabled[i]) << i;
            EXPECT_EQ(button->toolTip().isEmpty(), c.enabled[i]) << i;
        }
        EXPECT_EQ(Controls().Get<QAbstractButton>({"RenOption", 1})->toolTip(),
                  "Not in UT2004.ini: [Engine.Engine] has no "
                  "RenderDevice=OpenGLDrv.OpenGLRenderDevice line, so this setting is not saved.");
        Click("RenOption", 1);
        Trigger("frmFileSave");
        EXPECT_EQ(SystemFile("UT2004.ini"), c.ut);
    }
}

TEST_F(VideoTabsTest, AKeyTheSectionLacksDisablesItsFieldWithATip) {
    Install(
        test::kSmallUserIni,
        "[WinDrv.WindowsClient]\r\nTextureMinLOD=0\r\n[SDLDrv.SDLClient]\r\nTextureMaxLOD=0\r\n");
    ASSERT_TRUE(Start());
    auto* maxLod = Controls().Get<QLineEdit>({"tbx_video", 4});
    EXPECT_FALSE(maxLod->isEnabled());
    EXPECT_TRUE(maxLod->toolTip().contains("TextureMaxLOD"));
    EXPECT_FALSE(Controls().Find({"b_VideoAdd", 4})->isEnabled());
    EXPECT_TRUE(Controls().Find({"tbx_video", 5})->isEnabled());
    EXPECT_TRUE(Controls().Find({"tbx_video", 5})->toolTip().isEmpty());
}

struct UtEdit {
    const char* name;
    std::function<void(VideoTabsTest&)> apply;
    std::function<bool(const std::string& was, const std::string& now)> allowed;
};

bool KeyIs(const std::string& line, std::initializer_list<const char*> keys) {
    for (const char* key : keys) {
        if (line.starts_with(std::string(key) + "=")) return true;
    }
    return false;
}

TEST_F(VideoTabsTest, AnEditOfARealUt2004IniChangesItsLinesAndNothingElse) {
    const std::vector<std::string> files = test::RealUt2004Inis();
    if (files.empty()) GTEST_SKIP() << "real fixtures absent";
    const std::vector<UtEdit> edits = {
        {"resolution",
         [](VideoTabsTest& t) {
             t.Controls().SetText({"cbx_Video", 0}, "640 X 480");
         },
         [](const std::string&, const std::string& now) {
             return KeyIs(now, {"FullscreenViewportX", "FullscreenViewportY"});
         }},
        {"render device", [](VideoTabsTest& t) { t.Click("RenOption", 1); },
         [](const std::string& was, const std::string& now) {
             // Only the key changes: the device class stays.
             return KeyIs(now, {"RenderDevice", ";RenderDevice"}) &&
                    was.substr(was.find('=')) == now.substr(now.find('='));
         }},
        {"gamma", [](VideoTabsTest& t) { t.Click("b_VideoAdd", 0); },
         [](const std::string&, const std::string& now) { return KeyIs(now, {"Gamma"}); }},
    };
    for (const std::string& path : files) {
        const std::vector<std::string> forms = test::RealFileForms(path);
        const std::string& ut = forms.back();
        SCOPED_TRACE(path);
        TearDown();
        SetUp();
        Install(test::kSmallUserIni, ut);
        ASSERT_TRUE(Start());
        Trigger("frmFileSave");
        const std::string untouched = SystemFile("UT2004.ini");
        for (const UtEdit& edit : edits) {
            SCOPED_TRACE(edit.name);
            TearDown();
            SetUp();
            Install(test::kSmallUserIni, ut);
            ASSERT_TRUE(Start());
            edit.apply(*this);
            Trigger("frmFileSave");
            const std::string saved = SystemFile("UT2004.ini");
            const std::vector<std::string> was = test::LinesWithEnds(untouched);
            const std::vector<std::string> now = test::LinesWithEnds(saved);
            ASSERT_EQ(was.size(), now.size());
            int changed = 0;
            for (size_t i = 0; i < was.size(); ++i) {
                if (was[i] == now[i]) continue;
                ++changed;
                EXPECT_TRUE(edit.allowed(was[i], now[i])) << was[i] << " -> " << now[i];
            }
            if (std::string(edit.name) == "render device") {
                IniStore store;
                store.Load(saved);
                // A file with an OpenGL line now makes it active; one without changes nothing.
                const bool hasOpenGL =
                    untouched.find("RenderDevice=OpenGLDrv.OpenGLRenderDevice") !=
                    std::string::npos;
                if (hasOpenGL) {
                    EXPECT_EQ(GetVal(store, "RenderDevice"), "OpenGLDrv.OpenGLRenderDevice");
                } else {
                    EXPECT_EQ(changed, 0);
                    EXPECT_FALSE(Controls().Get<QAbstractButton>({"RenOption", 1})->isEnabled());
                }
                EXPECT_EQ(saved.find("\n;[URL]"), std::string::npos);
            }
            if (std::string(edit.name) == "resolution" &&
                untouched.find("\nFullscreenViewportX=") != std::string::npos) {
                EXPECT_EQ(SavedValue(saved, "FullscreenViewportX", "[WinDrv.WindowsClient]"),
                          "640");
            }
        }
    }
}

}  // namespace
}  // namespace kestrane
