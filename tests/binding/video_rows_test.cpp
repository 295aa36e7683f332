// The video, render device and audio rows through the binding walks over plain controls, and
// the render-device run and resolution text they rest on.
#include <gtest/gtest.h>

#include "editor/binding/areas.h"
#include "editor/binding/render_device_run.h"
#include "editor/binding/resolution_text.h"
#include "editor/binding/untouched.h"
#include "editor/binding/value_forms.h"
#include "editor/store/number_readings.h"
#include "tests/player/locale_guard.h"
#include "tests/support/fake_controls.h"

namespace kestrane {
namespace {

std::vector<std::string> Keys(const IniStore& s) {
    std::vector<std::string> keys;
    for (size_t i = 0; i < s.RowCount(); ++i) keys.push_back(s.Key(i));
    return keys;
}

std::string Written(const IniStore& s) {
    std::string out;
    for (size_t i = 0; i < s.RowCount(); ++i) {
        out += s.Key(i);
        if (s.Kind(i) == RowKind::KeyLine) out += "=" + s.Value(i);
        if (s.End(i) != LineEnd::None) out += "\n";
    }
    return out;
}

constexpr const char* kStockRun =
    "[Engine.Engine]\n"
    "RenderDevice=D3DDrv.D3DRenderDevice\n"
    ";RenderDevice=D3D9Drv.D3D9RenderDevice\n"
    ";RenderDevice=Engine.NullRenderDevice\n"
    ";RenderDevice=OpenGLDrv.OpenGLRenderDevice\n"
    ";RenderDevice=PixoDrv.PixoRenderDevice\n"
    "AudioDevice=ALAudio.ALAudioSubsystem\n";

struct RunCase {
    const char* name;
    std::string file;
    int option;
    std::string want;  // the file after the rename
};

TEST(RenderDeviceRun, RenamesOnlyInsideTheRunAndFindsTheTargetByValue) {
    const std::string url =
        "[URL]\nProtocol=unreal\nProtocolDescription=Unreal Protocol\n"
        "Name=Player\nMap=Index.ut2\n";
    const RunCase cases[] = {
        {"stock five, OpenGL", kStockRun, 1,
         "[Engine.Engine]\n;RenderDevice=D3DDrv.D3DRenderDevice\n"
         ";RenderDevice=D3D9Drv.D3D9RenderDevice\n;RenderDevice=Engine.NullRenderDevice\n"
         "RenderDevice=OpenGLDrv.OpenGLRenderDevice\n;RenderDevice=PixoDrv.PixoRenderDevice\n"
         "AudioDevice=ALAudio.ALAudioSubsystem\n"},
        {"stock five, Direct3D already active", kStockRun, 0, kStockRun},
        {"commented lines first",
         "[E]\n;RenderDevice=Engine.NullRenderDevice\n;RenderDevice=PixoDrv.PixoRenderDevice\n"
         "RenderDevice=OpenGLDrv.OpenGLRenderDevice\n" +
             url,
         2,
         "[E]\n;RenderDevice=Engine.NullRenderDevice\nRenderDevice=PixoDrv.PixoRenderDevice\n"
         ";RenderDevice=OpenGLDrv.OpenGLRenderDevice\n" +
             url},
        {"six lines, the second Direct3D device active stays",
         "[E]\n;RenderDevice=D3DDrv.D3DRenderDevice\nRenderDevice=D3D9Drv.D3D9RenderDevice\n"
         ";RenderDevice=Engine.NullRenderDevice\n;RenderDevice=OpenGLDrv.OpenGLRenderDevice\n"
         ";RenderDevice=PixoDrv.PixoRenderDevice\n;RenderDevice=Foo.BarRenderDevice\n",
         0,
         "[E]\n;RenderDevice=D3DDrv.D3DRenderDevice\nRenderDevice=D3D9Drv.D3D9RenderDevice\n"
         ";RenderDevice=Engine.NullRenderDevice\n;RenderDevice=OpenGLDrv.OpenGLRenderDevice\n"
         ";RenderDevice=PixoDrv.PixoRenderDevice\n;RenderDevice=Foo.BarRenderDevice\n"},
        {"six lines, the class matched ignoring case",
         "[E]\nRenderDevice=D3DDrv.D3DRenderDevice\n;RenderDevice=D3D9Drv.D3D9RenderDevice\n"
         ";RenderDevice=Engine.NullRenderDevice\n;RenderDevice=Foo.BarRenderDevice\n"
         ";RenderDevice=openGLdrv.openglrenderdevice\n;RenderDevice=PixoDrv.PixoRenderDevice\n",
         1,
         "[E]\n;RenderDevice=D3DDrv.D3DRenderDevice\n;RenderDevice=D3D9Drv.D3D9RenderDevice\n"
         ";RenderDevice=Engine.NullRenderDevice\n;RenderDevice=Foo.BarRenderDevice\n"
         "RenderDevice=openGLdrv.openglrenderdevice\n;RenderDevice=PixoDrv.PixoRenderDevice\n"},
        {"two OpenGL lines, the active one kept",
         "[E]\nRenderDevice=OpenGLDrv.OpenGLRenderDevice\n;RenderDevice=D3DDrv.D3DRenderDevice\n"
         ";RenderDevice=OpenGLDrv.OpenGLRenderDevice\n",
         1,
         "[E]\nRenderDevice=OpenGLDrv.OpenGLRenderDevice\n;RenderDevice=D3DDrv.D3DRenderDevice\n"
         ";RenderDevice=OpenGLDrv.OpenGLRenderDevice\n"},
        // Keys in other letter case are the game's keys too.
        {"active line in lower case, Software",
         "[E]\n;RenderDevice=D3DDrv.D3DRenderDevice\nrenderdevice=OpenGLDrv.OpenGLRenderDevice\n"
         ";renderDEVICE=PixoDrv.PixoRenderDevice\n",
         2,
         "[E]\n;RenderDevice=D3DDrv.D3DRenderDevice\n;RenderDevice=OpenGLDrv.OpenGLRenderDevice\n"
         "RenderDevice=PixoDrv.PixoRenderDevice\n"},
        {"active line in lower case, Direct3D: one active line",
         "[E]\n;RenderDevice=D3DDrv.D3DRenderDevice\nRENDERDEVICE=OpenGLDrv.OpenGLRenderDevice\n",
         0,
         "[E]\nRenderDevice=D3DDrv.D3DRenderDevice\n;RenderDevice=OpenGLDrv.OpenGLRenderDevice\n"},
        {"the chosen line already active in its own spelling",
         "[E]\nrenderDevice=OpenGLDrv.OpenGLRenderDevice\n;RenderDevice=D3DDrv.D3DRenderDevice\n",
         1,
         "[E]\nrenderDevice=OpenGLDrv.OpenGLRenderDevice\n;RenderDevice=D3DDrv.D3DRenderDevice\n"},
        {"one line (a server), no such device",
         "[Engine.Engine]\nRenderDevice=Engine.NullRenderDevice\n" + url, 1,
         "[Engine.Engine]\nRenderDevice=Engine.NullRenderDevice\n" + url},
        {"one line, [URL] after it untouched",
         "[Engine.Engine]\n;RenderDevice=D3DDrv.D3DRenderDevice\n" + url, 0,
         "[Engine.Engine]\nRenderDevice=D3DDrv.D3DRenderDevice\n" + url},
        {"none", url, 0, url},
        {"a later line outside the run keeps its key",
         std::string(kStockRun) +
             "[UnrealEd.UnrealEdEngine]\nRenderDevice=D3DDrv.D3DRenderDevice\n",
         2,
         "[Engine.Engine]\n;RenderDevice=D3DDrv.D3DRenderDevice\n"
         ";RenderDevice=D3D9Drv.D3D9RenderDevice\n;RenderDevice=Engine.NullRenderDevice\n"
         ";RenderDevice=OpenGLDrv.OpenGLRenderDevice\nRenderDevice=PixoDrv.PixoRenderDevice\n"
         "AudioDevice=ALAudio.ALAudioSubsystem\n"
         "[UnrealEd.UnrealEdEngine]\nRenderDevice=D3DDrv.D3DRenderDevice\n"},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        IniStore store;
        store.Load(c.file);
        ActivateRenderDevice(store, c.option);
        EXPECT_EQ(Written(store), c.want);
    }
}

TEST(RenderDeviceRun, TheStoreRefusesARowPastTheEnd) {
    IniStore store;
    store.Load("A=1\nB=2\n");
    const size_t rows = store.RowCount();
    store.SetKey(rows + 2, "RenderDevice");
    store.SetValue(rows, "x");
    EXPECT_EQ(store.RowCount(), rows);
    EXPECT_EQ(Written(store), "A=1\nB=2\n");
}

TEST(ResolutionText, SplitsOnTheXIntoTrimmedWholeNumbers) {
    struct Case {
        const char* text;
        const char* width;  // nullptr: nothing stored
        const char* height;
    };
    const Case cases[] = {
        {"1024 X 768", "1024", "768"},    {"846  X 768", "846", "768"},
        {"1024X768", "1024", "768"},      {"1280x1024", "1280", "1024"},
        {" 800 X 600 ", "800", "600"},    {"X768", nullptr, nullptr},
        {"1024 X ", nullptr, nullptr},    {" X ", nullptr, nullptr},
        {"", nullptr, nullptr},           {"1024 768", nullptr, nullptr},
        {"10a4 X 768", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parts = SplitResolution(c.text);
        ASSERT_EQ(parts.has_value(), c.width != nullptr);
        if (!parts) continue;
        EXPECT_EQ(parts->width, c.width);
        EXPECT_EQ(parts->height, c.height);
    }
    EXPECT_EQ(ResolutionText("1024", "768"), "1024 X 768");
}

// A shown number reads as the file's number: the display drops trailing zeros, never a digit
// that carries the value (the real files hold 0.579633, 185.296631, 1.150000, 0.666700).
TEST(ValueForms, TheDisplayDropsTrailingZerosOnly) {
    struct Case {
        Form form;
        int n;
        const char* value;
        const char* shown;
    };
    const Case cases[] = {
        {Form::Number4, 0, "100000", "100000"},
        {Form::Number4, 0, "0.800000", "0.8"},
        {Form::Number4, 0, "0.123456", "0.123456"},
        {Form::Number4, 0, "0.0125", "0.0125"},
        {Form::Number4, 0, "-0.5", "-0.5"},
        {Form::Number4, 0, "1.000000", "1"},
        {Form::Number4, 0, "0.400000 #x", "0.400000 #x"},
        {Form::Number4, 0, "1e20", "1e20"},
        {Form::Number4, 0, "1e400", "1e400"},
        {Form::Number4, 0, "nan", "nan"},
        {Form::Number4, 0, "inf", "inf"},
        {Form::Number4, 0, "&H10", "&H10"},
        {Form::Number4, 0, " 0.5", " 0.5"},
        {Form::Number4, 0, "100.000000", "100"},
        {Form::TextLeft, 3, "0.830000", "0.83"},
        {Form::TextLeft, 5, "35.000000", "35"},
        {Form::TextLeft, 5, "35.00", "35"},
        {Form::TextLeft, 4, "90.000000", "90"},
        {Form::TextLeft, 5, "0.000", "0"},
        {Form::TextLeft, 4, "0.30", "0.3"},
        {Form::TextLeft, 3, "-0.0", "-0"},
        {Form::TextLeft, 3, "1234.5", "1234.5"},
        {Form::TextLeft, 3, "-12.5", "-12.5"},
        {Form::TextLeft, 3, "abc1", "abc1"},
        {Form::TextLeft, 3, "&H10", "&H10"},
        {Form::TextLeft, 3, "0x10", "0x10"},
        {Form::TextLeft, 1, "&H10", "&H10"},
        {Form::TextLeft, 3, "1,000", "1,000"},
        {Form::TextLeft, 3, "nan", "nan"},
        {Form::TextLeft, 3, "inf", "inf"},
        {Form::TextLeft, 4, "1e400", "1e400"},
        {Form::TextLeft, 3, " 0.5", " 0.5"},
        {Form::TextLeft, 4, "100.000000", "100"},
        {Form::TextLeft, 3, "0", "0"},
        {Form::TextLeft, 1, "0.579633", "0.579633"},
        {Form::TextLeft, 3, "185.296631", "185.296631"},
        {Form::TextLeft, 3, "1.150000", "1.15"},
        {Form::TextLeft, 3, "0.666700", "0.6667"},
        {Form::TextLeft, 3, ".579633", ".579633"},
        {Form::TextLeft, 3, "0.5 #x", "0.5 #x"},
        {Form::TextLeft, 4, "2.5E-05", "2.5E-05"},
        {Form::TextLeft, 1, "0.800000", "0.8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(LoadText(c.form, c.value, c.n), c.shown);
    }
}

// The areas of this tab group in their walk order, over a store and plain controls.
class VideoRowsTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetState(); }

    void Load(const std::string& text) {
        State().ut2004.Load(text);
        ForgetShown(ctx);
        for (AreaGetter area :
             {WindowDetailArea, RenderSectionsArea, AudioArea, ResolutionArea, RenderChoiceArea}) {
            const AreaBinding& a = area();
            if (a.beforeLoad) a.beforeLoad(ctx);
            for (const BindingRow& row : a.rows) LoadRow(ctx, row);
            if (a.afterLoad) a.afterLoad(ctx);
        }
        RecordShown(ctx);
    }
    std::string Save() {
        for (AreaGetter area :
             {WindowDetailArea, RenderSectionsArea, AudioArea, ResolutionArea, RenderChoiceArea}) {
            const AreaBinding& a = area();
            if (a.beforeSave) a.beforeSave(ctx);
            for (const BindingRow& row : a.rows) SaveRow(ctx, row);
            if (a.afterSave) a.afterSave(ctx);
        }
        return Written(State().ut2004);
    }
    std::string Text(const char* name, int index = -1) { return controls.Text({name, index}); }
    void Choose(int option) {
        for (int i = 0; i < 3; ++i) controls.SetValue({"RenOption", i}, i == option ? 1 : 0);
    }
    int Chosen() {
        for (int i = 0; i < 3; ++i) {
            if (controls.Value({"RenOption", i}) == 1) return i;
        }
        return -1;
    }

    test::FakeControls controls;
    BindingContext ctx{State(), controls};
};

TEST_F(VideoRowsTest, AnUntouchedChoiceRenamesNothingAndAChangedOneTheChosenDevice) {
    // The second Direct3D device is the active one.
    const std::string file =
        "[Engine.Engine]\n;RenderDevice=D3DDrv.D3DRenderDevice\n"
        "RenderDevice=D3D9Drv.D3D9RenderDevice\n;RenderDevice=Engine.NullRenderDevice\n"
        ";RenderDevice=OpenGLDrv.OpenGLRenderDevice\n;RenderDevice=PixoDrv.PixoRenderDevice\n"
        "[D3D9Drv.D3D9RenderDevice]\nUseVSync=True\n";
    Load(file);
    EXPECT_EQ(Chosen(), 0);
    EXPECT_EQ(State().renderDeviceSection, "[D3D9Drv.D3D9RenderDevice]");
    EXPECT_EQ(controls.Value({"c_D3D", 14}), 1);
    EXPECT_EQ(Save(), Written(State().ut2004));
    EXPECT_EQ(Keys(State().ut2004)[2], "RenderDevice");

    Choose(1);
    Choose(0);  // back to what the load chose: untouched
    Save();
    EXPECT_EQ(Keys(State().ut2004)[2], "RenderDevice");

    Choose(1);
    Save();
    const std::vector<std::string> keys = Keys(State().ut2004);
    EXPECT_EQ(keys[2], ";RenderDevice");
    EXPECT_EQ(keys[4], "RenderDevice");
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "RenderDevice"), 1);
}

TEST_F(VideoRowsTest, EveryLoadClearsTheChoiceFirst) {
    Load("[Engine.Engine]\nRenderDevice=OpenGLDrv.OpenGLRenderDevice\n");
    EXPECT_EQ(Chosen(), 1);
    Load("[Engine.Engine]\nRenderDevice=Engine.NullRenderDevice\n");
    EXPECT_EQ(Chosen(), -1);
    EXPECT_EQ(State().renderDeviceSection, "[D3DDrv.D3DRenderDevice]");
}

TEST_F(VideoRowsTest, ResolutionsCopyIntoSdlOnlyWhenChangedAndNeverEmpty) {
    const std::string file =
        "[WinDrv.WindowsClient]\nWindowedViewportX=640\nWindowedViewportY=480\n"
        "FullscreenViewportX=1280\nFullscreenViewportY=1024\n"
        "[SDLDrv.SDLClient]\nWindowedViewportX=640\nWindowedViewportY=480\n"
        "FullscreenViewportX=1024\nFullscreenViewportY=768\n";
    Load(file);
    EXPECT_EQ(Text("cbx_Video", 0), "1280 X 1024");
    EXPECT_EQ(Save(), Written(State().ut2004));  // the SDL client keeps its own 1024 X 768

    controls.SetText({"cbx_Video", 1}, "800X600");
    controls.SetText({"cbx_Video", 0}, "X768");  // no width: nothing stored
    Save();
    EXPECT_EQ(GetVal2(State().ut2004, "WindowedViewportX", "[SDLDrv.SDLClient]"), "800");
    EXPECT_EQ(GetVal2(State().ut2004, "WindowedViewportY", "[WinDrv.WindowsClient]"), "600");
    EXPECT_EQ(GetVal2(State().ut2004, "FullscreenViewportX", "[WinDrv.WindowsClient]"), "1280");
    EXPECT_EQ(GetVal2(State().ut2004, "FullscreenViewportY", "[SDLDrv.SDLClient]"), "768");
}

TEST_F(VideoRowsTest, AFileWithOnlyTheSdlClientKeepsItsSizesUntilOneIsTyped) {
    const std::string file =
        "[SDLDrv.SDLClient]\nFullscreenViewportX=1024\n"
        "FullscreenViewportY=768\nTextureMaxLOD=0\n";
    Load(file);
    EXPECT_EQ(Text("cbx_Video", 0), " X ");
    EXPECT_FALSE(controls.unavailable.contains({"cbx_Video", 0}));  // a change reaches SDL
    EXPECT_TRUE(controls.unavailable.contains({"cbx_Video", 1}));
    // TextureMaxLOD lives only in the SDL section: its box takes no edit.
    EXPECT_TRUE(controls.unavailable.contains({"tbx_video", 4}));
    const std::string tip = controls.unavailable[{"tbx_video", 4}];
    EXPECT_NE(tip.find("TextureMaxLOD"), std::string::npos) << tip;
    EXPECT_EQ(Save(), Written(State().ut2004));

    controls.SetText({"cbx_Video", 0}, " X 600");
    EXPECT_EQ(Save(), file);
    controls.SetText({"cbx_Video", 0}, "1280 X 720");
    Save();
    EXPECT_EQ(GetVal(State().ut2004, "FullscreenViewportX"), "1280");
    EXPECT_EQ(GetVal(State().ut2004, "FullscreenViewportY"), "720");
}

TEST_F(VideoRowsTest, AudioRowsShowTheirFormsAndKeepUntouchedValues) {
    const std::string file =
        "[ALAudio.ALAudioSubsystem]\nUseEAX=TRUE\nUse3DSound=False\nChannels=64\n"
        "MaxEAXVersion=3\nMusicVolume=0.800000\nVolumeScaleRec=0.123456\n"
        "DopplerFactor=1.000000\nRolloff=0.400000 #quieter far away\n"
        "TimeBetweenHWUpdates=0.0125\nSpatializedVoiceRadius=100000\nLocalZOffset=-0.5\n";
    Load(file);
    struct Shown {
        int index;
        const char* text;
    };
    for (const Shown& s :
         {Shown{22, "3"}, Shown{23, "64"}, Shown{24, "0.8"}, Shown{26, ""}, Shown{28, "0.123456"},
          Shown{29, "1"}, Shown{30, "0.400000 #quieter far away"}, Shown{31, "0.0125"},
          Shown{32, "100000"}, Shown{33, "-0.5"}}) {
        SCOPED_TRACE(s.index);
        EXPECT_EQ(Text("tbx_video", s.index), s.text);
    }
    EXPECT_EQ(controls.Value({"c_Audio", 0}), 1);
    EXPECT_TRUE(controls.unavailable.contains({"tbx_video", 26}));  // no SoundVolume line
    EXPECT_EQ(Save(), file);  // every line as read, the comment after Rolloff too

    controls.SetText({"tbx_video", 24}, "0.5");
    controls.SetValue({"c_Audio", 1}, 1);
    std::string want = file;
    want.replace(want.find("MusicVolume=0.800000"), 20, "MusicVolume=0.5");
    want.replace(want.find("Use3DSound=False"), 16, "Use3DSound=True");
    EXPECT_EQ(Save(), want);
}

// A field whose key its section lacks is greyed and empty; one whose line is there in a form the
// tab does not edit ("Gamma = 0.5") says so, and the line stays as it is.
TEST_F(VideoRowsTest, GreyedFieldsShowNothingAndTheirTipSaysWhatTheFileHolds) {
    const std::string file =
        "[WinDrv.WindowsClient]\nGamma = 0.5\nBrightness=0.8\n"
        "[ALAudio.ALAudioSubsystem]\nChannels=64\nMusicVolume = 0.5\n"
        "[Other.Section]\nAmbientVolume=0.7\n";
    Load(file);
    for (int index = 24; index <= 33; ++index) {  // the ten Audio number fields
        SCOPED_TRACE(index);
        EXPECT_TRUE(controls.unavailable.contains({"tbx_video", index}));
        EXPECT_EQ(Text("tbx_video", index), "");
    }
    const std::string ambient = controls.unavailable[{"tbx_video", 25}];
    EXPECT_NE(ambient.find("has no AmbientVolume line"), std::string::npos) << ambient;
    struct Other {
        int index;
        const char* line;
    };
    for (const Other& o : {Other{0, "\"Gamma = 0.5\""}, Other{24, "\"MusicVolume = 0.5\""}}) {
        const std::string tip = controls.unavailable[{"tbx_video", o.index}];
        EXPECT_EQ(Text("tbx_video", o.index), "");
        EXPECT_NE(tip.find(o.line), std::string::npos) << tip;
        EXPECT_NE(tip.find("UT2004.INI tab"), std::string::npos) << tip;
        EXPECT_EQ(tip.find("has no"), std::string::npos) << tip;
    }
    EXPECT_EQ(Text("tbx_video", 1), "0.8");
    EXPECT_EQ(Save(), file);
}

TEST_F(VideoRowsTest, UnderACommaLocaleFileValuesReadAndTypedNumbersSaveWithAPoint) {
    const test::LocaleGuard french(',', ' ');
    EXPECT_TRUE(IsNumericText("0.800000"));
    EXPECT_TRUE(IsNumericText("0,8"));
    Load(
        "[WinDrv.WindowsClient]\nGamma=0.830000\n[ALAudio.ALAudioSubsystem]\nChannels=32\n"
        "MusicVolume=0.800000\n[PixoDrv.PixoRenderDevice]\nFilterQuality3D=2\n");
    controls.SetText({"tbx_video", 0}, "0,9");
    controls.SetText({"tbx_video", 23}, "1,5");
    controls.SetText({"tbx_video", 24}, "0,25");
    controls.SetText({"tbx_video", 20}, "3,5");
    Save();
    const IniStore& ut = State().ut2004;
    EXPECT_EQ(GetVal(ut, "Gamma"), "0.9");
    EXPECT_EQ(GetVal(ut, "Channels"), "1.5");
    EXPECT_EQ(GetVal(ut, "MusicVolume"), "0.25");
    EXPECT_EQ(GetVal(ut, "FilterQuality3D"), "3.5");
    EXPECT_EQ(FileNumberText("a,b"), "a,b");  // not a number: as it stands
}

TEST_F(VideoRowsTest, DirectXRowsFollowTheLoadedDeviceAndEachSectionKeepsItsOwnLine) {
    const std::string file =
        "[Engine.Engine]\nRenderDevice=d3d9drv.D3D9RENDERDEVICE\n"
        "[D3DDrv.D3DRenderDevice]\nDetailTexMipBias=0.500\n"
        "[D3D9Drv.D3D9RenderDevice]\nDetailTexMipBias=0.250\nUseVSync=true\n"
        "[OpenGLDrv.OpenGLRenderDevice]\nDetailTextures=True\nDetailTexMipBias=0.500\n"
        "[PixoDrv.PixoRenderDevice]\nDetailTextures=False\nFilterQuality3D=2.000000\n";
    Load(file);
    EXPECT_EQ(Text("tbx_video", 9), "0.25");
    EXPECT_EQ(Text("tbx_video", 15), "0.5");
    EXPECT_EQ(Text("tbx_video", 20), "2.000000");
    EXPECT_EQ(controls.Value({"c_OpenGL", 0}), 1);
    EXPECT_EQ(controls.Value({"c_Pixo", 13}), 0);
    EXPECT_EQ(Save(), file);

    controls.SetValue({"c_D3D", 14}, 0);
    controls.SetText({"tbx_video", 9}, "-0.1");
    controls.SetValue({"c_Pixo", 13}, 1);
    Save();
    const IniStore& ut = State().ut2004;
    EXPECT_EQ(GetVal2(ut, "DetailTexMipBias", "[D3DDrv.D3DRenderDevice]"), "0.500");
    EXPECT_EQ(GetVal2(ut, "DetailTexMipBias", "[D3D9Drv.D3D9RenderDevice]"), "-0.1");
    EXPECT_EQ(GetVal2(ut, "UseVSync", "[D3D9Drv.D3D9RenderDevice]"), "False");
    EXPECT_EQ(GetVal2(ut, "DetailTextures", "[OpenGLDrv.OpenGLRenderDevice]"), "True");
    EXPECT_EQ(GetVal2(ut, "DetailTextures", "[PixoDrv.PixoRenderDevice]"), "True");
}

}  // namespace
}  // namespace kestrane
