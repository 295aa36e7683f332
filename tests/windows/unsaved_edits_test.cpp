// Leaving the editor with a setting-tab edit not yet saved, through the real window: the
// question, and what each answer does to the window and the file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>

#include "editor/windows/main/main_window.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane {
namespace {

using platform::MsgAnswer;

constexpr const char* kUt = "[ALAudio.ALAudioSubsystem]\r\nDisablePitch=False\r\n";
constexpr const char* kQuestion =
    "The changes on the setting tabs have not been saved.\r\n\r\nSave the changes before closing?";

class UnsavedEditsTest : public test::EditorTest {
  public:
    using EditorTest::Trigger;

  protected:
    void Fresh() {
        TearDown();
        SetUp();
        StartShown(test::kSmallUserIni, kUt);
    }
    // Disable Pitch on the Audio tab, ticked as a player ticks it.
    void TickDisablePitch() {
        QTest::mouseClick(Controls().Get<QAbstractButton>({"c_Audio", 6}), Qt::LeftButton);
    }
    std::string LastMessage() const {
        return responder->Messages().empty() ? "" : responder->Messages().back().text;
    }
};

TEST_F(UnsavedEditsTest, ExitAndCloseAskAndEachAnswerDoesWhatItSays) {
    struct Way {
        const char* name;
        std::function<void(UnsavedEditsTest&)> leave;
    };
    const Way ways[] = {
        {"File > Exit", [](UnsavedEditsTest& t) { t.Trigger("mnuFileExit"); }},
        {"the window's close", [](UnsavedEditsTest&) { MainWindow().close(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        // Nothing edited: nothing asked.
        Fresh();
        way.leave(*this);
        EXPECT_TRUE(MainWindow().Unloaded());
        EXPECT_TRUE(responder->Messages().empty());

        // Cancel stays, the edit kept; No leaves without saving.
        Fresh();
        TickDisablePitch();
        responder->AnswerMessage(MsgAnswer::Cancel);
        way.leave(*this);
        EXPECT_EQ(LastMessage(), kQuestion);
        EXPECT_EQ(responder->Messages().back().buttons, platform::MsgButtons::YesNoCancel);
        EXPECT_FALSE(MainWindow().Unloaded());
        EXPECT_EQ(Controls().Value({"c_Audio", 6}), 1);
        responder->AnswerMessage(MsgAnswer::No);
        way.leave(*this);
        EXPECT_TRUE(MainWindow().Unloaded());
        EXPECT_EQ(SystemFile("UT2004.ini"), kUt);

        // Yes saves, then leaves.
        Fresh();
        TickDisablePitch();
        responder->AnswerMessage(MsgAnswer::Yes);
        way.leave(*this);
        EXPECT_TRUE(MainWindow().Unloaded());
        EXPECT_EQ(SystemFile("UT2004.ini"), "[ALAudio.ALAudioSubsystem]\r\nDisablePitch=True\r\n");

        // Yes whose save fails stays, and says why.
        Fresh();
        TickDisablePitch();
        const QString file = QString::fromStdString(prefix->SystemFolder() + "/UT2004.ini");
        ASSERT_TRUE(QFile::remove(file));
        ASSERT_TRUE(QDir().mkdir(file));  // no file can be written there now
        responder->AnswerMessage(MsgAnswer::Yes);
        way.leave(*this);
        EXPECT_FALSE(MainWindow().Unloaded());
        EXPECT_TRUE(LastMessage().starts_with("Could not save C:\\UT2004\\System\\UT2004.ini: "))
            << LastMessage();
        EXPECT_TRUE(MainWindow().HasUnsavedTabEdits());
    }
}

// Play and Update keep their own question: the edit is not asked about twice.
TEST_F(UnsavedEditsTest, PlayAsksOnlyItsOwnQuestion) {
    StartShown(test::kSmallUserIni, kUt);
    TickDisablePitch();
    responder->AnswerMessage(MsgAnswer::Cancel);
    Trigger("mnuPlayUT2k4");
    ASSERT_EQ(responder->Messages().size(), 1u);
    EXPECT_EQ(LastMessage(), "Closing Kestrane INI....\r\n\r\nDo You Want To Save?");
    EXPECT_FALSE(MainWindow().Unloaded());
}

}  // namespace
}  // namespace kestrane
