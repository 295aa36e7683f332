// The Mouse and IRC tabs and the colour sets as a player uses them: steppers, typed values, the
// colour preview and what a save writes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "editor/store/program_state.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/field_tables.h"
#include "tests/player/locale_guard.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

constexpr const char* kUserIni =
    "[Engine.PlayerInput]\r\nMouseSensitivity=1.234567\r\nMouseSamplingTime=0.00833333\r\n"
    "MouseSmoothingMode=2\r\nbInvertMouse=TRUE\r\nRadarScale=0.3\r\nRadarTrans=1000\r\n"
    "[XInterface.GUIController]\r\nbQuietMenu=False\r\nbNoToolTips=False\r\nNickName="
    "Someone\r\nMaxChatScrollback=abc\r\n"
    "DefaultChannel=#odd\r\n"
    "IRCTextColor=(B=10,G=20,R=30,A=128)\r\nIRCNickColor=(B=-20,G=300,R=7,A=255)\r\n"
    "[XWeapons.Translauncher]\r\nCustomCrossHairColor=(R=1, G=2, B=3, A=40)\r\n";
constexpr const char* kUt2004Ini =
    "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n"
    "bShowNodeBeams=True\r\n[Onslaught.ONSPowerCore]\r\nbShowNodeBeams=False\r\n";

class MouseTabsTest : public test::EditorTest {
  protected:
    void Open() { StartShown(kUserIni, kUt2004Ini); }
    QLineEdit* Box(std::string_view name, int index = -1) {
        return Controls().Get<QLineEdit>({name, index});
    }
    void Click(std::string_view name, int index) {
        QTest::mouseClick(Controls().Get<QAbstractButton>({name, index}), Qt::LeftButton);
    }
    QColor Preview(int set) { return Box("tbx_IRCColor", set)->palette().color(QPalette::Base); }
    std::string SavedUser() {
        Trigger("frmFileSave");
        return SystemFile("User.ini");
    }
};

TEST_F(MouseTabsTest, RowsLoadAndAnUneditedSaveKeepsEveryByte) {
    Open();
    EXPECT_EQ(Box("tbx_Mouse", 2)->text(), "1.234567");
    EXPECT_EQ(Box("tbx_Mouse", 2)->cursorPosition(), 0);  // a long number shows its start
    EXPECT_EQ(Box("tbx_Mouse", 3)->text(), "0.00833333");
    EXPECT_EQ(Box("tbx_Mouse", 13)->text(), "1000");  // as the file holds it, beyond the bound
    EXPECT_EQ(Controls().Value({"c_Mouse", 0}), 1);
    EXPECT_EQ(Controls().Value({"chk_SmoothMouse"}), 0);
    EXPECT_EQ(Controls().Value({"c_Assault", 8}), 0);  // the line in its own section
    EXPECT_EQ(Controls().Text({"cbx_Channel"}), "#odd");
    EXPECT_EQ(Box("tbx_IRC", 0)->text(), "Someone");
    EXPECT_EQ(Box("txb_IRC_Green", 1)->text(), "300");
    EXPECT_EQ(Box("txb_IRC_Blue", 1)->text(), "-20");
    EXPECT_EQ(Preview(1), QColor(7, 255, 0));
    EXPECT_EQ(Box("txb_IRC_Blue", 24)->text(), "3");
    EXPECT_EQ(SavedUser(), std::string(kUserIni));
}

TEST_F(MouseTabsTest, SteppersAndTypedValuesOfTheMouseFields) {
    Open();
    QLineEdit* sensitivity = Box("tbx_Mouse", 2);
    sensitivity->setText("0.3");
    Click("b_MouseSub", 2);
    EXPECT_EQ(sensitivity->text(), "0.25");
    Click("b_MouseAdd", 13);  // held at the bound by the change rule
    EXPECT_EQ(Box("tbx_Mouse", 13)->text(), "255");
    Click("b_MouseSub", 13);
    EXPECT_EQ(Box("tbx_Mouse", 13)->text(), "250");
    Box("tbx_Mouse", 0)->setText("0.7");
    EXPECT_EQ(Box("tbx_Mouse", 0)->text(), "0.5");
    const std::string saved = SavedUser();
    EXPECT_NE(saved.find("MouseSensitivity=0.25\r\n"), std::string::npos);
    EXPECT_NE(saved.find("RadarTrans=250\r\n"), std::string::npos);
    EXPECT_NE(saved.find("RadarScale=0.5\r\n"), std::string::npos);
    EXPECT_NE(saved.find("MouseSamplingTime=0.00833333\r\n"), std::string::npos);
}

TEST_F(MouseTabsTest, AColourStepRepaintsThePreviewAndSavesOnlyThatChannel) {
    Open();
    EXPECT_EQ(Preview(0), QColor(30, 20, 10));
    Click("b_IRC_Red_Add", 0);
    EXPECT_EQ(Box("txb_IRC_Red", 0)->text(), "35");
    EXPECT_EQ(Preview(0), QColor(35, 20, 10));
    Click("b_IRC_Blue_Sub", 24);
    Click("b_IRC_Blue_Sub", 24);
    EXPECT_EQ(Box("txb_IRC_Blue", 24)->text(), "0");
    Box("txb_IRC_Green", 1)->setText("12.5");
    EXPECT_EQ(Preview(1), QColor(7, 12, 0));
    Box("txb_IRC_Red", 2)->setText("300");  // a colour the file lacks stays unwritten
    EXPECT_EQ(Box("txb_IRC_Red", 2)->text(), "255");
    const std::string saved = SavedUser();
    EXPECT_NE(saved.find("IRCTextColor=(B=10,G=20,R=35,A=128)\r\n"), std::string::npos);
    EXPECT_NE(saved.find("IRCNickColor=(B=-20,G=12.5,R=7,A=255)\r\n"), std::string::npos);
    EXPECT_NE(saved.find("CustomCrossHairColor=(R=1, G=2, B=0, A=40)\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("IRCActionColor"), std::string::npos);
}

// Every field in a comma locale: a typed value ends after a bounded number of change events,
// on a text with the point the game reads.
TEST_F(MouseTabsTest, ACommaLocaleComesToRestOnEveryField) {
    const test::LocaleGuard locale(',', '.');
    Open();
    for (int i = 0; i < static_cast<int>(kMouseFields.size()); ++i) {
        QLineEdit* box = Box("tbx_Mouse", i);
        for (const char* typed : {"0,05", "0,3", "0,75", "x", "-1"}) {
            SCOPED_TRACE(testing::Message() << "index " << i << " typed " << typed);
            QSignalSpy changes(box, &QLineEdit::textChanged);
            box->setText(typed);
            EXPECT_LE(changes.count(), 2);
            EXPECT_EQ(box->text().indexOf(','), -1);
            const QString rest = box->text();
            Click("b_MouseAdd", i);
            Click("b_MouseSub", i);
            EXPECT_EQ(box->text().indexOf(','), -1) << rest.toStdString();
        }
    }
    Box("tbx_Mouse", 2)->setText("1,5");
    EXPECT_NE(SavedUser().find("MouseSensitivity=1.5\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kestrane
