#include "editor/windows/tools/instant_action_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

#include "editor/binding/key_presence.h"
#include "editor/instant_action/game_types.h"
#include "editor/instant_action/instant_state.h"
#include "editor/instant_action/map_list.h"
#include "editor/instant_action/mutator_records.h"
#include "editor/store/number_readings.h"
#include "editor/store/program_state.h"
#include "editor/widgets/elided_label.h"
#include "editor/widgets/field_rule.h"
#include "editor/widgets/rich_text_box.h"
#include "editor/widgets/screen_fit.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/save_rule.h"
#include "platform/base/ansi.h"
#include "platform/base/process.h"
#include "platform/message_box.h"

namespace kestrane {
namespace {

QString Q(std::string_view text) {
    return platform::FromAnsi(text);
}

std::string A(const QString& text) {
    return platform::ToAnsi(text);
}

QString Indexed(const char* name, int index) {
    return QString("%1_%2").arg(name).arg(index);
}

// Lines a name of the current selection wraps over before it is cut short, and at most those
// of a mutator's description (its box's height decides).
constexpr int kSelectionLines = 3;
constexpr int kDescriptionLines = 8;

// A scroll area that asks for room for its whole page, so that it scrolls only where the
// screen is smaller than the page.
class PageScroll : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        if (!widget()) return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        return widget()->minimumSizeHint() + QSize(frame, frame);
    }
};

QGroupBox* Group(const char* caption, const char* name, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

frmInstantAction::frmInstantAction(INI& owner) : QDialog(&owner), owner_(owner) {
    setObjectName("frmInstantAction");
    setWindowTitle("Instant Action");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    Build();
    Form_Load();
}

void frmInstantAction::Build() {
    auto* outer = new QVBoxLayout(this);
    auto* frame = Group("Instant Action", "Frame1", this);
    outer->addWidget(frame);
    auto* whole = new QVBoxLayout(frame);
    // On a screen too small for the controls they scroll, and Play and Cancel stay in view.
    auto* scroll = new PageScroll(frame);
    scroll->setObjectName("InstantActionScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* page = new QWidget;
    auto* content = new QVBoxLayout(page);
    content->setContentsMargins(0, 0, 0, 0);
    auto* columns = new QHBoxLayout;
    content->addLayout(columns);

    // Left: game type, maps, mutators.
    auto* left = new QVBoxLayout;
    columns->addLayout(left, 3);
    auto* typeFrame = Group("Game Type", "Frame2_0", frame);
    auto* typeLayout = new QVBoxLayout(typeFrame);
    gameType_ = new QComboBox(typeFrame);
    gameType_->setObjectName("cbx_GameType");
    gameType_->setEditable(true);
    gameType_->setInsertPolicy(QComboBox::NoInsert);
    for (const GameTypeRow& row : GameTypeTable()) gameType_->addItem(Q(row.name));
    connect(gameType_, &QComboBox::activated, this, [this] { cbx_GameType_Click(); });
    typeLayout->addWidget(gameType_);
    left->addWidget(typeFrame);

    auto* mapFrame = Group("Maps", "Frame3", frame);
    auto* mapLayout = new QVBoxLayout(mapFrame);
    maps_ = new QListWidget(mapFrame);
    maps_->setObjectName("ListBox_Maps");
    // A click on the chosen entry chooses it again, as arrow keys choose the next.
    connect(maps_, &QListWidget::itemClicked, this, [this] { ListBox_Maps_Click(); });
    connect(maps_, &QListWidget::currentRowChanged, this, [this] {
        if (!listing_) ListBox_Maps_Click();
    });
    mapLayout->addWidget(maps_);
    left->addWidget(mapFrame, 1);

    auto* mutFrame = Group("Mutators", "Frame4", frame);
    auto* mutLayout = new QVBoxLayout(mutFrame);
    mutators_ = new QListWidget(mutFrame);
    mutators_->setObjectName("ListBox_Mutators");
    connect(mutators_, &QListWidget::itemClicked, this, [this] { ListBox_Mutators_Click(); });
    connect(mutators_, &QListWidget::currentRowChanged, this, [this] {
        if (!listing_) ListBox_Mutators_Click();
    });
    mutLayout->addWidget(mutators_);
    auto* clear = new QPushButton("Clear Current Mutator", mutFrame);
    clear->setObjectName("Command1");
    connect(clear, &QPushButton::clicked, this, &frmInstantAction::Command1_Click);
    mutLayout->addWidget(clear);
    mutLayout->addWidget(new QLabel("Mutator Description", mutFrame));
    // As many lines as its height holds.
    mutDesc_ = new ElidedLabel(kDescriptionLines, mutFrame);
    mutDesc_->setObjectName("lbl_MutDesc");
    mutDesc_->setFixedHeight(64);  // a description coming or going moves nothing
    mutLayout->addWidget(mutDesc_);
    left->addWidget(mutFrame, 1);

    // Middle: the option frames, all in one place, and the bot settings.
    auto* middle = new QVBoxLayout;
    columns->addLayout(middle, 4);
    auto* stack = new QGridLayout;
    for (int i = 0; i < kOptionFrames; ++i) {
        stack->addWidget(BuildOptionFrame(i), 0, 0, Qt::AlignTop);
    }
    middle->addLayout(stack, 1);

    auto* bots = Group("Bot Settings", "Frame2_1", frame);
    auto* botLayout = new QGridLayout(bots);
    botLayout->addWidget(new QLabel("Bot Difficulty", bots), 0, 0);
    botDiff_ = new QComboBox(bots);
    botDiff_->setObjectName("cbx_BotDiff");
    botDiff_->setEditable(true);
    botDiff_->setInsertPolicy(QComboBox::NoInsert);
    for (const DifficultyRow& row : DifficultyTable()) botDiff_->addItem(Q(row.name));
    connect(botDiff_, &QComboBox::activated, this, [this] { cbx_BotDiff_Click(); });
    botLayout->addWidget(botDiff_, 0, 1);
    botLayout->addWidget(new QLabel("Number of Bots", bots), 1, 0);
    botLayout->addWidget(NumberRow(kBotsBox, bots), 1, 1);
    middle->addWidget(bots);

    // Right: the current selection.
    auto* right = new QVBoxLayout;
    columns->addLayout(right, 2);
    auto* selection = Group("Current Selection", "FrameSelection", frame);
    auto* selLayout = new QGridLayout(selection);
    const char* headings[] = {"Game Type:", "Map : ", "Mutator:"};
    ElidedLabel** values[] = {&lblGameType_, &lblMap_, &lblMutator_};
    const char* names[] = {"lblGameType", "lblMap", "lblMutator"};
    for (int i = 0; i < 3; ++i) {
        selLayout->addWidget(new QLabel(headings[i], selection), i, 0, Qt::AlignTop);
        *values[i] = new ElidedLabel(kSelectionLines, selection);
        (*values[i])->setObjectName(names[i]);
        selLayout->addWidget(*values[i], i, 1);
    }
    selLayout->setColumnStretch(1, 1);
    right->addWidget(selection);
    right->addStretch(1);

    // Below: the argument string and the buttons.
    content->addWidget(new QLabel("Command Line Arguments", frame));
    cmdArgs_ = new RichTextBox(frame);
    cmdArgs_->setObjectName("rtb_CmdArgs");
    cmdArgs_->setFixedHeight(54);
    // A long map or mutator name wraps inside the box instead of widening the window.
    cmdArgs_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    cmdArgs_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    content->addWidget(cmdArgs_);
    scroll->setWidget(page);
    whole->addWidget(scroll, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    play_ = new QPushButton("Play", frame);
    play_->setObjectName("Play");
    connect(play_, &QPushButton::clicked, this, &frmInstantAction::Play_Click);
    cancel_ = new QPushButton("Cancel", frame);
    cancel_->setObjectName("Command3");
    connect(cancel_, &QPushButton::clicked, this, &frmInstantAction::Command3_Click);
    buttons->addWidget(play_);
    buttons->addWidget(cancel_);
    whole->addLayout(buttons);
    PlaceOnScreen(*this, QSize(980, 640).expandedTo(sizeHint()), &owner_);
}

QWidget* frmInstantAction::BuildOptionFrame(int frame) {
    auto* box = new QGroupBox(Q(OptionFrameTable()[static_cast<size_t>(frame)].caption), this);
    box->setObjectName(Indexed("Frame", frame));
    frames_[static_cast<size_t>(frame)] = box;
    auto* layout = new QGridLayout(box);
    int checkRow = 0;
    int checkColumn = 0;
    std::vector<const OptionRow*> numbers;
    for (const OptionRow& row : OptionRowTable()) {
        if (row.frame != frame) continue;
        if (row.kind == OptionKind::NumberBox) {
            numbers.push_back(&row);
            continue;
        }
        auto* check = new QCheckBox(Q(row.caption), box);
        check->setObjectName(Indexed("cbxAss", row.index));
        checks_[static_cast<size_t>(row.index)] = check;
        layout->addWidget(check, checkRow, checkColumn * 2, 1, 2);
        if (++checkColumn == 2) {
            checkColumn = 0;
            ++checkRow;
        }
    }
    int line = checkRow + (checkColumn ? 1 : 0);
    for (const OptionRow* row : numbers) {
        auto* label = new QLabel(Q(row->caption), box);
        label->setObjectName(Indexed("lbl_Ass", row->index));
        layout->addWidget(label, line, 0);
        layout->addWidget(NumberRow(row->index, box), line, 1, 1, 3, Qt::AlignLeft);
        ++line;
    }
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    // The frames share one place, sized for the largest: the window has room for every game
    // type from its first showing, and choosing another moves nothing.
    QSizePolicy policy = box->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    box->setSizePolicy(policy);
    box->setVisible(false);
    return box;
}

QWidget* frmInstantAction::NumberRow(int index, QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* edit = new QLineEdit(holder);
    edit->setObjectName(Indexed("tbx_Ass", index));
    edit->setFixedWidth(70);
    auto* add = new QPushButton("+", holder);
    add->setObjectName(Indexed("b_AssAdd", index));
    auto* sub = new QPushButton("-", holder);
    sub->setObjectName(Indexed("b_AssSub", index));
    for (QPushButton* b : {add, sub}) {
        b->setFixedSize(24, 22);
        b->setFocusPolicy(Qt::NoFocus);
    }
    const auto i = static_cast<size_t>(index);
    boxes_[i] = edit;
    adds_[i] = add;
    subs_[i] = sub;
    connect(edit, &QLineEdit::textChanged, this, [this, index] { tbx_Ass_Change(index); });
    connect(edit, &QLineEdit::editingFinished, this, [this, index] { FinishTyping(index); });
    connect(add, &QPushButton::clicked, this, [this, index] { b_AssAdd_Click(index); });
    connect(sub, &QPushButton::clicked, this, [this, index] { b_AssSub_Click(index); });
    layout->addWidget(edit);
    layout->addWidget(add);
    layout->addWidget(sub);
    layout->addStretch(1);
    return holder;
}

void frmInstantAction::Form_Load() {
    InstantActionState& s = InstantAction();
    s.InstantBotSkill = 0;
    s.InstantMutatorOn = false;
    show();
    LoadActionSettings();
    lblGameType_->setText(gameType_->itemText(0));
    botDiff_->setCurrentIndex(0);
    gameType_->setCurrentIndex(0);
    boxes_[kBotsBox]->setText("5");
    LoadMaplist(A(gameType_->currentText()));
    ReadMutators();
    CmdLineArgs();
}

void frmInstantAction::LoadActionSettings() {
    const IniStore& store = State().ut2004;
    const OptionValues read = ReadActionSettings(store);
    // The change rules act on what the player types or steps, not on the file's values.
    filling_ = true;
    for (const OptionRow& row : OptionRowTable()) {
        const auto i = static_cast<size_t>(row.index);
        // An option whose line the file lacks keeps no edit: it says so, steppers and all.
        const bool present = OptionLine(store, row).has_value();
        const QString tip =
            present ? QString()
                    : Q(AbsentKeyTip(store, row.key,
                                     OptionFrameTable()[static_cast<size_t>(row.frame)].section));
        std::vector<QWidget*> controls;
        if (row.kind == OptionKind::CheckBox) {
            checks_[i]->setChecked(read.checks[i]);
            controls = {checks_[i]};
        } else {
            boxes_[i]->setText(Q(read.texts[i]));
            controls = {boxes_[i], adds_[i], subs_[i]};
        }
        for (QWidget* control : controls) {
            control->setEnabled(present);
            control->setToolTip(tip);
        }
    }
    filling_ = false;
    loaded_ = CurrentOptions();
}

OptionValues frmInstantAction::CurrentOptions() const {
    OptionValues values;
    for (const OptionRow& row : OptionRowTable()) {
        const auto i = static_cast<size_t>(row.index);
        if (row.kind == OptionKind::CheckBox) {
            values.checks[i] = checks_[i]->isChecked();
        } else {
            values.texts[i] = A(boxes_[i]->text());
        }
    }
    return values;
}

void frmInstantAction::LoadMaplist(const std::string& gameType) {
    lblGameType_->setText(Q(gameType));
    const std::vector<std::string> files = AllFiles(State().gameMapsFolder);
    std::string_view prefix;
    if (const GameTypeRow* row = FindGameType(gameType)) {
        InstantAction().InstantGameClass = std::string(row->gameClass);
        for (int i = 0; i < kOptionFrames; ++i)
            frames_[static_cast<size_t>(i)]->setVisible(i == row->frame);
        prefix = row->mapPrefix;
    }
    const std::vector<std::string> names = MapNames(files, prefix);
    const std::vector<std::string> beyond =
        MapNames(FilesBeyondAnsi(State().gameMapsFolder), prefix);
    mapsBeyondAnsi_ = std::set<std::string>(beyond.begin(), beyond.end());
    listing_ = true;
    maps_->clear();
    QStringList items;
    items.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names) items << Q(name);
    maps_->addItems(items);
    if (!names.empty()) maps_->setCurrentRow(0);
    listing_ = false;
    lblMap_->setText(names.empty() ? QString() : items.front());
    CmdLineArgs();
}

void frmInstantAction::ReadMutators() {
    InstantActionState& s = InstantAction();
    MutatorList list = ReadMutatorRecords(State().gameSystemFolder + "CacheRecords.ucl");
    s.mutators = std::move(list.records);
    listing_ = true;
    mutators_->clear();
    for (const MutatorRecord& m : s.mutators) {
        mutators_->addItem(Q(m.name.empty() ? m.className : m.name));
    }
    listing_ = false;
    if (!list.note.empty()) mutDesc_->setText(Q(list.note));
}

InstantChoices frmInstantAction::Choices() const {
    const InstantActionState& s = InstantAction();
    const std::string map = A(lblMap_->text());
    return InstantChoices{map,
                          s.InstantGameClass,
                          A(boxes_[kBotsBox]->text()),
                          s.InstantBotSkill,
                          s.InstantMutatorOn,
                          s.InstantMutatorClass,
                          mapsBeyondAnsi_.contains(map)};
}

void frmInstantAction::CmdLineArgs() {
    // The bots box is filled before the lists exist.
    if (!cmdArgs_) return;
    cmdArgs_->SetText({});
    cmdArgs_->SetText(CommandLineText(Choices()));
}

void frmInstantAction::cbx_GameType_Click() {
    LoadMaplist(A(gameType_->currentText()));
    CmdLineArgs();
}

void frmInstantAction::cbx_BotDiff_Click() {
    if (const auto skill = FindDifficulty(A(botDiff_->currentText()))) {
        InstantAction().InstantBotSkill = *skill;
    }
    CmdLineArgs();
}

void frmInstantAction::ListBox_Maps_Click() {
    const QListWidgetItem* item = maps_->currentItem();
    lblMap_->setText(item ? item->text() : QString());
    CmdLineArgs();
}

void frmInstantAction::ListBox_Mutators_Click() {
    InstantActionState& s = InstantAction();
    const int k = mutators_->currentRow();
    // A click beside every entry selects none: it chooses nothing.
    if (k < 0 || static_cast<size_t>(k) >= s.mutators.size()) return;
    const MutatorRecord& m = s.mutators[static_cast<size_t>(k)];
    s.InstantMutatorOn = true;
    mutDesc_->setText(Q(m.description));
    lblMutator_->setText(mutators_->item(k)->text());
    s.InstantMutatorClass = m.className;
    CmdLineArgs();
}

void frmInstantAction::Command1_Click() {
    InstantAction().InstantMutatorOn = false;
    CmdLineArgs();
}

void frmInstantAction::b_AssAdd_Click(int index) {
    Step(index, 1);
}

void frmInstantAction::b_AssSub_Click(int index) {
    Step(index, -1);
}

// A box whose text is no number keeps it, and the player is told why.
void frmInstantAction::Step(int index, double delta) {
    const std::string now = Text(index);
    const bool whole = IsWholeNumberOption(index);
    if (const auto text = SteppedText(now, delta, whole)) {
        SetText(index, *text);
    } else {
        const bool number = IsNumericText(now) && std::isfinite(LocaleNumber(now));
        platform::ShowMessage(
            number && whole ? NoWholeNumberToStepFrom(now) : NoNumberToStepFrom(now),
            platform::MsgButtons::Ok, {}, this);
    }
}

// What the player types is the start of what they mean: the limits that wait for more typing
// act once they leave the box, or press Play in it.
void frmInstantAction::tbx_Ass_Change(int index) {
    if (!filling_) OptionBoxChanged(*this, index, boxes_[static_cast<size_t>(index)]->isModified());
}

void frmInstantAction::FinishTyping(int index) {
    if (!filling_ && boxes_[static_cast<size_t>(index)]->isModified()) {
        OptionBoxChanged(*this, index);
    }
}

std::string frmInstantAction::Text(int box) const {
    return A(boxes_[static_cast<size_t>(box)]->text());
}

void frmInstantAction::SetText(int box, const std::string& text) {
    QLineEdit* edit = boxes_[static_cast<size_t>(box)];
    const QString shown = Q(text);
    if (edit->text() != shown) edit->setText(shown);
}

void frmInstantAction::Play_Click() {
    for (int i = 0; i < kOptionNumberBoxes; ++i) {
        if (boxes_[static_cast<size_t>(i)]->hasFocus()) FinishTyping(i);
    }
    const InstantChoices choices = Choices();
    const std::string arguments = cmdArgs_->Text();
    // Values the game cannot carry are refused; a text the player wrote into the box is theirs.
    if (arguments == CommandLineText(choices)) {
        if (const auto problem = CommandLineProblem(choices)) {
            platform::ShowMessage(*problem, platform::MsgButtons::Ok, {}, this);
            return;
        }
    }
    const OptionValues now = CurrentOptions();
    StoreInstantActionSettings(State().ut2004, now, loaded_);
    // The editor leaves: typed raw text has its own question there.
    if (!SaveCurrentSettings(owner_, TypedRawText::AlreadyAsked)) return;
    // The file holds them now; until then a changed option stays changed.
    loaded_ = now;
    // Started before the windows go, so a game that cannot start leaves the editor open.
    const std::string exe = State().gameExePath;
    std::string error;
    if (!platform::StartProgram(exe, arguments, &error)) {
        platform::ShowMessage("Could not start " + exe + ": " + error + ".",
                              platform::MsgButtons::Ok, {}, this);
        return;
    }
    close();
    owner_.mnuFileExit_Click();
}

void frmInstantAction::Command3_Click() {
    close();
}

}  // namespace kestrane
