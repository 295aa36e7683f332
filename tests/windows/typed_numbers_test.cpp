// Numbers typed key by key into the main window's numeric fields, as a player types them, then
// saved: each line holds what was typed, or the field's bound when it lies outside.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "editor/windows/main/control_registry.h"
#include "editor/windows/main/main_window.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane::test {
namespace {

constexpr const char* kUserIni =
    "[Engine.PlayerInput]\r\nMouseSmoothingStrength=0.3\r\nMouseSensitivity=3.000000\r\n"
    "MouseSamplingTime=0.008333\r\nMouseAccelThreshold=0.000000\r\nDoubleClickTime=0.250000\r\n"
    "[XInterface.HudBase]\r\nHudScale=1.000000\r\nHudOpacity=255.000000\r\n"
    "[Engine.PlayerController]\r\nAmbientSoundScaling=0.800000\r\nBob=0.010000\r\n"
    "DesiredFOV=90.000000\r\nDefaultFOV=85.000000\r\nDynamicPingThreshold=400.000000\r\n"
    "ConfiguredInternetSpeed=1234567890123456789012345678901234567890\r\n"
    "[UT2k4Assault.HUD_Assault]\r\nObjectiveProgressPulseTime=8.000000\r\nASRadarPosX=0.8\r\n"
    "ASRadarPosY=0.4\r\nObjectiveScale=1.5\r\n[Onslaught.ONSHUDOnslaught]\r\nRadarScale=0.3\r\n"
    "RadarPosX=0.9\r\nRadarPosY=0.6\r\nIconScale=2.5\r\nRadarTrans=255.000000\r\n";
constexpr const char* kUt2004Ini =
    "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n[WinDrv.WindowsClient]\r\n"
    "Gamma=0.800000\r\nBrightness=0.800000\r\nContrast=0.800000\r\n"
    "MinDesiredFrameRate=35.000000\r\n[ALAudio.ALAudioSubsystem]\r\nMusicVolume=0.800000\r\n"
    "SoundVolume=0.900000\r\n";

struct Typed {
    ControlRef box;
    const char* typed;
    const char* key;    // its line in User.ini, or in UT2004.ini when `ut` is set
    const char* saved;  // what that line holds after the save
    bool ut = false;
};

std::string Line(const std::string& text, const char* key) {
    const std::string start = std::string("\n") + key + "=";
    const size_t at = text.find(start);
    if (at == std::string::npos) return "(no line)";
    const size_t from = at + start.size();
    return text.substr(from, text.find("\r\n", from) - from);
}

class TypedNumbersTest : public EditorTest {
  protected:
    QLineEdit* Box(ControlRef ref) { return Controls().Get<QLineEdit>(ref); }

    // The tab that holds the box comes to the front, and the box takes the focus.
    void Focus(QLineEdit* box) {
        for (QWidget* w = box->parentWidget(); w; w = w->parentWidget()) {
            if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    if (tabs->widget(i)->isAncestorOf(box)) tabs->setCurrentIndex(i);
                }
            }
        }
        box->activateWindow();
        box->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(box->hasFocus()) << box->objectName().toStdString();
    }

    // Each box is selected and typed over key by key; the focus then moves to the next box, and
    // the last one is still being typed in when File > Save runs.
    void TypeAllThenSave(const std::vector<Typed>& rows) {
        MainWindow().BuildEveryPage();
        for (const Typed& row : rows) {
            QLineEdit* box = Box(row.box);
            ASSERT_NE(box, nullptr);
            Focus(box);
            box->selectAll();
            QTest::keyClicks(box, row.typed);
        }
        Trigger("frmFileSave");
        const std::string user = SystemFile("User.ini");
        const std::string ut = SystemFile("UT2004.ini");
        for (const Typed& row : rows) {
            EXPECT_EQ(Line(row.ut ? ut : user, row.key), row.saved)
                << row.box.name << "(" << row.box.index << ") typed " << row.typed;
        }
    }
};

TEST_F(TypedNumbersTest, FractionsBelowOneTypedIntoEveryTabAreSavedAsTyped) {
    StartShown(kUserIni, kUt2004Ini);
    std::vector<Typed> rows = {
        {{"tbx_Comm", 3}, "0.5", "AmbientSoundScaling", "0.5"},
        {{"tbx_Comm", 4}, "0.5", "HudOpacity", "0.5"},
        {{"tbx_Bob"}, "0.5", "Bob", "0.5"},
        {{"tbx_FOV"}, "90.5", "DesiredFOV", "90.5"},
        {{"tbx_video", 0}, "0.5", "Gamma", "0.5", true},
        {{"tbx_video", 1}, "0.5", "Brightness", "0.5", true},
        {{"tbx_MinRefRate"}, "0.5", "MinDesiredFrameRate", "0.5", true},
        {{"tbx_video", 24}, "0.5", "MusicVolume", "0.5", true},
        {{"tbx_video", 26}, "0.05", "SoundVolume", "0.05", true},
    };
    const char* mouseKeys[] = {"RadarScale",
                               "MouseSmoothingStrength",
                               "MouseSensitivity",
                               "MouseSamplingTime",
                               "MouseAccelThreshold",
                               "DoubleClickTime",
                               "RadarPosX",
                               "RadarPosY",
                               "ObjectiveProgressPulseTime",
                               "ASRadarPosY",
                               "ASRadarPosX",
                               "ObjectiveScale",
                               "IconScale",
                               "RadarTrans"};
    for (int i = 0; i < 14; ++i) rows.push_back({{"tbx_Mouse", i}, "0.5", mouseKeys[i], "0.5"});
    // Last, so the save itself finishes it.
    rows.push_back({{"tbx_Comm", 5}, "0.7", "HudScale", "0.7"});
    TypeAllThenSave(rows);
    EXPECT_TRUE(responder->Messages().empty());
}

TEST_F(TypedNumbersTest, NumbersPastABoundAndHalfTypedNumbersAreSavedAsTheRuleLeavesThem) {
    StartShown(kUserIni, kUt2004Ini);
    TypeAllThenSave({
        {{"tbx_Mouse", 2}, "30", "MouseSensitivity", "25"},
        {{"tbx_Mouse", 6}, "1.5", "RadarPosX", "1"},
        {{"tbx_Mouse", 0}, "0.05", "RadarScale", "0.1"},
        {{"tbx_Mouse", 3}, "0.058333", "MouseSamplingTime", "0.058333"},
        {{"tbx_Mouse", 1}, "-", "MouseSmoothingStrength", "0.3"},
        {{"tbx_Comm", 5}, "12", "HudScale", "9"},
        {{"tbx_Comm", 9}, "-5", "DynamicPingThreshold", "0"},
        {{"tbx_FOV2"}, "200", "DefaultFOV", "180"},
        {{"tbx_video", 0}, "3", "Gamma", "2.5", true},
        {{"tbx_video", 2}, "0.", "Contrast", "0", true},
        // Still typed when the save runs: no number yet, so the remembered text.
        {{"tbx_Bob"}, "-", "Bob", "0.010000"},
    });
}

// A step on a whole-number setting holding a number past the game's integer is refused with
// the reason, and the line stays as it was.
TEST_F(TypedNumbersTest, AStepFromAFortyDigitInternetSpeedIsRefused) {
    StartShown(kUserIni, kUt2004Ini);
    MainWindow().BuildEveryPage();
    QTest::mouseClick(Controls().Get<QAbstractButton>({"b_Add", 10}), Qt::LeftButton);
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_NE(responder->Messages()[0].text.find("2147483647"), std::string::npos);
    EXPECT_EQ(Box({"tbx_Comm", 10})->text(), "1234567890123456789012345678901234567890");
    Trigger("frmFileSave");
    EXPECT_EQ(SystemFile("User.ini"), kUserIni);
}

}  // namespace
}  // namespace kestrane::test
