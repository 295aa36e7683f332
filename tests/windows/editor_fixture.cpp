#include "tests/windows/editor_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>

#include "editor/store/program_state.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/splash_window.h"
#include "editor/windows/main/startup.h"

namespace kestrane::test {

void EditorTest::SetUp() {
    ResetState();
    prefix = std::make_unique<TempPrefix>();
    responder = std::make_unique<platform::ScriptedResponder>();
    platform::RecordLaunchesForTest(&launches);
}

void EditorTest::TearDown() {
    CloseSplash();
    DestroyMainWindow();
    platform::RecordLaunchesForTest(nullptr);
    QCoreApplication::processEvents();
    responder.reset();
    prefix.reset();
    ResetState();
}

void EditorTest::Install(const std::string& user, const std::string& ut,
                         const std::string& kestrane) {
    prefix->Write("UT2004/System/User.ini", user);
    prefix->Write("UT2004/System/UT2004.ini", ut);
    if (!kestrane.empty()) prefix->Write("Kestrane/Kestrane.ini", kestrane);
}

bool EditorTest::Start() {
    return Main();
}

void EditorTest::StartShown(const std::string& user, const std::string& ut) {
    Install(user, ut);
    ASSERT_TRUE(Start());
    INI& window = MainWindow();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

ControlRegistry& EditorTest::Controls() {
    return MainWindow().Controls();
}

void EditorTest::Trigger(const char* menuItem) {
    QAction* action = MainWindow().MenuItem(menuItem);
    ASSERT_NE(action, nullptr) << menuItem;
    action->trigger();
}

}  // namespace kestrane::test
