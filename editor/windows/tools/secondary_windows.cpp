#include "editor/windows/tools/secondary_windows.h"

namespace kestrane {

SecondaryWindow::SecondaryWindow(QWidget* owner, std::string_view objectName,
                                 std::string_view caption)
    : QDialog(owner) {
    setObjectName(
        QString::fromLatin1(objectName.data(), static_cast<qsizetype>(objectName.size())));
    setWindowTitle(QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
}

void OpenOnce(QPointer<QWidget>& slot, QWidget* owner, std::string_view objectName,
              std::string_view caption) {
    if (slot) return;
    auto* window = new SecondaryWindow(owner, objectName, caption);
    window->resize(420, 300);
    slot = window;
    window->show();
}

}  // namespace kestrane
