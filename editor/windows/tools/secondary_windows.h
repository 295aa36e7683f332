// The editor's other windows: each is made on first opening, shows itself modeless and owned
// by the main window, and opening it again while it is open does nothing.
#pragma once

#include <QDialog>
#include <QPointer>
#include <string_view>

namespace kestrane {

// A window whose contents come with their own area; for now it carries its caption.
class SecondaryWindow : public QDialog {
    Q_OBJECT

  public:
    SecondaryWindow(QWidget* owner, std::string_view objectName, std::string_view caption);
};

// Opens the window held in `slot` unless it is open already.
void OpenOnce(QPointer<QWidget>& slot, QWidget* owner, std::string_view objectName,
              std::string_view caption);

}  // namespace kestrane
