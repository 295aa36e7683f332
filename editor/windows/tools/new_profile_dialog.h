// frmNewProfile: asks for the name of a new profile. Modeless and owned by the main window;
// OK makes the profile (see CreateProfile), Cancel and Escape close it.
#pragma once

#include <QDialog>

class QCloseEvent;
class QLineEdit;
class QPushButton;

namespace kestrane {

class INI;

class frmNewProfile : public QDialog {
    Q_OBJECT

  public:
    explicit frmNewProfile(INI& owner);

    void Form_Load();
    void OKButton_Click();
    void CancelButton_Click();

    QLineEdit* tbxNewProfile() const { return name_; }
    QPushButton* OKButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

  protected:
    // Escape and the close box act as Cancel.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Unload();

    INI& owner_;
    QLineEdit* name_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Loads the dialog; while it is open this does nothing.
void OpenNewProfileDialog(INI& owner);
frmNewProfile* NewProfileDialog();

}  // namespace kestrane
