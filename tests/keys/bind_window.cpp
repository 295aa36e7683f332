#include "tests/keys/bind_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTest>

#include "editor/binding/key_searches.h"
#include "editor/store/program_state.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/main_tabs.h"
#include "platform/base/ansi.h"

namespace kestrane::test {

void BindWindowTest::Open(const std::string& user, const char* tab) {
    Install(user);
    ASSERT_TRUE(Start());
    INI& window = MainWindow();
    window.ShowTab(tab);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

QLineEdit* BindWindowTest::Box(int index) const {
    auto* box = MainWindow().Controls().Get<QLineEdit>({"tbx_Bind", index});
    EXPECT_NE(box, nullptr) << index;
    return box;
}

std::string BindWindowTest::Text(int index) const {
    return platform::ToAnsi(Box(index)->text());
}

std::string BindWindowTest::StoreValue(const std::string& key) const {
    const auto row = FindKey(State().user, key);
    return row ? State().user.Value(*row) : "(no line)";
}

std::string BindWindowTest::SavedLine(const std::string& key) const {
    const std::string text = "\r\n" + SystemFile("User.ini");
    const size_t at = text.find("\r\n" + key + "=");
    if (at == std::string::npos) return {};
    const size_t end = text.find("\r\n", at + 2);
    return text.substr(at + 2, end - at - 2);
}

void BindWindowTest::Click(int index, Qt::MouseButton button) {
    QTest::mouseClick(Box(index), button);
}

void BindWindowTest::NativeKey(int index, Qt::Key key, Qt::KeyboardModifiers modifiers,
                               quint32 keycode, quint32 keysym) {
    QWidget* target = Box(index);
    const quint32 state = modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0;
    const QString text = keysym < 0x100 ? QString(QChar(keysym)) : QString();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, keycode, keysym, state, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, keycode, keysym, state, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

}  // namespace kestrane::test
