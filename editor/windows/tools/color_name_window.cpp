#include "editor/windows/tools/color_name_window.h"

#include <QGridLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/binding/settings_walks.h"
#include "editor/widgets/name_colour_view.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/main/save_rule.h"
#include "platform/base/ansi.h"
#include "platform/colour_dialog.h"
#include "platform/message_box.h"

namespace kestrane {
namespace {

QColor ToQColor(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace

TypedNameBox::TypedNameBox(frmColorName& window, QWidget* parent)
    : QTextEdit(parent), window_(window) {
    setObjectName("Keyboard_Text");
    setAcceptRichText(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setLineWrapMode(QTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = this->font();
    font.setPointSize(24);
    setFont(font);
}

void TypedNameBox::CaretToEnd() {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
}

void TypedNameBox::keyPressEvent(QKeyEvent* event) {
    // Deleting, moving the caret, spaces, tabs and returns change nothing here.
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) Take(event->text());
    event->accept();
}

// Text composed through a dead key or an input method arrives here, not as key presses.
void TypedNameBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    // The box shows what is being composed; only what is committed becomes part of the name.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QTextEdit::inputMethodEvent(&composing);
    Take(committed);
    event->accept();
}

void TypedNameBox::Take(const QString& text) {
    QList<uint> refused;
    for (const uint code : text.toUcs4()) {
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        if (!platform::FitsAnsi(character)) {
            refused.push_back(code);
            continue;
        }
        if (!window_.Keyboard_Text_KeyPress(platform::ToAnsi(character)[0])) continue;
        CaretToEnd();
        QTextCharFormat format;
        format.setForeground(colour_);
        QTextCursor cursor = textCursor();
        cursor.insertText(character, format);
        setTextCursor(cursor);
    }
    if (!refused.isEmpty()) window_.RefuseCharacters(refused);
}

void TypedNameBox::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    CaretToEnd();
}

frmColorName* frmColorName::Open(INI& owner) {
    auto* window = new frmColorName(owner);
    window->Form_Load();
    return window;
}

frmColorName::frmColorName(INI& owner) : QWidget(&owner, Qt::Window), owner_(owner) {
    setObjectName("frmColorName");
    setWindowTitle("Name Colorizer");
    setAttribute(Qt::WA_DeleteOnClose);
    Build();
}

void frmColorName::Build() {
    auto* layout = new QGridLayout(this);
    auto* heading = new QLabel("Name Colorizer", this);
    heading->setObjectName("Label1_1");
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    heading->setFont(big);
    layout->addWidget(heading, 0, 0, 1, 3);

    typed_ = new TypedNameBox(*this, this);
    typed_->setFixedHeight(typed_->fontMetrics().height() + 24);
    layout->addWidget(typed_, 1, 0, 1, 3);

    auto* choose = new QPushButton("Choose Color", this);
    choose->setObjectName("btn_ChooseColor");
    connect(choose, &QPushButton::clicked, this, &frmColorName::btn_ChooseColor_Click);
    lbl_Color = new QLabel(this);
    lbl_Color->setObjectName("lbl_Color");
    lbl_Color->setFixedSize(48, 28);
    lbl_Color->setAutoFillBackground(true);
    lbl_Color->setFrameShape(QFrame::Box);
    auto* clear = new QPushButton("Clear Text", this);
    clear->setObjectName("btn_Clear");
    connect(clear, &QPushButton::clicked, this, &frmColorName::btn_Clear_Click);
    layout->addWidget(choose, 2, 0);
    layout->addWidget(lbl_Color, 2, 1);
    layout->addWidget(clear, 2, 2);

    rtb_ = new QTextEdit(this);
    rtb_->setObjectName("rtb");
    rtb_->setReadOnly(true);
    rtb_->setLineWrapMode(QTextEdit::NoWrap);
    QFont mid = rtb_->font();
    mid.setPointSize(12);
    rtb_->setFont(mid);
    rtb_->setFixedHeight(rtb_->fontMetrics().height() + 16);
    layout->addWidget(rtb_, 3, 0, 1, 3);

    lbl_CharUsed = new QLabel(this);
    lbl_CharUsed->setObjectName("lbl_CharUsed");
    layout->addWidget(lbl_CharUsed, 4, 0, 1, 2);
    auto* set = new QPushButton("Set Name", this);
    set->setObjectName("Command1");
    connect(set, &QPushButton::clicked, this, &frmColorName::Command1_Click);
    layout->addWidget(set, 4, 2);

    auto* note = new QLabel(
        "* Names Are Limited To 20 Characters. This Includes 4 Color Characters For Each Color "
        "Change.",
        this);
    note->setObjectName("Label1_0");
    note->setWordWrap(true);
    layout->addWidget(note, 5, 0, 1, 3);
    resize(560, 300);
}

void frmColorName::Form_Load() {
    name_.Clear();
    lastPick_ = 0;
    SetSample(0);
    ShowEncoded();
    show();
}

void frmColorName::SetSample(std::uint32_t colour) {
    QPalette palette = lbl_Color->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    lbl_Color->setPalette(palette);
}

void frmColorName::ShowEncoded() {
    ShowColouredName(rtb_, name_.Encoded());
    lbl_CharUsed->setText(QString::fromStdString(name_.CounterText()));
}

void frmColorName::btn_ChooseColor_Click() {
    if (!name_.HasRoomForColour()) {
        platform::ShowMessage(
            "Name Length is to Long!\r\nPlayer Name can be 20 Character (each color takes up 4 "
            "characters)",
            platform::MsgButtons::Ok, {}, this);
        return;
    }
    // A cancelled dialog leaves the name, the sample and the typing colour as they were.
    const auto colour = platform::ChooseColour(lastPick_, this);
    if (!colour) return;
    lastPick_ = *colour;
    if (!name_.PickColour(*colour)) {
        SetSample(0);
        return;
    }
    SetSample(*colour);
    ShowEncoded();
    typed_->SetTypingColour(ToQColor(*colour));
    typed_->CaretToEnd();
    typed_->setFocus();
}

bool frmColorName::Keyboard_Text_KeyPress(char c) {
    if (!name_.Type(c)) return false;
    ShowEncoded();
    return true;
}

void frmColorName::RefuseCharacters(const QList<uint>& codes) {
    std::string named;
    for (const uint code : codes) {
        if (!named.empty()) named += ", ";
        named += QString("U+%1").arg(code, 4, 16, QChar('0')).toUpper().toStdString();
    }
    platform::ShowMessage("The name cannot hold the character" +
                              std::string(codes.size() > 1 ? "s " : " ") + named +
                              ": User.ini keeps the player name as Windows-1252 text, which "
                              "has no such character. Nothing was added for it.",
                          platform::MsgButtons::Ok, {}, this);
}

void frmColorName::btn_Clear_Click() {
    name_.Clear();
    typed_->clear();
    ShowEncoded();
    SetSample(0);
    typed_->SetTypingColour(Qt::black);
    typed_->CaretToEnd();
    typed_->setFocus();
}

void frmColorName::Command1_Click() {
    owner_.Controls().SetText({"tbx_Name"}, name_.Encoded());
    // A failed save keeps this window and the main window's edits; the message names the file.
    if (!SaveCurrentSettings(owner_)) return;
    if (auto error = owner_.ReloadTabs()) {
        platform::ShowMessage(error->Message("read"), platform::MsgButtons::Ok, {}, &owner_);
    }
    owner_.show();
    close();
}

}  // namespace kestrane
