// Hands a link ("mailto:...") to the desktop, as the shell's "open" does; returns at once and
// reports nothing. While a ShellOpenRecorder is installed the links are only recorded.
#pragma once

#include <string>
#include <vector>

namespace platform {

void ShellOpen(const std::string& target);

class ShellOpenRecorder {
  public:
    ShellOpenRecorder();   // installs itself
    ~ShellOpenRecorder();  // and uninstalls
    ShellOpenRecorder(const ShellOpenRecorder&) = delete;
    ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;

    const std::vector<std::string>& Opened() const { return opened_; }

  private:
    friend void ShellOpen(const std::string& target);
    std::vector<std::string> opened_;
    ShellOpenRecorder* previous_;
};

}  // namespace platform
