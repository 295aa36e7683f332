// A User.ini of 50 MB for the raw box's tests and benchmarks: small sections, each with a key
// whose value holds "Engine" and a line with a lone LF, ending with "ENGINE".
#pragma once

#include <string>

namespace kestrane::test {

inline std::string FiftyMegabyteUserIni() {
    std::string text = "[DefaultPlayer]\r\nName=Player\r\n";
    for (int n = 0; text.size() < 50'000'000; ++n) {
        const std::string k = std::to_string(n);
        text += "[Section" + k + "]\r\nKey" + k + "=Engine.Value" + k + "\r\nOther=thing\n\r\n";
    }
    return text + "[Last]\r\nLastKey=ENGINE\r\n";
}

}  // namespace kestrane::test
