// The main window with its bind boxes on show, and key and mouse input as a player gives it.
#pragma once

#include <QLineEdit>
#include <string>

#include "tests/windows/editor_fixture.h"

namespace kestrane::test {

// Bindings enough for the capture cases: two keys for MoveForward, a third that no box shows,
// the game's own spellings ("I", "j", "Taunt pthrust", "shot"), a value that joins two
// commands, and empty key lines to bind onto.
inline constexpr const char* kBindUserIni =
    "[Engine.Input]\r\n"
    "Aliases[0]=(Command=\"Button bFire | Fire\",Alias=Fire)\r\n"
    "LeftMouse=Fire\r\n"
    "RightMouse=AltFire\r\n"
    "MiddleMouse=\r\n"
    "Tab=ShowScores\r\n"
    "Enter=\r\n"
    "Shift=Walking\r\n"
    "Ctrl=Duck\r\n"
    "Alt=\r\n"
    "Escape=ShowMenu\r\n"
    "Space=Jump\r\n"
    "Up=MoveForward\r\n"
    "1=SwitchWeapon 1\r\n"
    "E=\r\n"
    "F=Use\r\n"
    "I=ToggleTeamChat\r\n"
    "j=Taunt pthrust\r\n"
    "Q=Jump | Fire\r\n"
    "S=MoveBackward\r\n"
    "W=MoveForward\r\n"
    "NumPad8=MoveForward\r\n"
    "NumPadPeriod=Stat FPS\r\n"
    "F9=shot\r\n"
    "\r\n"
    "[DefaultPlayer]\r\n"
    "Name=Player\r\n";

// Box indexes of the commands above.
inline constexpr int kFireBox = 38, kAltFireBox = 40, kForwardBox = 8, kJumpBox = 16;
inline constexpr int kTeamChatBox = 112, kScoresBox = 94, kWalkBox = 18;

class BindWindowTest : public EditorTest {
  protected:
    // Installs the files, starts the editor and shows its window, active, on `tab`.
    void Open(const std::string& user = kBindUserIni, const char* tab = "binds");
    QLineEdit* Box(int index) const;
    std::string Text(int index) const;
    // The value of the first User.ini line keyed exactly `key` in the store.
    std::string StoreValue(const std::string& key) const;
    // The line of `key` in the saved User.ini ("" when none).
    std::string SavedLine(const std::string& key) const;

    // A click that gives the box the focus, as a player starts a capture.
    void Click(int index, Qt::MouseButton button = Qt::LeftButton);
    // A press and release as xcb delivers them: X keycode, keysym and modifier state.
    void NativeKey(int index, Qt::Key key, Qt::KeyboardModifiers modifiers, quint32 keycode,
                   quint32 keysym);
};

}  // namespace kestrane::test
