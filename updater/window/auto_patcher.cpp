#include "updater/window/auto_patcher.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include "platform/base/ansi.h"
#include "platform/base/file_writer.h"
#include "platform/base/files.h"
#include "platform/base/folders.h"
#include "platform/base/paths.h"
#include "platform/base/process.h"
#include "platform/base/run_leftovers.h"
#include "platform/base/temp_folder_record.h"
#include "platform/message_box.h"
#include "updater/connection_check.h"
#include "updater/markers.h"
#include "updater/program_end.h"

namespace patchwell {

frmAutoPatcher::frmAutoPatcher(std::string listUrl, QWidget* parent)
    : QWidget(parent), listUrl_(std::move(listUrl)), download_(*this) {
    BuildControls();
    iNet.SetRequestTimeout(60);
    connect(cmdDone, &QPushButton::clicked, this, &frmAutoPatcher::cmdDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAutoPatcher::cmdCancel_Click);
    connect(Command1, &QPushButton::clicked, this, &frmAutoPatcher::Command1_Click);
    connect(Timer1, &QTimer::timeout, &download_, &UpdateDownload::Timer1_Timer);
    txtMain->installEventFilter(this);
}

frmAutoPatcher::~frmAutoPatcher() = default;

void frmAutoPatcher::Form_Load() {
    platform::SetProgramTitle("Patchwell");
    DownloadInProgress = false;
    // What a killed run left: temporary copies (three levels of the program's own tree, and
    // every folder the record names below it, at any depth), then the archive it downloaded and
    // the folders it made. Not while the editor or another Patchwell runs, or where that cannot
    // be known: they may be writing.
    const std::string program = platform::ProgramFolder();
    const std::string host = platform::ToHostPath(program);
    platform::StrayCopyPlaces places;
    places.programFolder = host;
    places.programDepth = 3;
    if (platform::CleanUpStrayCopies(
            platform::ToHostPath(program + "\\" + platform::kTempFolderRecordName), places) ==
        platform::StrayCleanUp::Done) {
        platform::RemoveRunLeftovers(program + "\\" + platform::kRunLeftoversRecordName);
    }
    EnsureUpdateFolder();
    show();
}

void frmAutoPatcher::EnsureUpdateFolder() {
    const std::string folder = UpdateFolder();
    if (!platform::FolderExists(folder)) platform::MakeDirectory(folder);
}

void frmAutoPatcher::cmdDone_Click() {
    int16_t flags = 0;
    if (!IsInternetConnected(flags)) {
        platform::ShowMessage(
            "Error: An Active Internet Connection is Required to Update Kestrane INI",
            platform::MsgButtons::Ok, {}, this);
        return;
    }
    if (running_) return;
    lbl_Welcome->hide();
    txtMain->show();
    txtMain->clear();
    // One run at a time: a second click inside the waits would run over the same state.
    cmdDone->setEnabled(false);
    running_ = true;
    lastRun_ = RunUpdate({*this, iNet, download_, m_cUnzip}, listUrl_);
    running_ = false;
}

void frmAutoPatcher::cmdCancel_Click() {
    close();
    EndProgram();
}

void frmAutoPatcher::Command1_Click() {
    launching_ = true;  // a run under way ends here, after the editor has been started
    close();
    const std::string editor = platform::ProgramFolder() + "\\Kestrane_INI.exe";
    // Patchwell writes nothing more (unless a run is still under way): the editor may clean up
    // at its start.
    if (!running_) platform::ReleaseTempFolderRecord();
    std::string error;
    if (!platform::StartProgram(editor, "", &error)) {
        platform::ShowMessage("Cannot start " + editor + ": " + error);
    }
    EndProgram();
}

void frmAutoPatcher::Form_QueryUnload() {
    download_.Cancel();
    iNet.Cancel();
}

void frmAutoPatcher::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
    // A run waiting inside its loops would go on over a closed window.
    if (running_ && !launching_) EndProgram();
}

bool frmAutoPatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMain && event->type() == QEvent::FocusIn) {
        cmdCancel->setFocus();  // txtMain_GotFocus
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

void frmAutoPatcher::SetUpdateEnabled(bool enabled) {
    cmdDone->setEnabled(enabled);
}

void frmAutoPatcher::SetProgressVisible(bool visible) {
    ProgressBar1->setVisible(visible);
}
void frmAutoPatcher::SetProgressMax(int32_t maximum) {
    ProgressBar1->setMaximum(maximum);
}
int32_t frmAutoPatcher::ProgressMax() const {
    return ProgressBar1->maximum();
}
void frmAutoPatcher::SetProgressValue(int32_t value) {
    ProgressBar1->setValue(value);
}
int32_t frmAutoPatcher::ProgressValue() const {
    return ProgressBar1->value();
}
void frmAutoPatcher::SetTimerEnabled(bool enabled) {
    if (enabled) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
}
void frmAutoPatcher::SetPercentCaption(const std::string& text) {
    lblPercent->setText(platform::FromAnsi(text));
}
void frmAutoPatcher::SetStatusCaption(const std::string& text) {
    Label2->setText(platform::FromAnsi(text));
}

}  // namespace patchwell
