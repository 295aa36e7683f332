// The player and communication tabs as a player uses them: typing into the numeric fields,
// the stepper buttons, the alias buttons, the portrait and the stats login.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "editor/store/program_state.h"
#include "editor/widgets/picture_box.h"
#include "editor/widgets/rich_text_box.h"
#include "editor/windows/main/main_window.h"
#include "tests/player/locale_guard.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

constexpr const char* kUserIni =
    "[Engine.Input]\r\nAliases[0]=(Command=\"Jump\",Alias=Jump)\r\n"
    "Aliases[2]=(Command=\"Duck\",Alias=Duck)\r\n"
    "[XGame.xPawn]\r\nCharacter=Ambrosia\r\nDesiredFOV=175\r\nStatsUsername=\r\n"
    "StatsPassword=\r\n[XGame.xPlayer]\r\n"
    "Aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good "
    "game\")\r\nAnnouncerVolume=4\r\nAmbientSoundScaling=0.5\r\n"
    "ConsoleMessageCount=4\r\nDynamicPingThreshold=100\r\nHudScale=0.5\r\nbQuietMenu=False\r\n";

class PlayerTabTest : public test::EditorTest {
  protected:
    void Open(const std::string& user = kUserIni) { StartShown(user); }
    QLineEdit* Box(std::string_view name, int index = -1) {
        return Controls().Get<QLineEdit>({name, index});
    }
    QAbstractButton* Button(std::string_view name, int index = -1) {
        return Controls().Get<QAbstractButton>({name, index});
    }
    // Clicks into the box, as a player does before typing.
    void Focus(QLineEdit* box) {
        box->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        ASSERT_TRUE(box->hasFocus());
    }
    void ReplaceText(QLineEdit* box, const char* typed) {
        box->selectAll();
        QTest::keyClicks(box, typed);
    }
    void WritePortrait(const char* name) {
        QImage image(8, 10, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        prefix->Write(std::string("Kestrane/Images/Characters/") + name + ".jpg", "");
        ASSERT_TRUE(image.save(
            QString::fromStdString(prefix->ProgramFolder() + "/Images/Characters/" + name + ".jpg"),
            "JPG"));
    }
    bool PortraitShown() { return Controls().Get<PictureBox>({"pb_Player"})->HasPicture(); }
};

TEST_F(PlayerTabTest, TypedTextRevertsToTheRememberedTextOrIsClamped) {
    Open();
    QLineEdit* volume = Box("tbx_Comm", 1);
    ASSERT_EQ(volume->text(), "4");
    Focus(volume);
    EXPECT_EQ(State().savedFieldText, "4");

    QTest::keyClick(volume, Qt::Key_A);
    EXPECT_EQ(volume->text(), "4");
    // The empty text and a lone sign may still begin a number: they stay while typed, and the
    // remembered text comes back once the player is done (Return, or leaving the box).
    QTest::keyClick(volume, Qt::Key_Backspace);
    EXPECT_EQ(volume->text(), "");
    QTest::keyClick(volume, Qt::Key_Return);
    EXPECT_EQ(volume->text(), "4");
    ReplaceText(volume, "12");
    EXPECT_EQ(volume->text(), "9");
    ReplaceText(volume, "-");
    EXPECT_EQ(volume->text(), "-");
    QTest::keyClick(volume, Qt::Key_Return);
    EXPECT_EQ(volume->text(), "4");
    volume->selectAll();
    volume->insert("-3");  // pasted: the player may still type on, so the bound waits
    EXPECT_EQ(volume->text(), "-3");
    QTest::keyClick(volume, Qt::Key_Return);
    EXPECT_EQ(volume->text(), "0");

    QLineEdit* fov = Box("tbx_FOV");
    Focus(fov);
    ReplaceText(fov, "200");
    EXPECT_EQ(fov->text(), "180");
    QTest::keyClick(fov, Qt::Key_X);
    EXPECT_EQ(fov->text(), "175");  // the text it had when it got the focus
}

TEST_F(PlayerTabTest, SteppersStepAndStopAtTheBounds) {
    Open();
    QLineEdit* count = Box("tbx_Comm", 6);
    Focus(Box("tbx_Comm", 1));
    for (const char* expected : {"5", "6", "7", "8", "8"}) {
        QTest::mouseClick(Button("b_Add", 6), Qt::LeftButton);
        EXPECT_EQ(count->text(), expected);
    }
    EXPECT_EQ(State().savedFieldText, "4");  // a step takes no focus
    for (int i = 0; i < 10; ++i) QTest::mouseClick(Button("b_Sub", 6), Qt::LeftButton);
    EXPECT_EQ(count->text(), "0");

    QLineEdit* ping = Box("tbx_Comm", 9);
    QTest::mouseClick(Button("b_Add", 9), Qt::LeftButton);
    EXPECT_EQ(ping->text(), "200");

    QLineEdit* scale = Box("tbx_Comm", 5);
    Focus(scale);
    ReplaceText(scale, "5");
    EXPECT_EQ(scale->text(), "5");
    QTest::mouseClick(Button("b_Add", 5), Qt::LeftButton);
    EXPECT_EQ(scale->text(), "1");

    QLineEdit* fov = Box("tbx_FOV");
    QTest::mouseClick(Button("b_P_Add", 1), Qt::LeftButton);
    QTest::mouseClick(Button("b_P_Add", 1), Qt::LeftButton);
    EXPECT_EQ(fov->text(), "180");
}

// Values that are no plain number are shown whole, and a step never counts from a part of
// them: it leaves the text and says why. A number past a double's range steps to the bound.
TEST_F(PlayerTabTest, StepsFromTextsThatAreNoPlainNumber) {
    const std::string user =
        "[XGame.xPawn]\r\nDesiredFOV=1e400\r\nDefaultFOV=nan\r\n[XGame.xPlayer]\r\n"
        "HudScale=&H10\r\nHudOpacity=1,000\r\nAnnouncerVolume=0x10\r\nbQuietMenu=False\r\n";
    Open(user);
    const struct {
        const char* box;
        int index;
        const char* shows;
        const char* button;
    } refused[] = {{"tbx_Comm", 5, "&H10", "b_Add"},
                   {"tbx_Comm", 4, "1,000", "b_Sub"},
                   {"tbx_Comm", 1, "0x10", "b_Add"},
                   {"tbx_FOV2", -1, "nan", nullptr}};
    for (const auto& r : refused) {
        SCOPED_TRACE(r.shows);
        QLineEdit* box = Box(r.box, r.index);
        EXPECT_EQ(box->text().toStdString(), r.shows);
        const size_t before = responder->Messages().size();
        QTest::mouseClick(r.button ? Button(r.button, r.index) : Button("b_P_Add", 2),
                          Qt::LeftButton);
        EXPECT_EQ(box->text().toStdString(), r.shows);
        ASSERT_EQ(responder->Messages().size(), before + 1);
        EXPECT_NE(responder->Messages().back().text.find(std::string("\"") + r.shows + "\""),
                  std::string::npos);
    }
    QLineEdit* fov = Box("tbx_FOV");
    EXPECT_EQ(fov->text(), "1e400");
    QTest::mouseClick(Button("b_P_Sub", 1), Qt::LeftButton);
    EXPECT_EQ(fov->text(), "180");
    Trigger("frmFileSave");
    std::string want = user;
    want.replace(want.find("DesiredFOV=1e400"), 16, "DesiredFOV=180");
    EXPECT_EQ(SystemFile("User.ini"), want);
}

TEST_F(PlayerTabTest, ACommaLocaleReadsItsSeparatorAndWritesAPoint) {
    const test::LocaleGuard locale(',', '.');
    Open();
    QLineEdit* ambient = Box("tbx_Comm", 3);
    EXPECT_EQ(ambient->text(), "0.5");  // the file's value stands
    QTest::mouseClick(Button("b_Add", 3), Qt::LeftButton);
    EXPECT_EQ(ambient->text(), "0.6");
    Focus(ambient);
    ambient->selectAll();
    ambient->insert("0,25");  // typed, "0," would already be the bound 0
    EXPECT_EQ(ambient->text(), "0.25");
    QTest::mouseClick(Button("b_Sub", 3), Qt::LeftButton);
    EXPECT_EQ(ambient->text(), "0.15");
    ReplaceText(ambient, "1,5");
    EXPECT_EQ(ambient->text(), "1");
    Trigger("frmFileSave");
    EXPECT_NE(SystemFile("User.ini").find("AmbientSoundScaling=1\r\n"), std::string::npos);
}

TEST_F(PlayerTabTest, AliasButtonsAddTemplateLines) {
    Open();
    auto* aliases = Controls().Get<RichTextBox>({"RTB_Aliases"});
    QTest::mouseClick(Button("cb_Aliases"), Qt::LeftButton);
    // The count of lines would name the line 2 already there; the new one takes 3.
    EXPECT_EQ(aliases->Text(),
              "Aliases[0]=(Command=\"Jump\",Alias=Jump)\r\n"
              "Aliases[2]=(Command=\"Duck\",Alias=Duck)\r\n"
              "Aliases[3]=(Command=\"\",Alias=\"\")");
    EXPECT_TRUE(aliases->hasFocus());
    EXPECT_EQ(aliases->textCursor().position(), aliases->toPlainText().size());

    aliases->SetText("");
    QTest::mouseClick(Button("cb_Aliases"), Qt::LeftButton);
    EXPECT_EQ(aliases->Text(), "\r\nAliases[0]=(Command=\"\",Alias=\"\")");
    std::string ten;
    for (int i = 0; i < 10; ++i) ten += "Aliases[" + std::to_string(i) + "]=x\r\naliases[99]=y\r\n";
    aliases->SetText(ten);
    QTest::mouseClick(Button("cb_Aliases"), Qt::LeftButton);
    EXPECT_NE(aliases->Text().find("\r\nAliases[10]=(Command=\"\",Alias=\"\")"), std::string::npos);

    auto* speech = Controls().Get<RichTextBox>({"RTB_TextToSpeechAlias"});
    for (int i = 0; i < 3; ++i) QTest::mouseClick(Button("cb_TxTAlias_Add"), Qt::LeftButton);
    const std::string line = "Aliases=(MatchWords=(\"\"),ReplaceWord=\"\")\r\n";
    const std::string old = "Aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")";
    EXPECT_EQ(speech->Text(), line + line + line + old + "\r\n\r\n\r\n");
    EXPECT_FALSE(speech->hasFocus());

    Trigger("frmFileSave");
    const std::string saved = SystemFile("User.ini");
    EXPECT_NE(saved.find("Aliases[10]=(Command=\"\",Alias=\"\")\r\n"), std::string::npos);
    EXPECT_NE(saved.find(line + line + line + old + "\r\n"), std::string::npos);
}

TEST_F(PlayerTabTest, ThePortraitFollowsTheCharacterChosen) {
    WritePortrait("Ambrosia");
    WritePortrait("Brock");
    Open();
    EXPECT_TRUE(PortraitShown());  // loaded with the character
    auto* character = Controls().Get<QComboBox>({"cb_Character"});
    ASSERT_EQ(character->count(), 91);
    const int brock = character->findText("Brock");
    const int arclite = character->findText("Arclite");  // no picture file
    character->setCurrentIndex(arclite);
    emit character->activated(arclite);
    EXPECT_FALSE(PortraitShown());
    character->setCurrentIndex(brock);
    emit character->activated(brock);
    EXPECT_TRUE(PortraitShown());
    EXPECT_TRUE(responder->Messages().empty());
}

// The stats boxes carry their own tips; a load that finds their keys leaves them, and one
// that greys a box for a missing key shows the reason only while it is greyed.
TEST_F(PlayerTabTest, StatsBoxesKeepTheirOwnTipsThroughLoads) {
    Open();
    const QString nameTip = "\"Stat Name\" Must be At Least 6 Characters Long";
    const QString passTip = "\"Stat Pass\" Must be At Least 6 Characters Long";
    EXPECT_EQ(Box("tbx_Stat_Name")->toolTip(), nameTip);
    EXPECT_EQ(Box("tbx_Stat_Pass")->toolTip(), passTip);

    prefix->Write("UT2004/System/User.ini", "[XGame.xPawn]\r\nStatsPassword=\r\n");
    ASSERT_FALSE(MainWindow().ReloadTabs());
    EXPECT_FALSE(Box("tbx_Stat_Name")->isEnabled());
    EXPECT_NE(Box("tbx_Stat_Name")->toolTip(), nameTip);
    EXPECT_EQ(Box("tbx_Stat_Pass")->toolTip(), passTip);

    prefix->Write("UT2004/System/User.ini", kUserIni);
    ASSERT_FALSE(MainWindow().ReloadTabs());
    EXPECT_TRUE(Box("tbx_Stat_Name")->isEnabled());
    EXPECT_EQ(Box("tbx_Stat_Name")->toolTip(), nameTip);
}

TEST_F(PlayerTabTest, StatsLoginsShorterThanSixCharactersAreRefused) {
    Open();
    QLineEdit* name = Box("tbx_Stat_Name");
    Focus(name);
    QTest::keyClicks(name, "abcde");
    QTest::keyClick(name, Qt::Key_Tab);
    QApplication::processEvents();
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_EQ(responder->Messages()[0].text, "'Stat Name' Must Be At Least 6 Characters Long");
    EXPECT_EQ(responder->Messages()[0].title, "Kestrane INI");
    EXPECT_EQ(name->text(), "");
    EXPECT_TRUE(name->hasFocus());

    QTest::keyClicks(name, "abcdef");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_TRUE(Controls().Find({"pb_Player"})->hasFocus());
    EXPECT_EQ(responder->Messages().size(), 1u);

    QLineEdit* pass = Box("tbx_Stat_Pass");
    EXPECT_EQ(pass->echoMode(), QLineEdit::Password);
    Focus(pass);
    QTest::keyClicks(pass, "12345");
    QTest::keyClick(pass, Qt::Key_Enter);
    ASSERT_EQ(responder->Messages().size(), 2u);
    EXPECT_EQ(responder->Messages()[1].text, "'Stat Password' Must Be At Least 6 Characters Long");
    EXPECT_TRUE(pass->hasFocus());

    // An empty box, a player without a stats login, may be left.
    QTest::keyClick(pass, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(responder->Messages().size(), 2u);
    EXPECT_FALSE(pass->hasFocus());
}

}  // namespace
}  // namespace kestrane
