// The updater's one window: welcome text, the log of a run, download progress, and the
// Update, Exit and Launch buttons.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "platform/internet_transfer.h"
#include "updater/download.h"
#include "updater/patcher_view.h"
#include "updater/unzip/c_unzip.h"
#include "updater/update_run.h"
#include "updater/update_server.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QTimer;

namespace patchwell {

class frmAutoPatcher : public QWidget, public PatcherView {
    Q_OBJECT

  public:
    // Tests give the address of their own update list.
    explicit frmAutoPatcher(std::string listUrl = kUpdateListUrl, QWidget* parent = nullptr);
    ~frmAutoPatcher() override;

    void Form_Load();
    void cmdDone_Click();
    void cmdCancel_Click();
    void Command1_Click();

    // The outcome of the last run.
    const RunResult& LastRun() const { return lastRun_; }

    // PatcherView.
    std::string LogText() const override;
    void SetLogText(const std::string& text) override;
    void AppendLog(const std::string& addition) override;
    void MarkLogTail(size_t characters) override;
    void ScrollRTBDown() override;
    void SetUpdateEnabled(bool enabled) override;
    QWidget* MessageOwner() override { return this; }
    void SetProgressVisible(bool visible) override;
    void SetProgressMax(int32_t maximum) override;
    int32_t ProgressMax() const override;
    void SetProgressValue(int32_t value) override;
    int32_t ProgressValue() const override;
    void SetTimerEnabled(bool enabled) override;
    void SetPercentCaption(const std::string& text) override;
    void SetStatusCaption(const std::string& text) override;

    QLabel* lbl_Welcome;
    std::array<QLabel*, 2> Label1;
    QTextEdit* txtMain;
    QPushButton* cmdDone;
    QPushButton* cmdCancel;
    QPushButton* Command1;
    platform::InternetTransfer iNet;
    QProgressBar* ProgressBar1;
    QLabel* lblPercent;
    QLabel* Label2;
    QTimer* Timer1;
    std::unique_ptr<cUnzip> m_cUnzip;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void Form_QueryUnload();
    void EnsureUpdateFolder();

    std::string listUrl_;
    UpdateDownload download_;
    bool running_ = false;
    bool launching_ = false;
    RunResult lastRun_;
};

}  // namespace patchwell
