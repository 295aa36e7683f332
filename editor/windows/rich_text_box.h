// The rich text box of the raw INI editors and the alias lists: text in and out as the game's
// 8-bit bytes, and the selection properties the search marks occurrences with.
#pragma once

#include <QPlainTextEdit>
#include <optional>
#include <string>

namespace kestrane {

class RichTextBox : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Lines come back with CR LF, as the files hold them.
    std::string Text() const;
    void SetText(const std::string& bytes);
    void AppendText(const std::string& bytes);

    // Positions count characters from 0; line ends count as two (CR LF), as in Text().
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    // 0x00BBGGRR, as the platform's colour numbers are written.
    void SetSelColor(unsigned color);
    // The mark a search leaves beside the colour: underlined text.
    void SetSelMarked(bool on);
    // The character format at the given character position (for checking marks).
    QTextCharFormat FormatAt(int position) const;

    // Lays a text set while hidden into the document now; the document is only current after it.
    void EnsureDocument();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // A whole game file takes tens of milliseconds to lay out; a hidden box keeps its bytes
    // until it is first shown or its document is needed.
    std::optional<std::string> pending_;
    // The bytes last set and the text the document showed for them.
    std::string loaded_;
    QString shown_;

    QString ShownText() const;
};

}  // namespace kestrane
