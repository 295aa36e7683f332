// The About box frmAbout: the program's name and version and a short credit.
#pragma once

#include <QWidget>

namespace kestrane {

class INI;

inline constexpr const char* kAboutTitle = "Kestrane INI - Version 2.0";
inline constexpr const char* kAboutCredit =
    "A settings editor and launcher for Unreal Tournament 2004 under Wine.";
inline constexpr const char* kAboutCredit2 = "Written by the Kestrane developers.";

class frmAbout : public QWidget {
    Q_OBJECT

  public:
    static frmAbout* Open(INI& owner);
    void b_About_Click();

  private:
    explicit frmAbout(INI& owner);
};

}  // namespace kestrane
