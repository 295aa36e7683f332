#include "editor/windows/tools/instant_action_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QThread>
#include <iostream>

#include "editor/instant_action/game_types.h"
#include "editor/instant_action/instant_state.h"
#include "editor/store/program_state.h"
#include "editor/widgets/elided_label.h"
#include "editor/widgets/rich_text_box.h"
#include "editor/widgets/screen_fit.h"
#include "editor/windows/main/main_window.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

constexpr const char* kRecords =
    "Mutator=(ClassName=Foo.MutBar,FallbackName=\"Bar Mutator\",FallbackDesc=\"Does bar.\")\r\n"
    "Mutator=(ClassName=XGame.MutInstaGib,FallbackName=\"InstaGib\",FallbackDesc=\"One hit.\")\r\n";

constexpr const char* kInvasionIni =
    "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n\r\n"
    "[SkaarjPack.Invasion]\r\nInitialWave=3\r\nFinalWave=10\r\nFriendlyFireScale=0.600000\r\n"
    "bAllowTaunts=true\r\nbWeaponStay=False\r\n";

class InstantActionTest : public test::EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        ResetInstantAction();
    }

    frmInstantAction* Open(const std::string& ut = test::kSmallUt2004Ini,
                           std::vector<std::string> maps = {"AS-Alpha.ut2", "as-beta.ut2",
                                                            "CTF-Gamma.ut2", "DM-Rankin.ut2"},
                           const char* records = kRecords) {
        Install(test::kSmallUserIni, ut);
        for (const std::string& map : maps) prefix->Write("UT2004/Maps/" + map, "map");
        if (records) prefix->Write("UT2004/System/CacheRecords.ucl", records);
        if (!Start()) return nullptr;
        Trigger("mnuInstantActionSettings");
        return MainWindow().findChild<frmInstantAction*>();
    }

    static void Click(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    static void Choose(QComboBox* combo, const QString& text) {
        combo->setCurrentText(text);
        emit combo->activated(combo->currentIndex());
    }
    static std::string Args(frmInstantAction* w) { return w->rtb_CmdArgs()->Text(); }
    // A size a label asks for climbs one parent per event turn, up to the window.
    static void Settle() {
        for (int turn = 0; turn < 12; ++turn) QApplication::processEvents();
    }
};

TEST_F(InstantActionTest, AFreshOpeningShowsAssaultWithItsFirstMap) {
    frmInstantAction* w = Open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Instant Action");
    EXPECT_EQ(w->lblGameType()->text(), "Assault");
    for (int i = 0; i < kOptionFrames; ++i) EXPECT_EQ(w->Frame(i)->isVisible(), i == 1) << i;
    EXPECT_EQ(w->Frame(1)->title(), "Assualt");
    EXPECT_EQ(w->cbx_BotDiff()->currentText(), "Novice");
    EXPECT_EQ(w->tbx_Ass(kBotsBox)->text(), "5");
    ASSERT_EQ(w->ListBox_Maps()->count(), 2);
    EXPECT_EQ(w->ListBox_Maps()->item(1)->text(), "as-beta");
    EXPECT_EQ(w->lblMap()->text(), "AS-Alpha");
    EXPECT_EQ(w->ListBox_Mutators()->count(), 2);
    EXPECT_EQ(Args(w), "AS-Alpha.ut2?Game=UT2k4Assault.ASGameInfo?Numbots=5?Difficulty=0");

    Trigger("mnuInstantActionSettings");  // open already: nothing new
    EXPECT_EQ(MainWindow().findChildren<frmInstantAction*>().size(), 1);
}

TEST_F(InstantActionTest, ChoicesRebuildTheArguments) {
    frmInstantAction* w = Open();
    ASSERT_NE(w, nullptr);
    Choose(w->cbx_GameType(), "Invasion");
    EXPECT_TRUE(w->Frame(8)->isVisible());
    EXPECT_FALSE(w->Frame(1)->isVisible());
    EXPECT_EQ(Args(w), "DM-Rankin.ut2?Game=SkaarjPack.Invasion?Numbots=5?Difficulty=0");

    Click(w->ListBox_Mutators(), 1);
    EXPECT_EQ(w->lblMutator()->text(), "InstaGib");
    EXPECT_EQ(w->lbl_MutDesc()->text(), "\"One hit.\"");
    EXPECT_EQ(Args(w),
              "DM-Rankin.ut2?Game=SkaarjPack.Invasion?Numbots=5?Difficulty=0"
              "?Mutator=XGame.MutInstaGib");
    QTest::mouseClick(w->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(Args(w), "DM-Rankin.ut2?Game=SkaarjPack.Invasion?Numbots=5?Difficulty=0");
    EXPECT_EQ(w->lblMutator()->text(), "InstaGib");  // the name stays shown
    Click(w->ListBox_Mutators(), 1);                 // the same entry again restores it
    EXPECT_NE(Args(w).find("?Mutator=XGame.MutInstaGib"), std::string::npos);

    Choose(w->cbx_BotDiff(), "Masterfull");
    QTest::mouseClick(w->b_AssAdd(kBotsBox), Qt::LeftButton);
    EXPECT_EQ(Args(w),
              "DM-Rankin.ut2?Game=SkaarjPack.Invasion?Numbots=6?Difficulty=5"
              "?Mutator=XGame.MutInstaGib");

    // Typed text that is no number stays; the steppers leave it alone.
    w->tbx_Ass(kBotsBox)->selectAll();
    QTest::keyClicks(w->tbx_Ass(kBotsBox), "7x");
    QTest::mouseClick(w->b_AssAdd(kBotsBox), Qt::LeftButton);
    EXPECT_EQ(w->tbx_Ass(kBotsBox)->text(), "7x");
    EXPECT_NE(Args(w).find("?Numbots=7x?"), std::string::npos);
    // An emptied box may still be typed into; once left it reads as 0.
    w->tbx_Ass(kBotsBox)->clear();
    EXPECT_EQ(w->tbx_Ass(kBotsBox)->text(), "");
    QTest::keyClick(w->tbx_Ass(kBotsBox), Qt::Key_Return);
    EXPECT_EQ(w->tbx_Ass(kBotsBox)->text(), "0");
    QTest::mouseClick(w->b_AssSub(kBotsBox), Qt::LeftButton);
    EXPECT_EQ(w->tbx_Ass(kBotsBox)->text(), "0");

    // A mutator "click" with nothing selected chooses nothing.
    QTest::mouseClick(w->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    w->ListBox_Mutators()->setCurrentRow(-1);
    w->ListBox_Mutators_Click();
    EXPECT_FALSE(InstantAction().InstantMutatorOn);
}

TEST_F(InstantActionTest, PlayKeepsUntouchedOptionsAndTheStoredInitialWave) {
    frmInstantAction* w = Open(kInvasionIni);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->tbx_Ass(49)->text(), "3");
    EXPECT_EQ(w->tbx_Ass(50)->text(), "10");
    EXPECT_EQ(w->tbx_Ass(51)->text(), "0.6");
    EXPECT_TRUE(w->cbxAss(50)->isChecked());
    QTest::mouseClick(w->b_AssAdd(50), Qt::LeftButton);  // final wave 11
    QTest::mouseClick(w->cbxAss(52), Qt::LeftButton);    // weapon stay on
    Choose(w->cbx_GameType(), "Invasion");
    QTest::mouseClick(w->Play(), Qt::LeftButton);

    EXPECT_TRUE(responder->Messages().empty());
    EXPECT_EQ(SystemFile("UT2004.ini"),
              "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n\r\n"
              "[SkaarjPack.Invasion]\r\nInitialWave=3\r\nFinalWave=11\r\n"
              "FriendlyFireScale=0.600000\r\nbAllowTaunts=true\r\nbWeaponStay=True\r\n");
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].program, "C:\\UT2004\\System\\UT2004.exe");
    EXPECT_EQ(launches[0].arguments,
              "DM-Rankin.ut2?Game=SkaarjPack.Invasion?Numbots=5?Difficulty=0");
    EXPECT_TRUE(MainWindow().Unloaded());
}

// Numbers typed key by key keep their start: a fraction below 1 can be typed, and a final wave
// typed past the initial one's digits is not raised on its first digit; Play saves them.
TEST_F(InstantActionTest, TypedOptionsKeepWhatWasTypedOrTheirBound) {
    frmInstantAction* w = Open(kInvasionIni);
    ASSERT_NE(w, nullptr);
    Choose(w->cbx_GameType(), "Invasion");
    const auto type = [&](int box, const char* typed) {
        w->tbx_Ass(box)->selectAll();
        QTest::keyClicks(w->tbx_Ass(box), typed);
    };
    type(51, "0.5");
    EXPECT_EQ(w->tbx_Ass(51)->text(), "0.5");
    type(50, "12");  // "1" lies below the initial wave 3 only until the "2" comes
    EXPECT_EQ(w->tbx_Ass(50)->text(), "12");
    type(49, "20");  // past the final wave: no digit typed on brings it back
    EXPECT_EQ(w->tbx_Ass(49)->text(), "12");
    type(49, "0.");
    EXPECT_EQ(w->tbx_Ass(49)->text(), "0.");
    QTest::keyClick(w->tbx_Ass(49), Qt::Key_Return);  // done: it reads 0
    EXPECT_EQ(w->tbx_Ass(49)->text(), "0");
    type(50, "1");
    QTest::keyClick(w->tbx_Ass(50), Qt::Key_Return);
    EXPECT_EQ(w->tbx_Ass(50)->text(), "1");
    type(50, "30");
    EXPECT_EQ(w->tbx_Ass(50)->text(), "16");
    QTest::mouseClick(w->Play(), Qt::LeftButton);

    EXPECT_TRUE(responder->Messages().empty());
    EXPECT_EQ(SystemFile("UT2004.ini"),
              "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n\r\n"
              "[SkaarjPack.Invasion]\r\nInitialWave=0\r\nFinalWave=16\r\n"
              "FriendlyFireScale=0.5\r\nbAllowTaunts=true\r\nbWeaponStay=False\r\n");
}

// An option whose line the file lacks takes no edit that Play would drop: it is greyed with
// the tip, its steppers with it.
TEST_F(InstantActionTest, AnOptionWhoseLineTheFileLacksIsGreyedWithATip) {
    frmInstantAction* w = Open(
        "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n"
        "[XGame.xDeathMatch]\r\nGoalScore=25\r\nMaxLives = 3\r\n");
    ASSERT_NE(w, nullptr);
    Choose(w->cbx_GameType(), "DeathMatch");
    EXPECT_EQ(w->tbx_Ass(19)->text(), "");  // greyed: shows nothing
    EXPECT_EQ(w->tbx_Ass(20)->text(), "");
    EXPECT_EQ(w->tbx_Ass(20)->toolTip(),
              "Not edited here: [XGame.xDeathMatch] has its MaxLives line as \"MaxLives = 3\", a "
              "form this field does not take, so this setting is not saved from here. The "
              "UT2004.INI tab edits it.");
    for (QWidget* control :
         {static_cast<QWidget*>(w->tbx_Ass(19)), static_cast<QWidget*>(w->b_AssAdd(19)),
          static_cast<QWidget*>(w->b_AssSub(19)), static_cast<QWidget*>(w->cbxAss(19))}) {
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    }
    EXPECT_EQ(w->tbx_Ass(19)->toolTip(),
              "Not in UT2004.ini: [XGame.xDeathMatch] has no TimeLimit line, so this setting is "
              "not saved.");
    EXPECT_EQ(w->cbxAss(19)->toolTip(),
              "Not in UT2004.ini: [XGame.xDeathMatch] has no bForceRespawn line, so this setting "
              "is not saved.");
    EXPECT_TRUE(w->tbx_Ass(21)->isEnabled());  // Score Limit has its line
    EXPECT_TRUE(w->tbx_Ass(21)->toolTip().isEmpty());
    // A whole section missing greys its frame's options too.
    EXPECT_FALSE(w->tbx_Ass(9)->isEnabled());  // Assault's Time Limit
}

// On every real UT2004.ini, as stored and with the game's CR LF, started with no profile: a box
// greyed for a line its file lacks shows nothing.
TEST_F(InstantActionTest, RealFilesShowTheirGreyedBoxesEmpty) {
    const std::vector<std::string> files = test::RealUt2004Inis();
    if (files.empty()) GTEST_SKIP() << "no real files";
    int greyed = 0;
    for (const std::string& file : files) {
        const std::string text = test::ReadHostFile(file);
        for (const std::string& form : {text, test::ToCrLf(text)}) {
            SCOPED_TRACE(file);
            TearDown();
            SetUp();
            frmInstantAction* w = Open(form);
            ASSERT_NE(w, nullptr);
            for (int i = 0; i < kOptionNumberBoxes; ++i) {
                if (i == kBotsBox || w->tbx_Ass(i)->isEnabled()) continue;
                ++greyed;
                EXPECT_EQ(w->tbx_Ass(i)->text(), "") << i;
            }
        }
    }
    std::cout << greyed << " greyed option boxes on " << 2 * files.size() << " files\n";
}

// Play saves what the options show; an option set back after that Play is written by the next.
TEST_F(InstantActionTest, AnOptionSetBackAfterAPlayIsWrittenByTheNext) {
    const std::string ut =
        "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n"
        "[XGame.xDeathMatch]\r\nTimeLimit=20\r\n";
    frmInstantAction* w = Open(ut);
    ASSERT_NE(w, nullptr);
    platform::RecordLaunchesForTest(nullptr);  // no game: the window stays after each Play
    Choose(w->cbx_GameType(), "DeathMatch");
    QTest::mouseClick(w->b_AssAdd(19), Qt::LeftButton);
    QTest::mouseClick(w->Play(), Qt::LeftButton);
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(SystemFile("UT2004.ini"),
              "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n"
              "[XGame.xDeathMatch]\r\nTimeLimit=" +
                  w->tbx_Ass(19)->text().toStdString() + "\r\n");
    EXPECT_NE(w->tbx_Ass(19)->text(), "20");
    QTest::mouseClick(w->b_AssSub(19), Qt::LeftButton);
    ASSERT_EQ(w->tbx_Ass(19)->text(), "20");
    QTest::mouseClick(w->Play(), Qt::LeftButton);
    EXPECT_EQ(SystemFile("UT2004.ini"), ut);
}

// A value the player did not touch shows as the file holds it, beyond the rules' range and
// longer than four characters too, and stays as it was; the rules act on what is stepped or
// typed.
TEST_F(InstantActionTest, UntouchedValuesShowWholeAndStayAndTheRulesActOnEdits) {
    const std::string ini =
        "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n"
        "[SkaarjPack.Invasion]\r\nInitialWave=3\r\nFinalWave=20\r\nGoalScore=12345\r\n"
        "MaxLives=-5\r\nFriendlyFireScale=0.333333\r\nTimeLimit=99.99\r\n"
        "[BonusPack.xLastManStandingGame]\r\nCampThreshold=600.99\r\nMaxLives=30\r\n"
        "[UT2k4Assault.ASGameInfo]\r\nPracticeTimeLimit=123456789012345678901234567890\r\n"
        "GoalScore=&H10\r\nTimeLimit=1e400\r\n";
    frmInstantAction* w = Open(ini);
    ASSERT_NE(w, nullptr);
    const std::pair<int, const char*> shown[] = {
        {49, "3"},      {50, "20"},       {54, "12345"},
        {55, "-5"},     {51, "0.333333"}, {56, "99.99"},
        {64, "600.99"}, {59, "30"},       {2, "123456789012345678901234567890"},
        {7, "&H10"},    {9, "1e400"}};
    for (const auto& [box, text] : shown) EXPECT_EQ(w->tbx_Ass(box)->text(), text) << box;
    // A step has no number to count from in "&H10": the box keeps it, and says why.
    QTest::mouseClick(w->b_AssAdd(7), Qt::LeftButton);
    EXPECT_EQ(w->tbx_Ass(7)->text(), "&H10");
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_NE(responder->Messages()[0].text.find("\"&H10\" is not a plain number"),
              std::string::npos);

    QTest::mouseClick(w->b_AssAdd(50), Qt::LeftButton);  // 21: the final wave stops at 16
    EXPECT_EQ(w->tbx_Ass(50)->text(), "16");
    w->tbx_Ass(59)->setText("-3");  // pasted below zero
    EXPECT_EQ(w->tbx_Ass(59)->text(), "0");
    QTest::mouseClick(w->Play(), Qt::LeftButton);
    std::string want = ini;
    want.replace(want.find("FinalWave=20"), 12, "FinalWave=16");
    want.replace(want.find("MaxLives=30"), 11, "MaxLives=0");
    EXPECT_EQ(SystemFile("UT2004.ini"), want);
}

// Names from CacheRecords.ucl and the maps folder are shown as text, never as markup.
TEST_F(InstantActionTest, NamesFromTheFilesShowAsPlainText) {
    frmInstantAction* w = Open(test::kSmallUt2004Ini, {"AS-<u>Tilt.ut2"},
                               "Mutator=(ClassName=Foo.MutFive,FallbackName=\"<b>Five</b>\","
                               "FallbackDesc=\"<font color=red>Fast</font> &amp; loose\")\r\n");
    ASSERT_NE(w, nullptr);
    Click(w->ListBox_Mutators(), 0);
    EXPECT_EQ(w->lblMutator()->text(), "<b>Five</b>");
    EXPECT_EQ(w->lbl_MutDesc()->text(), "\"<font color=red>Fast</font> &amp; loose\"");
    EXPECT_EQ(w->lblMap()->text(), "AS-<u>Tilt");
    for (QLabel* label : {w->lblGameType(), w->lblMap(), w->lblMutator(), w->lbl_MutDesc()}) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
}

TEST_F(InstantActionTest, PlayUsesTheArgumentsAsThePlayerLeftThem) {
    frmInstantAction* w = Open();
    ASSERT_NE(w, nullptr);
    w->rtb_CmdArgs()->SetText("AS-Alpha.ut2?Game=UT2k4Assault.ASGameInfo -log");
    QTest::mouseClick(w->Play(), Qt::LeftButton);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].arguments, "AS-Alpha.ut2?Game=UT2k4Assault.ASGameInfo -log");
}

TEST_F(InstantActionTest, AMapNameTheGameCannotTakeIsRefused) {
    frmInstantAction* w = Open(test::kSmallUt2004Ini, {"DM-My Map.ut2"}, nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ListBox_Mutators()->count(), 0);
    EXPECT_NE(w->lbl_MutDesc()->text().indexOf("CacheRecords.ucl could not be read"), -1);
    Choose(w->cbx_GameType(), "DeathMatch");
    QTest::mouseClick(w->Play(), Qt::LeftButton);
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_EQ(responder->Messages()[0].text,
              "The map \"DM-My Map\" cannot go into the game's command line: it holds a blank.");
    EXPECT_TRUE(launches.empty());
    EXPECT_FALSE(MainWindow().Unloaded());
    EXPECT_TRUE(w->isVisible());
}

// A map file name the game cannot take is listed whole and Play names the real cause: a
// character Windows-1252 lacks, a backslash inside the host file name (never cut to "slash").
TEST_F(InstantActionTest, MapFileNamesBeyondTheGamesTextAreListedWholeAndRefusedWithTheirCause) {
    frmInstantAction* w =
        Open(test::kSmallUt2004Ini, {"DM-\xCE\xA9mega.ut2", "DM-back\\slash.ut2", "DM-Rankin.ut2"});
    ASSERT_NE(w, nullptr);
    Choose(w->cbx_GameType(), "DeathMatch");
    QListWidget* maps = w->ListBox_Maps();
    ASSERT_EQ(maps->count(), 3);
    const struct {
        const char* listed;
        const char* message;
    } cases[] = {
        {"DM-?mega",
         "The map \"DM-?mega\" cannot go into the game's command line: its file name holds a "
         "character the game's text (Windows-1252) cannot hold, shown here as \"?\". Rename the "
         "map file to play it."},
        {"DM-back\\slash",
         "The map \"DM-back\\slash\" cannot go into the game's command line: it holds a \"\\\", "
         "which the game reads as a folder separator."},
    };
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(cases[row].listed);
        EXPECT_EQ(maps->item(row)->text().toStdString(), cases[row].listed);
        Click(maps, row);
        EXPECT_EQ(w->lblMap()->text().toStdString(), cases[row].listed);
        const size_t before = responder->Messages().size();
        QTest::mouseClick(w->Play(), Qt::LeftButton);
        ASSERT_EQ(responder->Messages().size(), before + 1);
        EXPECT_EQ(responder->Messages().back().text, cases[row].message);
    }
    EXPECT_TRUE(launches.empty());
    Click(maps, 2);
    QTest::mouseClick(w->Play(), Qt::LeftButton);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].arguments.rfind("DM-Rankin.ut2?", 0), 0u) << launches[0].arguments;
}

// No map of the chosen type: Play would start the game on ".ut2". It says so and starts
// nothing; nothing is saved.
TEST_F(InstantActionTest, PlayWithNoMapStartsNothing) {
    frmInstantAction* w = Open(test::kSmallUt2004Ini, {"DM-Rankin.ut2"});
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ListBox_Maps()->count(), 0);  // Assault: no AS- map
    QTest::mouseClick(w->Play(), Qt::LeftButton);
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_EQ(responder->Messages()[0].text,
              "A map must be chosen before the game can start: the game's Maps folder holds no map "
              "of this game type. The game was not started.");
    EXPECT_TRUE(launches.empty());
    EXPECT_EQ(SystemFile("UT2004.ini"), test::kSmallUt2004Ini);
    EXPECT_TRUE(w->isVisible());
}

// A map, a mutator and a description of 200 letters without a blank: the window stays on the
// screen with Play and Cancel in it; the labels show a part and hold the whole text in their
// tips, and the command line holds the whole names.
TEST_F(InstantActionTest, LongNamesKeepTheWindowOnTheScreen) {
    const std::string map = "AS-" + std::string(200, 'a');
    const std::string mutator = "Long" + std::string(200, 'M');
    const std::string className = "LongPack.Mut" + std::string(200, 'C');
    const std::string description = "\"" + std::string(200, 'D') + "\"";
    const std::string records = "Mutator=(ClassName=" + className + ",FallbackName=\"" + mutator +
                                "\",FallbackDesc=" + description + ")\r\n";
    frmInstantAction* w =
        Open(test::kSmallUt2004Ini, {map + ".ut2", "AS-Alpha.ut2"}, records.c_str());
    ASSERT_NE(w, nullptr);
    QListWidget* maps = w->ListBox_Maps();
    const QList<QListWidgetItem*> found =
        maps->findItems(QString::fromStdString(map), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    Click(maps, maps->row(found[0]));
    Click(w->ListBox_Mutators(), 0);
    Settle();

    // The frame as a desktop draws it: from the corner the window was moved to.
    const QRect frame(w->frameGeometry().topLeft(), w->size().grownBy(kFrameAllowance));
    const QRect screen = w->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(frame))
        << w->width() << "x" << w->height() << " on " << screen.width() << "x" << screen.height();
    for (QPushButton* button : {w->Play(), w->Command3()}) {
        EXPECT_TRUE(button->isVisible());
        EXPECT_TRUE(w->rect().contains(QRect(button->mapTo(w, QPoint()), button->size())))
            << button->text().toStdString();
    }
    // The list scrolls sideways to its long entry.
    EXPECT_GT(maps->horizontalScrollBar()->maximum(), 0);

    const std::pair<ElidedLabel*, std::string> labels[] = {
        {w->lblMap(), map}, {w->lblMutator(), mutator}, {w->lbl_MutDesc(), description}};
    for (const auto& [label, whole] : labels) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(label->text().toStdString(), whole);
        EXPECT_LT(label->width(), w->width());
        EXPECT_EQ(label->toolTip().remove(QChar(0x200B)).toStdString(), whole);
    }
    const std::string args =
        map + ".ut2?Game=UT2k4Assault.ASGameInfo?Numbots=5?Difficulty=0?Mutator=" + className;
    EXPECT_EQ(Args(w), args);
    EXPECT_LT(w->rtb_CmdArgs()->width(), w->width());

    // A name that fits has no tip.
    Click(maps, maps->row(maps->findItems("AS-Alpha", Qt::MatchExactly).value(0)));
    Settle();
    EXPECT_EQ(w->lblMap()->text(), "AS-Alpha");
    EXPECT_EQ(w->lblMap()->toolTip(), "");

    Click(maps, maps->row(found[0]));
    QTest::mouseClick(w->Play(), Qt::LeftButton);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].arguments, args);
}

// The window opens with room for every game type's options where the screen has it; on a
// screen of 800 x 600 it fits with its frame, its controls scroll and Play and Cancel stay in
// view.
TEST_F(InstantActionTest, OnASmallScreenTheControlsScrollAndPlayStaysInView) {
    frmInstantAction* w = Open();
    ASSERT_NE(w, nullptr);
    Settle();
    auto* scroll = w->findChild<QScrollArea*>("InstantActionScroll");
    ASSERT_NE(scroll, nullptr);
    // The controls take some 660 px of height (the offscreen screen has 800).
    const bool room = w->screen()->availableGeometry().height() >= 760;
    for (const GameTypeRow& type : room ? GameTypeTable() : std::span<const GameTypeRow>()) {
        Choose(w->cbx_GameType(), QString::fromUtf8(type.name.data(), type.name.size()));
        Settle();
        EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0) << type.name;
    }

    const QRect small(0, 0, 800, 600);
    const QRect place = FitOnScreen({980, 640}, w->minimumSizeHint(), small);
    EXPECT_TRUE(small.contains(QRect(place.topLeft(), place.size().grownBy(kFrameAllowance))));
    w->resize(place.size());
    Settle();
    EXPECT_EQ(w->size(), place.size());
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    for (QPushButton* button : {w->Play(), w->Command3()}) {
        EXPECT_TRUE(button->isVisible());
        EXPECT_TRUE(w->rect().contains(QRect(button->mapTo(w, QPoint()), button->size())))
            << button->text().toStdString();
    }
}

// A stand-in for wine on PATH that writes its working folder and arguments, one a line.
class StandInWine {
  public:
    explicit StandInWine(bool present) : oldPath_(qgetenv("PATH")) {
        record_ = dir_.path() + "/record.txt";
        if (present) {
            QFile script(dir_.path() + "/wine");
            script.open(QIODevice::WriteOnly);
            script.write(
                ("#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" +
                 record_ + ".part' && mv '" + record_ + ".part' '" + record_ + "'\n")
                    .toUtf8());
            script.close();
            script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner);
        }
        // Without the stand-in, PATH holds only its empty folder: no wine anywhere.
        qputenv("PATH",
                (dir_.path() + (present ? ":" + QString(oldPath_) : QString())).toLocal8Bit());
    }
    ~StandInWine() { qputenv("PATH", oldPath_); }

    // Waits for the record of a stand-in that has started (Play showed no message): it comes
    // however busy the machine is.
    QStringList Recorded() const {
        while (!QFile::exists(record_)) QThread::msleep(20);
        QFile file(record_);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

  private:
    QTemporaryDir dir_;
    QByteArray oldPath_;
    QString record_;
};

TEST_F(InstantActionTest, PlayStartsTheGameThroughWineInTheSystemFolder) {
    frmInstantAction* w = Open();
    ASSERT_NE(w, nullptr);
    prefix->Write("UT2004/System/UT2004.exe", "MZ");
    platform::RecordLaunchesForTest(nullptr);
    StandInWine wine(true);
    Click(w->ListBox_Maps(), 1);
    Click(w->ListBox_Mutators(), 0);
    QTest::mouseClick(w->b_AssAdd(kBotsBox), Qt::LeftButton);
    QTest::mouseClick(w->Play(), Qt::LeftButton);
    ASSERT_TRUE(responder->Messages().empty());
    EXPECT_TRUE(MainWindow().Unloaded());
    const QStringList recorded = wine.Recorded();
    const QString system = QDir(QString::fromStdString(prefix->SystemFolder())).canonicalPath();
    ASSERT_EQ(recorded.size(), 3) << recorded.join('|').toStdString();
    EXPECT_EQ(QDir(recorded[0]).canonicalPath(), system);
    EXPECT_EQ(QFileInfo(recorded[1]).canonicalFilePath(), system + "/UT2004.exe");
    EXPECT_EQ(recorded[2],
              "as-beta.ut2?Game=UT2k4Assault.ASGameInfo?Numbots=6?Difficulty=0"
              "?Mutator=Foo.MutBar");
}

// The game's 8-bit text reaches wine as the characters the player sees: a map, a mutator
// class and a bots text with bytes over 127.
TEST_F(InstantActionTest, PlaySendsCharactersBeyondAsciiAsThePlayerSeesThem) {
    frmInstantAction* w = Open(test::kSmallUt2004Ini, {"DM-Caf\u00e9.ut2"},
                               "Mutator=(ClassName=Caf\xE9.Mut\xC0,FallbackName=\"Cafe\","
                               "FallbackDesc=\"Strong.\")\r\n");
    ASSERT_NE(w, nullptr);
    prefix->Write("UT2004/System/UT2004.exe", "MZ");
    platform::RecordLaunchesForTest(nullptr);
    StandInWine wine(true);
    Choose(w->cbx_GameType(), "DeathMatch");
    EXPECT_EQ(w->lblMap()->text(), QString::fromUtf8("DM-Caf\u00e9"));
    Click(w->ListBox_Mutators(), 0);
    w->tbx_Ass(kBotsBox)->setText(QString::fromUtf8("5\u00f1"));
    QTest::mouseClick(w->Play(), Qt::LeftButton);
    ASSERT_TRUE(responder->Messages().empty());
    const QStringList recorded = wine.Recorded();
    ASSERT_EQ(recorded.size(), 3) << recorded.join('|').toStdString();
    EXPECT_EQ(recorded[2], QString::fromUtf8("DM-Caf\u00e9.ut2?Game=XGame.xDeathMatch"
                                             "?Numbots=5\u00f1?Difficulty=0"
                                             "?Mutator=Caf\u00e9.Mut\u00c0"));
}

TEST_F(InstantActionTest, AGameThatCannotStartIsNamedAndTheEditorStays) {
    struct Case {
        bool exe;
        bool wine;
        const char* message;
    };
    const Case cases[] = {
        {false, true, "does not exist"},
        {true, false, "wine was not found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TearDown();
        SetUp();
        frmInstantAction* w = Open();
        ASSERT_NE(w, nullptr);
        if (c.exe) prefix->Write("UT2004/System/UT2004.exe", "MZ");
        platform::RecordLaunchesForTest(nullptr);
        StandInWine wine(c.wine);
        QTest::mouseClick(w->Play(), Qt::LeftButton);
        ASSERT_EQ(responder->Messages().size(), 1u);
        const std::string& text = responder->Messages()[0].text;
        EXPECT_TRUE(text.starts_with("Could not start C:\\UT2004\\System\\UT2004.exe: ")) << text;
        EXPECT_NE(text.find(c.message), std::string::npos) << text;
        EXPECT_FALSE(MainWindow().Unloaded());
        EXPECT_TRUE(w->isVisible());
    }
}

}  // namespace
}  // namespace kestrane
