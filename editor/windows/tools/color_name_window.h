// The Name Colorizer frmColorName: a name typed into a large box with colours picked between
// characters, the encoded name with the game's colour codes, and "Set Name", which hands it to
// the main window's player name and saves.
#pragma once

#include <QTextEdit>
#include <QWidget>
#include <cstdint>

#include "editor/store/name_colours.h"

class QLabel;
class QPushButton;

namespace kestrane {

class INI;
class frmColorName;

// Keyboard_Text: grows only at its end, by typed characters; nothing else edits it.
class TypedNameBox : public QTextEdit {
    Q_OBJECT

  public:
    TypedNameBox(frmColorName& window, QWidget* parent);
    void CaretToEnd();
    // The colour of the characters typed from now on.
    void SetTypingColour(const QColor& colour) { colour_ = colour; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool canInsertFromMimeData(const QMimeData*) const override { return false; }
    void insertFromMimeData(const QMimeData*) override {}

  private:
    // Typed or composed text, character by character, as far as the name takes it.
    void Take(const QString& text);

    frmColorName& window_;
    QColor colour_ = Qt::black;
};

class frmColorName : public QWidget {
    Q_OBJECT

  public:
    static frmColorName* Open(INI& owner);

    const ColouredName& Name() const { return name_; }
    TypedNameBox* Keyboard_Text() const { return typed_; }

    void Form_Load();
    void btn_ChooseColor_Click();
    void btn_Clear_Click();
    void Command1_Click();
    // A typed character: true when the typed box takes it.
    bool Keyboard_Text_KeyPress(char c);
    // Says why characters without a byte in the file's 8-bit text were not taken.
    void RefuseCharacters(const QList<uint>& codes);

  private:
    explicit frmColorName(INI& owner);
    void Build();
    void ShowEncoded();
    void SetSample(std::uint32_t colour);

    INI& owner_;
    ColouredName name_;
    std::uint32_t lastPick_ = 0;
    TypedNameBox* typed_ = nullptr;
    QTextEdit* rtb_ = nullptr;
    QLabel* lbl_Color = nullptr;
    QLabel* lbl_CharUsed = nullptr;
};

}  // namespace kestrane
