// The main window builds each page when it is first shown. A page built late shows what it
// would have shown had it been built before the load; a save writes the same bytes whether no
// page, every page, or every page before the load was built; an edit on a page opened late is
// saved; and a page not yet built follows every reload.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <map>

#include "editor/store/program_state.h"
#include "editor/widgets/picture_box.h"
#include "editor/widgets/rich_text_box.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/startup.h"
#include "editor/windows/tabs/main_tabs.h"
#include "platform/base/ansi.h"
#include "tests/support/round_trip.h"
#include "tests/support/test_paths.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane::test {
namespace {

constexpr const char* kWithProfile = "Music=OFF\r\nProfileName=Player\r\nCacheDelete=False\r\n";

// Values whose page is not the first, in the forms a widget must take as they stand: a lone
// CR and LF inside a value, bytes of the 0x80 row, a value longer than a line edit's own
// limit, forms a save must not normalise ("true", "1", "0.800000", "0.123456"), a colour
// beyond 255, a crosshair with a picture and one the table lacks, a key name long enough for
// the small bind font, a weapon without its Priority line and a render device without a line.
std::string EdgeUserIni() {
    return "[Engine.Input]\r\n"
           "Aliases[0]=(Command=\"Button bFire | Fire\",Alias=Fire)\r\n"
           "NumPadPeriod=Fire\r\n"
           "Space=Jump\r\n"
           "\r\n"
           "[Engine.PlayerInput]\r\n"
           "MouseSensitivity=0.800000\r\n"
           "bInvertMouse=true\r\n"
           "\r\n"
           "[XInterface.HudBase]\r\n"
           "bShowWeaponInfo=1\r\n"
           "HudScale=0.123456\r\n"
           "\r\n"
           "[XInterface.ExtendedConsole]\r\n"
           "NickName=Ace\rX\nY\x80\x9d" +
           std::string(40000, 'z') +
           "\r\n"
           "IRCTextColor=(R=300,G=12.5,B=7,A=128)\r\n"
           "\r\n"
           "[XWeapons.Redeemer]\r\n"
           "CustomCrossHairTextureName=Crosshairs.HUD.Crosshair_Dot\r\n"
           "CustomCrossHairColor=(B=0,G=255,R=0,A=255)\r\n"
           "Priority=10\r\n"
           "\r\n"
           "[XWeapons.Painter]\r\n"
           "CustomCrossHairTextureName=Unknown.Texture\r\n"
           "\r\n"
           "[DefaultPlayer]\r\n"
           "Name=Player\r\n";
}

constexpr const char* kEdgeUt2004Ini =
    "[Engine.Engine]\r\n"
    "RenderDevice=D3DDrv.D3DRenderDevice\r\n"
    ";RenderDevice=OpenGLDrv.OpenGLRenderDevice\r\n"
    "\r\n"
    "[WinDrv.WindowsClient]\r\n"
    "FullscreenViewportX=1024\r\n"
    "FullscreenViewportY=768\r\n";

// Everything a player could see of one control.
std::string Look(ControlRegistry& controls, const std::string& name, int index, QWidget* w) {
    std::string look = "value=" + std::to_string(controls.Value({name, index})) +
                       " enabled=" + std::to_string(w->isEnabled()) +
                       " tip=" + platform::ToAnsi(w->toolTip()) +
                       " base=" + w->palette().color(QPalette::Base).name().toStdString() +
                       " ink=" + w->palette().color(QPalette::Text).name().toStdString() +
                       " font=" + std::to_string(w->font().pointSize());
    if (auto* picture = qobject_cast<PictureBox*>(w)) {
        look += " picture=" + std::to_string(picture->HasPicture());
    }
    return look + " text=" + controls.Text({name, index});
}

class LazyPagesTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        // A picture for every crosshair, so that the previews show whether they were set.
        const QString folder =
            QString::fromStdString(prefix->ProgramFolder()) + "/Images/CrossHairs/";
        QDir().mkpath(folder);
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        for (const char* name : {"Dot", "Cross 1", "Tank", "Grenade Launcher", "Avril"}) {
            image.save(folder + name + ".jpg", "JPG");
        }
    }

    // The load step of start-up, with every page built before it (as the window once was) or
    // with the first page alone.
    void StartLoaded(bool everyPageFirst) {
        ASSERT_FALSE(ReadKestraneIni());
        if (everyPageFirst) MainWindow().BuildEveryPage();
        ASSERT_TRUE(MainWindow().Form_Load());
    }

    // Every control of every built page, by name and index.
    std::map<std::string, std::string> Shown() {
        std::map<std::string, std::string> shown;
        ControlRegistry& controls = Controls();
        controls.ForEach([&](const std::string& name, int index, QWidget* w) {
            shown[name + "(" + std::to_string(index) + ")"] = Look(controls, name, index, w);
        });
        return shown;
    }

    std::map<std::string, std::string> GameFiles() {
        std::map<std::string, std::string> files;
        for (const char* name : {"User.ini", "UT2004.ini"}) {
            files[std::string("System/") + name] = SystemFile(name);
            files[std::string("Profile/") + name] =
                ProgramFile(std::string("Profiles/Player/") + name);
        }
        return files;
    }

    void ExpectOnlyFirstPageBuilt() {
        for (const TabRow& tab : kMainTabs) {
            EXPECT_EQ(MainWindow().PageBuilt(tab.id), tab.id == "player") << tab.id;
        }
    }

    // The edge pair, then each real User.ini with a UT2004.ini in the game's CR LF.
    void ForEachPair(const std::function<void(const std::string&, const std::string&)>& run) {
        std::vector<std::pair<std::string, std::string>> pairs = {{EdgeUserIni(), kEdgeUt2004Ini}};
        const std::vector<std::string> users = RealUserInis();
        const std::vector<std::string> uts = RealUt2004Inis();
        for (size_t i = 0; !users.empty() && !uts.empty() && i < std::max(users.size(), uts.size());
             ++i) {
            pairs.emplace_back(ToCrLf(ReadHostFile(users[i % users.size()])),
                               ToCrLf(ReadHostFile(uts[i % uts.size()])));
        }
        for (size_t i = 0; i < pairs.size(); ++i) {
            SCOPED_TRACE(i == 0
                             ? std::string("edge pair")
                             : users[(i - 1) % users.size()] + " + " + uts[(i - 1) % uts.size()]);
            run(pairs[i].first, pairs[i].second);
        }
    }

    void Restart() {
        TearDown();
        SetUp();
    }
};

TEST_F(LazyPagesTest, APageBuiltLateShowsWhatItWouldHaveShownBuiltBeforeTheLoad) {
    ForEachPair([this](const std::string& user, const std::string& ut) {
        Restart();
        Install(user, ut, kWithProfile);
        StartLoaded(true);
        const auto before = Shown();

        Restart();
        Install(user, ut, kWithProfile);
        StartLoaded(false);
        ExpectOnlyFirstPageBuilt();
        MainWindow().BuildEveryPage();
        const auto late = Shown();
        ASSERT_EQ(late.size(), before.size());
        for (const auto& [control, look] : before) {
            const auto it = late.find(control);
            ASSERT_NE(it, late.end()) << control;
            EXPECT_TRUE(it->second == look) << control << "\n built first: " << look.substr(0, 200)
                                            << "\n built late:  " << it->second.substr(0, 200);
        }
        // What the late pages show is what the files hold: nothing counts as edited, and no
        // control the walks reached is missing from the pages.
        EXPECT_FALSE(MainWindow().HasUnsavedTabEdits());
        EXPECT_EQ(Controls().Unclaimed(), std::vector<std::string>{});
    });
}

TEST_F(LazyPagesTest, ASaveWritesTheSameBytesWithNoPageEveryPageOrEveryPageFirstBuilt) {
    enum class Pages { EveryFirst, None, EveryLate };
    ForEachPair([this](const std::string& user, const std::string& ut) {
        std::map<std::string, std::string> startUp[3];
        std::map<std::string, std::string> saved[3];
        for (Pages pages : {Pages::EveryFirst, Pages::None, Pages::EveryLate}) {
            const auto k = static_cast<size_t>(pages);
            Restart();
            Install(user, ut, kWithProfile);
            StartLoaded(pages == Pages::EveryFirst);
            startUp[k] = GameFiles();
            if (pages == Pages::EveryLate) MainWindow().BuildEveryPage();
            Trigger("frmFileSave");
            saved[k] = GameFiles();
            // Reading the controls for the save and the questions builds nothing.
            if (pages == Pages::None) {
                EXPECT_FALSE(MainWindow().HasUnsavedTabEdits());
                ExpectOnlyFirstPageBuilt();
            }
        }
        for (size_t k : {1, 2}) {
            SCOPED_TRACE(k == 1 ? "no page built" : "every page built after the load");
            for (const auto& [file, text] : startUp[0]) {
                SCOPED_TRACE(file);
                ExpectSameLines(text, startUp[k][file]);
                ExpectSameLines(saved[0][file], saved[k][file]);
            }
        }
    });
}

// A small installation for edits: each key on a page other than the first.
constexpr const char* kEditUserIni =
    "[Engine.Input]\r\n"
    "Space=Jump\r\n"
    "\r\n"
    "[Engine.PlayerInput]\r\n"
    "MouseSensitivity=0.800000\r\n"
    "\r\n"
    "[XInterface.HudBase]\r\n"
    "bShowWeaponInfo=True\r\n"
    "\r\n"
    "[XInterface.ExtendedConsole]\r\n"
    "IRCTextColor=(B=7,G=12,R=40,A=255)\r\n"
    "\r\n"
    "[XWeapons.Redeemer]\r\n"
    "CustomCrossHairTextureName=Crosshairs.HUD.Crosshair_Dot\r\n"
    "Priority=10\r\n"
    "\r\n"
    "[XWeapons.Painter]\r\n"
    "Priority=9\r\n"
    "\r\n"
    "[DefaultPlayer]\r\n"
    "Name=Player\r\n";

void Type(QLineEdit* box, const char* text) {
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
}

struct LateEdit {
    const char* page;
    std::function<void(ControlRegistry&)> edit;
    std::vector<std::string> changedLines;  // as the save must write them, in file order
};

TEST_F(LazyPagesTest, AnEditOnAPageOpenedLateIsSaved) {
    const std::vector<LateEdit> edits = {
        {"mouse",
         [](ControlRegistry& c) {
             Type(c.Get<QLineEdit>({"tbx_Mouse", 2}), "3.5");
         },
         {"MouseSensitivity=3.5\r\n"}},
        {"comm",
         [](ControlRegistry& c) {
             QTest::mouseClick(c.Get<QAbstractButton>({"c_Hud", 1}), Qt::LeftButton);
         },
         {"bShowWeaponInfo=False\r\n"}},
        {"irc",
         [](ControlRegistry& c) {
             Type(c.Get<QLineEdit>({"txb_IRC_Red", 0}), "99");
             // The preview follows the channel on a page built after the load.
             EXPECT_EQ(c.Get<QWidget>({"tbx_IRCColor", 0})->palette().color(QPalette::Base),
                       QColor(99, 12, 7));
         },
         {"IRCTextColor=(B=7,G=12,R=99,A=255)\r\n"}},
        {"weapons",
         [](ControlRegistry& c) {
             // The next crosshair in the list after Dot.
             QTest::keyClick(c.Get<QComboBox>({"cbx_Cross", 0}), Qt::Key_Down);
         },
         {"CustomCrossHairTextureName=ONSInterface-TX.grenadeLauncherReticle\r\n"}},
        {"priority",
         [](ControlRegistry& c) {
             for (int i = 0; i < 17; ++i) {
                 if (c.Text({"tbx_WeaponPriority", i}) != "Ion Painter") continue;
                 QTest::mouseClick(c.Get<QWidget>({"tbx_WeaponPriority", i}), Qt::LeftButton);
             }
             QTest::mouseClick(c.Get<QAbstractButton>({"b_WeaponMove", 0}), Qt::LeftButton);
         },
         {"Priority=9\r\n", "Priority=10\r\n"}},
    };
    StartShown(kEditUserIni, kSmallUt2004Ini);
    Trigger("frmFileSave");
    const std::vector<std::string> untouched = LinesWithEnds(SystemFile("User.ini"));
    for (const LateEdit& e : edits) {
        SCOPED_TRACE(e.page);
        Restart();
        StartShown(kEditUserIni, kSmallUt2004Ini);
        ASSERT_FALSE(MainWindow().PageBuilt(e.page));
        MainWindow().ShowTab(e.page);
        ASSERT_TRUE(MainWindow().PageBuilt(e.page));
        e.edit(Controls());
        EXPECT_TRUE(MainWindow().HasUnsavedTabEdits());
        Trigger("frmFileSave");
        EXPECT_FALSE(MainWindow().HasUnsavedTabEdits());
        const std::vector<std::string> now = LinesWithEnds(SystemFile("User.ini"));
        ASSERT_EQ(now.size(), untouched.size());
        std::vector<std::string> changed;
        for (size_t i = 0; i < now.size(); ++i) {
            if (now[i] != untouched[i]) changed.push_back(now[i]);
        }
        EXPECT_EQ(changed, e.changedLines);
    }
}

TEST_F(LazyPagesTest, APageNotYetBuiltShowsWhatTheLastReloadRead) {
    StartShown(kEditUserIni, kSmallUt2004Ini);
    // The raw tab rewrites the file: a new sensitivity, and no weapon-info line any more.
    MainWindow().ShowTab("user_ini");
    std::string text = kEditUserIni;
    text.replace(text.find("0.800000"), 8, "2.5");
    text.erase(text.find("bShowWeaponInfo=True\r\n"), 22);
    Controls()
        .Get<RichTextBox>({"RTB_User", 0})
        ->setPlainText(platform::FromAnsi(text).replace("\r\n", "\n"));
    QTest::mouseClick(Controls().Get<QAbstractButton>({"cb_SaveUser", 0}), Qt::LeftButton);
    ASSERT_EQ(SystemFile("User.ini"), text);
    EXPECT_FALSE(MainWindow().PageBuilt("mouse"));
    EXPECT_FALSE(MainWindow().PageBuilt("comm"));

    MainWindow().ShowTab("mouse");
    EXPECT_EQ(Controls().Text({"tbx_Mouse", 2}), "2.5");
    MainWindow().ShowTab("comm");
    QWidget* weaponInfo = Controls().Find({"c_Hud", 1});
    EXPECT_FALSE(weaponInfo->isEnabled());
    EXPECT_TRUE(weaponInfo->toolTip().startsWith("Not in User.ini"))
        << weaponInfo->toolTip().toStdString();
    EXPECT_FALSE(MainWindow().HasUnsavedTabEdits());
}

// Outside a load, a control is set as a player's edit would set it: its own change rule runs,
// so its page is built first. Reading it builds nothing.
TEST_F(LazyPagesTest, AWriteOutsideTheLoadRunsTheFieldsOwnRule) {
    StartShown(kEditUserIni, kSmallUt2004Ini);
    EXPECT_EQ(Controls().Text({"tbx_Mouse", 2}), "0.8");
    EXPECT_FALSE(MainWindow().PageBuilt("mouse"));
    Controls().SetText({"tbx_Mouse", 2}, "30");
    EXPECT_TRUE(MainWindow().PageBuilt("mouse"));
    EXPECT_EQ(Controls().Text({"tbx_Mouse", 2}), "25");
}

}  // namespace
}  // namespace kestrane::test
