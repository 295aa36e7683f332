// The rich text box of the raw INI editors and the alias lists: text in and out as the game's
// 8-bit bytes, and the selection properties the search marks occurrences with.
//
// The document holds one paragraph per CR LF line; a lone LF shows as a line break inside its
// paragraph and a lone CR as a visible sign, so every byte keeps its place and positions
// convert by counting CR LF pairs alone. A large text is laid into the document a slice at a
// time between events, so the window stays responsive; marks and selections that reach past
// the part laid in so far wait for it. Setting a text that differs from the one shown in a few
// lines changes only those lines: the rest keeps its place, its marks and the view.
#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QTimer;

namespace kestrane {

// A range of the document: start and length in document characters.
using DocumentRange = std::pair<int, int>;

// The document position of the 0-based text position `p` of `text` (CR LF counts as one).
int DocumentPosition(std::string_view text, size_t p);
// The document ranges of sorted 0-based text ranges of `length` bytes each, in one pass.
std::vector<DocumentRange> DocumentRanges(std::string_view text,
                                          const std::vector<size_t>& positions, size_t length);

class RichTextBox : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Lines come back with CR LF, as the files hold them; unedited text as the bytes set.
    std::string Text() const;
    // Typed text is dropped; the undo history goes.
    void SetText(const std::string& bytes);
    void AppendText(const std::string& bytes);
    // True when typing has changed the text since it was last set.
    bool Edited() const;
    // The bytes last set (with any appended before typing began): what the box was filled from.
    const std::string& LoadedText() const { return loaded_; }

    // Positions count characters from 0; a CR LF counts as two, as in Text().
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

    // Marks the ranges red and underlined; the caret ends at the start of the last one.
    void MarkRanges(std::vector<DocumentRange> ranges);
    // Every mark back to plain black text.
    void ClearMarks();
    // Selects text positions [start, start + length) with the focus, scrolled into view.
    void SelectText(int start, int length);

    // Lays the whole text into the document now, and runs every waiting mark.
    void EnsureDocument();
    // True while a large text is still being laid in, or marks wait.
    bool Busy() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct FormatJob {
        std::vector<DocumentRange> ranges;
        QTextCharFormat format;
        size_t next = 0;
        std::optional<int> caretAfter;  // document position once all ranges are done
    };

    // Starts laying in the text when it has not started; small texts go in whole.
    void Start() const;
    // Empties the document and forgets every mark, waiting work and typed text.
    void Reset();
    // Shows `bytes` by replacing only the part of the document that differs; false when work
    // waits on document positions or the text was typed in.
    bool ReplaceChanged(const std::string& bytes);
    // Lays in what is left: a small rest at once, a large one a step at a time, read-only.
    void Continue();
    // One slice of work: the next part of the text, then waiting formats.
    bool Step(qint64 budgetMs);
    void ScheduleStep();
    // The next slice of the text, ending at `upTo` at the latest (or just past it, so that a
    // CR LF is never split).
    bool FillSlice(size_t upTo);
    bool FormatSlice(qint64 budgetMs, const QElapsedTimer& clock);
    int DocumentLength() const;
    void ApplySelection();
    void Unlock();

    std::string loaded_;  // the bytes last set (and appended while unedited)
    size_t filled_ = 0;   // bytes of loaded_ laid into the document
    bool started_ = false;
    bool edited_ = false;
    int internal_ = 0;  // >0 while the box itself changes the document
    bool marked_ = false;
    bool locked_ = false;  // read-only while a large text is laid in
    bool readOnlyWanted_ = false;
    std::deque<FormatJob> jobs_;
    double fillNsPerByte_ = 20;  // the pace of the slices laid in lately
    double commitShare_ = 0.5;   // time to end a format slice's edit, per time setting formats
    std::optional<DocumentRange> selection_;  // waiting selection in document positions
    QTimer* timer_ = nullptr;
};

}  // namespace kestrane
