#include "editor/windows/tools/cache_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/store/cache_file_types.h"
#include "editor/store/cache_files.h"
#include "editor/store/ini_files.h"
#include "editor/store/program_state.h"
#include "editor/store/section_keys.h"
#include "editor/widgets/screen_fit.h"
#include "editor/widgets/status_line.h"
#include "editor/windows/main/main_window.h"
#include "platform/base/ansi.h"
#include "platform/base/files.h"
#include "platform/base/paths.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"

namespace kestrane {
namespace {

constexpr const char* kPurgeSection = "[Core.System]";
// Work done between two turns of the event loop, as the raw boxes do.
int fillBudgetMs = 20;

QString Q(std::string_view text) {
    return platform::FromAnsi(text);
}

}  // namespace

void CacheListBox::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit LostFocus();
}

frmCache_Edit* frmCache_Edit::Open(INI& owner) {
    auto* window = new frmCache_Edit(owner);
    window->Form_Load();
    return window;
}

frmCache_Edit::frmCache_Edit(INI& owner) : QWidget(&owner, Qt::Window), owner_(owner) {
    setObjectName("frmCache_Edit");
    setWindowTitle("Kestrane INI - Cache Files");
    setAttribute(Qt::WA_DeleteOnClose);
    fillTimer_ = new QTimer(this);
    fillTimer_->setSingleShot(true);
    fillTimer_->setInterval(0);
    connect(fillTimer_, &QTimer::timeout, this, &frmCache_Edit::FillStep);
    Build();
}

void frmCache_Edit::SetFillBudgetForTest(int milliseconds) {
    fillBudgetMs = milliseconds;
}

size_t frmCache_Edit::RowOf(int list, int item) const {
    return listRows_[static_cast<size_t>(list)][static_cast<size_t>(item)];
}

bool frmCache_Edit::Filling() const {
    return listed_ < toList_.size();
}

void frmCache_Edit::Build() {
    auto* outer = new QVBoxLayout(this);
    auto* heading = new QLabel("Cache Files", this);
    heading->setObjectName("Label1_1");
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    heading->setFont(big);
    outer->addWidget(heading);

    auto* grid = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        auto* label = new QLabel(Q(kCacheListLabels[static_cast<size_t>(i)]), this);
        label->setObjectName(i == 0 ? QString("lbl_u_int") : QString("Label1_%1").arg(i + 1));
        auto* list = new CacheListBox(this);
        list->setObjectName(QString("CacheList%1").arg(i));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // One line per item: the list lays out hundreds of thousands without asking each.
        list->setUniformItemSizes(true);
        list->setMinimumSize(260, 150);
        connect(list, &CacheListBox::LostFocus, this, [this, i] { CacheList_LostFocus(i); });
        lists_[static_cast<size_t>(i)] = list;
        const int row = (i / 4) * 2;
        grid->addWidget(label, row, i % 4);
        grid->addWidget(list, row + 1, i % 4);
    }
    outer->addLayout(grid, 1);

    // Its room is kept while it is empty: the lists above never move under the pointer.
    status_ = new StatusLine(this);
    status_->setObjectName("Label1_0");
    outer->addWidget(status_);

    auto* controls = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* hint = new QLabel("Highlight Desired File And Press Export Button", this);
    hint->setObjectName("Label1_9");
    left->addWidget(hint);
    lbl_NumInCache = new QLabel(" Files In Cache", this);
    lbl_NumInCache->setObjectName("lbl_NumInCache");
    left->addWidget(lbl_NumInCache);
    cbx_DeleteCacheFile = new QCheckBox("Delete Cache File After Export", this);
    cbx_DeleteCacheFile->setObjectName("cbx_DeleteCacheFile");
    connect(cbx_DeleteCacheFile, &QCheckBox::clicked, this,
            &frmCache_Edit::cbx_DeleteCacheFile_Click);
    left->addWidget(cbx_DeleteCacheFile);
    auto* purge = new QHBoxLayout;
    auto* purgeLabel = new QLabel("Purge Cache After", this);
    purgeLabel->setObjectName("Label1_11");
    tbx_PurgeCache = new QLineEdit(this);
    tbx_PurgeCache->setObjectName("tbx_PurgeCache");
    tbx_PurgeCache->setMaximumWidth(60);
    auto* days = new QLabel("Days", this);
    days->setObjectName("Label1_12");
    purge->addWidget(purgeLabel);
    purge->addWidget(tbx_PurgeCache);
    purge->addWidget(days);
    purge->addStretch(1);
    left->addLayout(purge);
    controls->addLayout(left, 1);

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    QPushButton* exportButton = button("b_Export", "Export");
    QPushButton* exportTo = button("b_Export_To", "Save to...");
    QPushButton* deleteButton = button("b_CacheDelete", "Delete File");
    QPushButton* ok = button("b_Cache_OK", "OK");
    connect(exportButton, &QPushButton::clicked, this, &frmCache_Edit::b_Export_Click);
    connect(exportTo, &QPushButton::clicked, this, &frmCache_Edit::b_Export_To_Click);
    connect(deleteButton, &QPushButton::clicked, this, &frmCache_Edit::b_CacheDelete_Click);
    connect(ok, &QPushButton::clicked, this, &frmCache_Edit::b_Cache_OK_Click);
    auto* buttons = new QGridLayout;
    buttons->addWidget(exportButton, 0, 1);
    auto* saveLabel = new QLabel("Save Cache File:", this);
    saveLabel->setObjectName("Label1_10");
    buttons->addWidget(saveLabel, 1, 0, Qt::AlignRight);
    buttons->addWidget(exportTo, 1, 1);
    buttons->addWidget(deleteButton, 2, 1);
    buttons->addWidget(ok, 3, 1);
    controls->addLayout(buttons);
    outer->addLayout(controls);
    PlaceOnScreen(*this, {1120, 640}, &owner_);
}

void frmCache_Edit::Form_Load() {
    ProgramState& s = State();
    cbx_DeleteCacheFile->setChecked(CacheDeleteValue(GetVal(s.kestrane, "CacheDelete")));
    purgeDaysRead_ = GetVal(s.ut2004, "PurgeCacheDays");
    tbx_PurgeCache->setText(Q(purgeDaysRead_));
    show();

    const auto problem = LoadCacheIni(s.gameCacheFolder, cache_);
    s.cacheListLoaded = true;
    ShowStatus(problem ? *problem : std::string());
    for (CacheListBox* list : lists_) list->clear();
    for (auto& rows : listRows_) rows.clear();
    toList_.clear();
    listed_ = 0;
    for (size_t row : cache_.Entries()) {
        if (const CacheFileType* type = CacheTypeOf(cache_.Line(row).Value())) {
            toList_.emplace_back(row, type->list);
        }
    }
    ShowCount();
    if (FillSlice()) fillTimer_->start();
}

bool frmCache_Edit::FillSlice() {
    std::array<QStringList, 8> names;
    const size_t end = std::min(toList_.size(), listed_ + kFillSlice);
    for (; listed_ < end; ++listed_) {
        const auto [row, list] = toList_[listed_];
        if (!cache_.IsListedEntry(row)) continue;  // removed before its turn came
        names[static_cast<size_t>(list)].append(Q(cache_.Line(row).Value()));
        listRows_[static_cast<size_t>(list)].push_back(row);
    }
    for (size_t i = 0; i < names.size(); ++i) {
        if (!names[i].isEmpty()) lists_[i]->addItems(names[i]);
    }
    return Filling();
}

void frmCache_Edit::FillStep() {
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    do {
        more = FillSlice();
    } while (more && clock.elapsed() < fillBudgetMs);
    if (more) fillTimer_->start();
}

void frmCache_Edit::ShowCount() {
    lbl_NumInCache->setText(Q(CacheCountText(static_cast<long long>(cache_.Entries().size()))));
}

void frmCache_Edit::ShowStatus(const std::string& text) {
    status_->SetStatus(Q(text));
}

void frmCache_Edit::Tell(const std::string& text) {
    platform::ShowMessage(text, platform::MsgButtons::Ok, {}, this);
}

void frmCache_Edit::ClearSelection() {
    selRow_.reset();
    selEntry_.clear();
    exportToMode_ = false;
}

void frmCache_Edit::CacheList_LostFocus(int index) {
    CacheListBox* list = CacheList(index);
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    selRow_.reset();
    selEntry_.clear();
    if (!chosen.isEmpty()) {
        selRow_ = RowOf(index, list->row(chosen.first()));
        selEntry_ = std::string(cache_.Line(*selRow_).Value());
    }
    list->clearSelection();
}

void frmCache_Edit::b_Export_Click() {
    exportToMode_ = false;
    ExportCache();
}

void frmCache_Edit::b_Export_To_Click() {
    if (selEntry_.empty()) return;
    exportToMode_ = true;
    const CacheFileType* type = CacheTypeOf(selEntry_);
    const std::string folder =
        State().gameFolder + (type ? std::string(type->exportFolder) : std::string());
    // A save dialog: it asks before an existing file is replaced.
    exportPath_ = platform::ShowSaveDialog(type ? std::string(type->filter) : std::string(), "txt",
                                           folder, platform::kOfnOverwritePrompt, this);
    ExportCache();
    exportToMode_ = false;
}

void frmCache_Edit::ExportCache() {
    const ProgramState& s = State();
    // The line highlighted, never another one that carries the same name.
    const std::optional<size_t> row = exportToMode_ && exportPath_.empty() ? std::nullopt : selRow_;
    if (!row || !cache_.IsListedEntry(*row)) {
        ClearSelection();
        return;
    }
    const auto source = PayloadPath(s.gameCacheFolder, cache_.Line(*row).Key());
    const auto target = exportToMode_ ? std::optional<std::string>(exportPath_)
                                      : ExportTarget(s.gameFolder, selEntry_);
    if (!source || !target) {
        Tell("\"" + std::string(source ? selEntry_ : cache_.Line(*row).Key()) +
             "\" in cache.ini is not a file name: nothing was exported.");
        ClearSelection();
        return;
    }
    std::string reason;
    CopyOutcome outcome = CopyPackage(*source, *target, exportToMode_, &reason);
    if (outcome == CopyOutcome::TargetExists) {
        const auto answer =
            platform::ShowMessage("File Already Exist! Do You Want to Overwrite File?",
                                  platform::MsgButtons::YesNo, {}, this);
        if (answer != platform::MsgAnswer::Yes) {
            ClearSelection();
            return;
        }
        outcome = CopyPackage(*source, *target, true, &reason);
    }
    if (outcome != CopyOutcome::Copied) {
        Tell(CopyFailureText(*source, *target, reason));
    } else {
        const bool removed = cbx_DeleteCacheFile->isChecked() && RemoveSelectedFromCache();
        ShowStatus(selEntry_ + " was copied to " + *target +
                   (removed ? " and removed from the cache." : "."));
    }
    ClearSelection();
}

bool frmCache_Edit::RemoveSelectedFromCache() {
    const ProgramState& s = State();
    if (!selRow_ || !cache_.IsListedEntry(*selRow_)) return false;
    const size_t row = *selRow_;
    const std::string_view guid = cache_.Line(row).Key();
    std::vector<size_t> drop{row};
    const auto payload = PayloadPath(s.gameCacheFolder, guid);
    bool deleteFile = payload.has_value();
    if (const std::vector<size_t> others = EntriesSharingPackage(s.gameCacheFolder, cache_, row);
        payload && !others.empty() && platform::FileExists(*payload)) {
        std::vector<std::string> names;
        for (size_t other : others) names.emplace_back(cache_.Line(other).Value());
        const auto answer = platform::ShowMessage(SharedPackageQuestion(*payload, selEntry_, names),
                                                  platform::MsgButtons::YesNoCancel, {}, this,
                                                  platform::MsgIcon::Question,
                                                  // a stray Enter deletes nothing
                                                  platform::MsgAnswer::Cancel);
        if (answer == platform::MsgAnswer::Cancel) return false;
        deleteFile = answer == platform::MsgAnswer::Yes;
        if (deleteFile) drop.insert(drop.end(), others.begin(), others.end());
    }
    if (deleteFile) {
        std::string message;
        if (!DeletePayload(*payload, &message)) {
            Tell(message);
            return false;
        }
    } else if (!payload) {
        Tell("\"" + std::string(guid) +
             "\" in cache.ini is not a file name: no file was deleted, only its entry.");
    }
    for (size_t gone : drop) DropEntry(gone);
    ShowCount();
    FileError error;
    if (!WriteCacheIni(s.gameCacheFolder, cache_, &error)) Tell(error.Message("save"));
    return true;
}

void frmCache_Edit::DropEntry(size_t row) {
    if (const CacheFileType* type = CacheTypeOf(cache_.Line(row).Value())) {
        const auto list = static_cast<size_t>(type->list);
        std::vector<size_t>& rows = listRows_[list];
        if (const auto at = std::find(rows.begin(), rows.end(), row); at != rows.end()) {
            delete lists_[list]->takeItem(static_cast<int>(at - rows.begin()));
            rows.erase(at);
            // The list would highlight the next item, which nothing has recorded.
            lists_[list]->clearSelection();
        }
    }
    cache_.Remove(row);
}

void frmCache_Edit::b_CacheDelete_Click() {
    if (selEntry_.empty()) return;
    RemoveSelectedFromCache();
    ClearSelection();
}

void frmCache_Edit::cbx_DeleteCacheFile_Click() {
    if (cbx_DeleteCacheFile->checkState() == Qt::PartiallyChecked) return;
    ProgramState& s = State();
    SetKestraneValue(s.kestrane, "CacheDelete",
                     cbx_DeleteCacheFile->isChecked() ? "True" : "False");
    FileError error;
    if (!SaveKestraneINI(platform::ProgramFolder(), s.kestrane, &error)) {
        Tell(error.Message("save"));
    }
}

void frmCache_Edit::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    const std::string days = platform::ToAnsi(tbx_PurgeCache->text());
    // An untouched box leaves the file's line, or its absence, as it was.
    if (days != purgeDaysRead_) {
        SetValueInSection(State().ut2004, kPurgeSection, "PurgeCacheDays", days);
    }
}

void frmCache_Edit::b_Cache_OK_Click() {
    close();
}

void frmCache_Edit::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

}  // namespace kestrane
