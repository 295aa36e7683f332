// A throw-away game installation and program folder for tests through the real main window.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/base/process.h"
#include "platform/scripted_responder.h"
#include "tests/support/temp_prefix.h"

namespace kestrane {
class ControlRegistry;
}

namespace kestrane::test {

inline constexpr const char* kSmallUserIni =
    "[Engine.Input]\r\nAliases[0]=(Command=\"Button bFire | Fire\",Alias=Fire)\r\n"
    "Aliases[1]=(Command=\"Jump\",Alias=Jump)\r\nSpace=Jump\r\n\r\n\r\n[DefaultPlayer]\r\n"
    "Name=Player\r\n";
inline constexpr const char* kSmallUt2004Ini =
    "[Engine.Engine]\r\nRenderDevice=D3DDrv.D3DRenderDevice\r\n";

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the game files and Kestrane.ini; then runs the editor's start.
    void Install(
        const std::string& user = kSmallUserIni, const std::string& ut = kSmallUt2004Ini,
        const std::string& kestrane = "Music=OFF\r\nProfileName=\r\nCacheDelete=False\r\n");
    bool Start();
    // Install, Start, and the main window shown and active, as a player meets it.
    void StartShown(const std::string& user = kSmallUserIni,
                    const std::string& ut = kSmallUt2004Ini);
    ControlRegistry& Controls();

    std::string SystemFile(const char* name) const {
        return prefix->Read(std::string("UT2004/System/") + name);
    }
    std::string ProgramFile(const std::string& rel) const {
        return prefix->Read("Kestrane/" + rel);
    }
    void Trigger(const char* menuItem);

    std::unique_ptr<TempPrefix> prefix;
    std::unique_ptr<platform::ScriptedResponder> responder;
    std::vector<platform::Launch> launches;
};

}  // namespace kestrane::test
