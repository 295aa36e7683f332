// A User.ini with the 17 weapon sections, and the main window opened on it.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <string>

#include "editor/binding/name_tables.h"
#include "editor/windows/main/main_window.h"
#include "tests/windows/editor_fixture.h"

namespace kestrane::test {

// One weapon section as the game writes it; a value of nullptr leaves the line out.
struct WeaponLines {
    const char* priority = "1";
    const char* fireModes = "0";
    const char* oldMesh = "False";
    const char* scale = "1.000000";
    const char* texture = "Crosshairs.HUD.Crosshair_Cross1";
};

inline std::string WeaponSectionText(std::string_view section, const WeaponLines& w) {
    std::string text = std::string(section) + "\r\n";
    const auto line = [&](const char* key, const char* value) {
        if (value) text += std::string(key) + "=" + value + "\r\n";
    };
    line("Priority", w.priority);
    line("ExchangeFireModes", w.fireModes);
    line("bUseOldWeaponMesh", w.oldMesh);
    line("CustomCrossHairScale", w.scale);
    line("CustomCrossHairTextureName", w.texture);
    if (section == "[XWeapons.Translauncher]") line("bPrevWeaponSwitch", "True");
    return text + "\r\n";
}

// The 17 sections in list order, weapon j given by `lines(j)`.
template <class F>
std::string WeaponsUserIni(F lines) {
    std::string text = "[DefaultPlayer]\r\nName=Player\r\n\r\n";
    for (size_t j = 0; j < WeaponSections.size(); ++j) {
        text += WeaponSectionText(WeaponSections[j].section, lines(static_cast<int>(j)));
    }
    return text;
}

// The value of `key` inside `section` of a saved file; "<none>" when it has none.
inline std::string ValueIn(const std::string& file, std::string_view section,
                           std::string_view key) {
    size_t at = file.find(std::string(section) + "\r\n");
    if (at == std::string::npos) return "<none>";
    const size_t end = file.find("\r\n[", at + 1);
    at = file.find("\r\n" + std::string(key) + "=", at);
    if (at == std::string::npos || (end != std::string::npos && at > end)) return "<none>";
    at += key.size() + 3;
    return file.substr(at, file.find("\r\n", at) - at);
}

class WeaponsWindowTest : public EditorTest {
  protected:
    void Open(const std::string& user) { StartShown(user); }
    std::string Text(std::string_view name, int index = -1) {
        return Controls().Text({name, index});
    }
    void WriteProgramFile(const std::string& rel, const std::string& bytes) {
        prefix->Write("Kestrane/" + rel, bytes);
    }
};

}  // namespace kestrane::test
