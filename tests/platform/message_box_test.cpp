// Real message boxes answered by Enter: the button it presses is the first one unless the
// caller named another, whatever the style would pick.
#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

using platform::MsgAnswer;
using platform::MsgButtons;

// Shows the box and presses Enter on it once it is up.
MsgAnswer AnswerByEnter(MsgButtons buttons, std::optional<MsgAnswer> wanted) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    poll.start(20);
    return platform::ShowMessage("Question?", buttons, "Title", nullptr, platform::MsgIcon::None,
                                 wanted);
}

TEST(MessageBox, EnterPressesTheFirstButtonOrTheOneNamed) {
    struct Case {
        MsgButtons buttons;
        std::optional<MsgAnswer> wanted;
        MsgAnswer enter;
    };
    const Case cases[] = {
        {MsgButtons::Ok, std::nullopt, MsgAnswer::Ok},
        {MsgButtons::YesNo, std::nullopt, MsgAnswer::Yes},
        {MsgButtons::YesNoCancel, std::nullopt, MsgAnswer::Yes},
        {MsgButtons::YesNoCancel, MsgAnswer::Cancel, MsgAnswer::Cancel},
        {MsgButtons::YesNoCancel, MsgAnswer::No, MsgAnswer::No},
        {MsgButtons::YesNo, MsgAnswer::No, MsgAnswer::No},
        {MsgButtons::YesNo, MsgAnswer::Cancel, MsgAnswer::Yes},  // no such button
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.buttons) * 10 +
                     (c.wanted ? static_cast<int>(*c.wanted) : 9));
        EXPECT_EQ(AnswerByEnter(c.buttons, c.wanted), c.enter);

        // A scripted Enter takes the same button.
        platform::ScriptedResponder responder;
        responder.PressEnterOnMessage();
        EXPECT_EQ(platform::ShowMessage("Question?", c.buttons, "Title", nullptr,
                                        platform::MsgIcon::None, c.wanted),
                  c.enter);
        ASSERT_EQ(responder.Messages().size(), 1u);
        EXPECT_EQ(responder.Messages()[0].defaultAnswer, c.enter);
    }
}

}  // namespace
