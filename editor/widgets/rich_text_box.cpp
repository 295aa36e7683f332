#include "editor/widgets/rich_text_box.h"

#include <QElapsedTimer>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/base/ansi.h"

namespace kestrane {
namespace {

// A text up to this size goes into the document at once; a larger one a slice at a time.
constexpr size_t kWholeAtOnce = 1024 * 1024;
// A slice is sized to what the step's time left allows, at the pace the last slice went: a
// line with a lone LF takes ten times as long to lay out as a plain one.
constexpr size_t kSliceBytes = 64 * 1024;
constexpr size_t kLeastSlice = 8 * 1024;
// Work done between two turns of the event loop: until the time is up, and never more text
// than this, however fast the machine.
constexpr qint64 kBudgetMs = 20;
constexpr size_t kStepBytes = 1024 * 1024;
// Ranges of a reset, so that a reset of a large document is sliced too.
constexpr int kResetSpan = 256 * 1024;

constexpr QChar kLoneLf = QChar::LineSeparator;  // a line break inside the paragraph
constexpr QChar kLoneCr = QChar(0x240D);         // SYMBOL FOR CARRIAGE RETURN

// Bytes to the document's characters: CR LF starts a paragraph, a lone LF or CR stays one
// character of its line. No Windows-1252 byte gives either stand-in.
QString ToDocumentText(std::string_view bytes) {
    QString text = platform::FromAnsi(bytes);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += '\n';
            ++i;
        } else if (c == '\r') {
            out += kLoneCr;
        } else if (c == '\n') {
            out += kLoneLf;
        } else {
            out += c;
        }
    }
    return out;
}

std::string FromDocumentText(QString text) {
    for (QChar& c : text) {
        if (c == kLoneLf)
            c = '\n';
        else if (c == kLoneCr)
            c = '\r';
    }
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    return platform::ToAnsi(text);
}

// Text position to document position: the block whose text starts at or before it, found by
// halving (a block's text starts at its document position plus one per CR LF before it).
int ToDocument(const QTextDocument* doc, int position) {
    int lo = 0;
    int hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= position) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int inBlock = position - (block.position() + lo);
    return block.position() + std::clamp(inBlock, 0, block.length() - 1);
}

// Length of the common start of `a` and `b`, and of their common end within the rest.
size_t CommonStart(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    constexpr size_t kBlock = 4096;
    size_t i = 0;
    while (i + kBlock <= n && std::memcmp(a.data() + i, b.data() + i, kBlock) == 0) i += kBlock;
    while (i < n && a[i] == b[i]) ++i;
    return i;
}

size_t CommonEnd(std::string_view a, std::string_view b, size_t limit) {
    constexpr size_t kBlock = 4096;
    size_t k = 0;
    while (k + kBlock <= limit && std::memcmp(a.data() + a.size() - k - kBlock,
                                              b.data() + b.size() - k - kBlock, kBlock) == 0) {
        k += kBlock;
    }
    while (k < limit && a[a.size() - k - 1] == b[b.size() - k - 1]) ++k;
    return k;
}

int FromDocument(const QTextDocument* doc, int position) {
    return position + doc->findBlock(position).blockNumber();
}

QTextCharFormat MarkFormat() {
    QTextCharFormat mark;
    mark.setForeground(QColor(255, 0, 0));
    mark.setFontUnderline(true);
    return mark;
}

QTextCharFormat PlainFormat() {
    QTextCharFormat plain;
    plain.setForeground(QColor(0, 0, 0));
    plain.setFontUnderline(false);
    return plain;
}

}  // namespace

int DocumentPosition(std::string_view text, size_t p) {
    p = std::min(p, text.size());
    int pairs = 0;
    for (size_t i = 0; i + 1 < p; ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') ++pairs;
    }
    return static_cast<int>(p) - pairs;
}

std::vector<DocumentRange> DocumentRanges(std::string_view text,
                                          const std::vector<size_t>& positions, size_t length) {
    std::vector<DocumentRange> ranges;
    ranges.reserve(positions.size());
    size_t scanned = 0;  // CR LF pairs counted in text[0, scanned)
    int pairs = 0;
    auto pairsBefore = [&](size_t p) {
        for (; scanned + 1 < p; ++scanned) {
            if (text[scanned] == '\r' && text[scanned + 1] == '\n') ++pairs;
        }
        return pairs;
    };
    for (const size_t p : positions) {
        const int start = static_cast<int>(p) - pairsBefore(p);
        int inside = 0;
        for (size_t k = p; k + 1 < p + length && k + 1 < text.size(); ++k) {
            if (text[k] == '\r' && text[k + 1] == '\n') ++inside;
        }
        ranges.emplace_back(start, static_cast<int>(length) - inside);
    }
    return ranges;
}

RichTextBox::RichTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (Step(kBudgetMs)) ScheduleStep();
    });
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int, int) {
        if (internal_ == 0) edited_ = true;
    });
}

std::string RichTextBox::Text() const {
    if (!edited_) return loaded_;
    return FromDocumentText(document()->toRawText());
}

bool RichTextBox::Edited() const {
    return edited_ && Text() != loaded_;
}

void RichTextBox::SetText(const std::string& bytes) {
    if (ReplaceChanged(bytes)) return;
    Reset();
    loaded_ = bytes;
    if (isVisible()) Start();
}

void RichTextBox::Reset() {
    ++internal_;
    timer_->stop();
    jobs_.clear();
    selection_.reset();
    marked_ = false;
    edited_ = false;
    Unlock();
    loaded_.clear();
    filled_ = 0;
    started_ = false;
    document()->setUndoRedoEnabled(false);
    document()->clear();
    document()->setUndoRedoEnabled(true);
    --internal_;
}

bool RichTextBox::ReplaceChanged(const std::string& bytes) {
    if (edited_ || !jobs_.empty() || selection_) return false;
    const std::string_view was(loaded_);
    size_t start = CommonStart(was, bytes);
    if (start == was.size() && start == bytes.size()) return true;
    size_t end = CommonEnd(was, bytes, std::min(was.size(), bytes.size()) - start);
    // A CR just before the change or an LF just after it may pair differently with what the
    // change brings: it goes with the change.
    if (start > 0 && was[start - 1] == '\r') --start;
    if (end > 0 && was[was.size() - end] == '\n') --end;
    const size_t wasEnd = was.size() - end;  // the change is [start, wasEnd) of the old text
    const size_t nowEnd = bytes.size() - end;
    if (filled_ > start) {
        // The part laid in is cut where the change starts; a small change inside it is
        // replaced there, and the rest of the document stays.
        const bool inside =
            filled_ >= wasEnd && wasEnd - start <= kSliceBytes && nowEnd - start <= kSliceBytes;
        QTextCursor cursor(document());
        cursor.setPosition(ToDocument(document(), static_cast<int>(start)));
        if (inside) {
            cursor.setPosition(ToDocument(document(), static_cast<int>(wasEnd)),
                               QTextCursor::KeepAnchor);
        } else {
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        }
        ++internal_;
        document()->setUndoRedoEnabled(false);
        if (inside && nowEnd > start) {
            cursor.insertText(ToDocumentText(std::string_view(bytes).substr(start, nowEnd - start)),
                              QTextCharFormat());
        } else {
            cursor.removeSelectedText();
        }
        document()->setUndoRedoEnabled(true);
        --internal_;
        filled_ = inside ? filled_ - wasEnd + nowEnd : start;
    }
    loaded_ = bytes;
    if (document()->isEmpty()) marked_ = false;
    Continue();
    return true;
}

void RichTextBox::Continue() {
    if (!started_) return;
    if (filled_ == loaded_.size()) {
        Unlock();
        return;
    }
    if (!locked_ && loaded_.size() - filled_ <= kWholeAtOnce) {
        EnsureDocument();
        return;
    }
    if (!locked_) {
        // No typing until the whole text is in: an edit would land among slices. The caret
        // still moves and selects.
        readOnlyWanted_ = isReadOnly();
        locked_ = true;
        setReadOnly(true);
        setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
    }
    ScheduleStep();
}

void RichTextBox::Start() const {
    auto* self = const_cast<RichTextBox*>(this);
    if (started_) return;
    self->started_ = true;
    self->Continue();
    // The first slice now, so that the box shows the start of a large text when it appears.
    if (self->timer_->isActive() && self->Step(kBudgetMs)) self->ScheduleStep();
}

bool RichTextBox::FillSlice(size_t upTo) {
    size_t end = std::min({filled_ + kSliceBytes, upTo, loaded_.size()});
    if (end < loaded_.size() && loaded_[end - 1] == '\r' && loaded_[end] == '\n') ++end;
    const QString text = ToDocumentText(std::string_view(loaded_).substr(filled_, end - filled_));
    // A caret at the end would go along with each slice: it stays where the player left it.
    const int anchor = textCursor().anchor();
    const int position = textCursor().position();
    ++internal_;
    document()->setUndoRedoEnabled(false);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text, QTextCharFormat());  // never the format of a mark before it
    document()->setUndoRedoEnabled(true);
    --internal_;
    if (textCursor().position() != position || textCursor().anchor() != anchor) {
        QTextCursor caret(document());
        caret.setPosition(anchor);
        caret.setPosition(position, QTextCursor::KeepAnchor);
        setTextCursor(caret);
    }
    filled_ = end;
    if (filled_ == loaded_.size()) Unlock();
    return true;
}

int RichTextBox::DocumentLength() const {
    return document()->characterCount() - 1;
}

bool RichTextBox::FormatSlice(qint64 budgetMs, const QElapsedTimer& clock) {
    bool progressed = false;
    const bool complete = filled_ == loaded_.size();
    // Ending the edit lays out again what the slice spans, after the formats are set: the
    // slice leaves that time of the budget, in the share the last slice's ending took.
    const qint64 begun = clock.nsecsElapsed();
    const qint64 until =
        budgetMs == std::numeric_limits<qint64>::max()
            ? std::numeric_limits<qint64>::max()
            : begun + static_cast<qint64>((budgetMs * 1'000'000 - begun) / (1 + commitShare_));
    ++internal_;
    QTextCursor cursor(document());
    // One edit for the whole slice: the layout and the view hear of it once.
    cursor.beginEditBlock();
    std::optional<int> caret;
    while (!jobs_.empty() && clock.nsecsElapsed() < until) {
        FormatJob& job = jobs_.front();
        const bool reset = !job.caretAfter;
        const int length = DocumentLength();
        while (job.next < job.ranges.size() && clock.nsecsElapsed() < until) {
            const auto [start, count] = job.ranges[job.next];
            if (start + count > length) {
                if (!complete) break;  // waits for its part of the text
                ++job.next;            // past the end of the whole text: nothing to mark
                continue;
            }
            cursor.setPosition(start);
            cursor.setPosition(start + count, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(job.format);
            if (!reset) marked_ = true;
            ++job.next;
            progressed = true;
        }
        if (job.next < job.ranges.size()) break;
        if (job.caretAfter) caret = std::min(*job.caretAfter, length);
        jobs_.pop_front();
        progressed = true;
    }
    const qint64 merged = clock.nsecsElapsed();
    cursor.endEditBlock();
    --internal_;
    if (progressed && merged - begun > 1'000'000) {
        commitShare_ = std::min(4.0, static_cast<double>(clock.nsecsElapsed() - merged) /
                                         static_cast<double>(merged - begun));
    }
    if (caret) {
        QTextCursor at(document());
        at.setPosition(*caret);
        setTextCursor(at);
    }
    return progressed;
}

bool RichTextBox::Step(qint64 budgetMs) {
    QElapsedTimer clock;
    clock.start();
    const size_t limit = budgetMs == std::numeric_limits<qint64>::max()
                             ? loaded_.size()
                             : std::min(loaded_.size(), filled_ + kStepBytes);
    const bool timed = budgetMs != std::numeric_limits<qint64>::max();
    bool progressed = true;
    while (progressed && clock.elapsed() < budgetMs) {
        progressed = !jobs_.empty() && FormatSlice(budgetMs, clock);
        if (progressed || filled_ >= limit) continue;
        size_t upTo = limit;
        if (timed) {
            const double left = static_cast<double>(budgetMs * 1'000'000 - clock.nsecsElapsed());
            const auto fits = static_cast<size_t>(std::max(0.0, left / fillNsPerByte_));
            upTo = std::min(limit, filled_ + std::clamp(fits, kLeastSlice, kSliceBytes));
        }
        const size_t from = filled_;
        const qint64 before = clock.nsecsElapsed();
        progressed = FillSlice(upTo);
        if (filled_ - from >= kLeastSlice) {
            // Slower at once, faster only bit by bit: the pace varies from slice to slice.
            const double pace = static_cast<double>(clock.nsecsElapsed() - before) /
                                static_cast<double>(filled_ - from);
            fillNsPerByte_ = std::max(pace, fillNsPerByte_ * 0.9);
        }
    }
    ApplySelection();
    return Busy();
}

void RichTextBox::ScheduleStep() {
    if (!timer_->isActive()) timer_->start();
}

bool RichTextBox::Busy() const {
    return started_ && (filled_ < loaded_.size() || !jobs_.empty());
}

void RichTextBox::Unlock() {
    if (!locked_) return;
    locked_ = false;
    setReadOnly(readOnlyWanted_);
}

void RichTextBox::EnsureDocument() {
    started_ = true;
    while (Busy()) Step(std::numeric_limits<qint64>::max());
    timer_->stop();
}

void RichTextBox::showEvent(QShowEvent* event) {
    Start();
    QPlainTextEdit::showEvent(event);
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    // Shift+Enter would put a line separator (a lone LF in the file); every typed line end
    // is CR LF.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier) && !isReadOnly()) {
        textCursor().insertBlock();
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void RichTextBox::AppendText(const std::string& bytes) {
    if (!edited_) {
        loaded_ += bytes;
        if (!started_) return;
        if (bytes.size() <= kWholeAtOnce && !Busy()) {
            while (filled_ < loaded_.size()) FillSlice(loaded_.size());
        } else {
            ScheduleStep();
        }
        return;
    }
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(ToDocumentText(bytes), QTextCharFormat());
}

int RichTextBox::SelStart() const {
    Start();
    return FromDocument(document(), textCursor().selectionStart());
}

void RichTextBox::SetSelStart(int start) {
    Start();
    QTextCursor cursor = textCursor();
    cursor.setPosition(ToDocument(document(), std::max(0, start)));
    setTextCursor(cursor);
}

int RichTextBox::SelLength() const {
    Start();
    const QTextCursor cursor = textCursor();
    return FromDocument(document(), cursor.selectionEnd()) -
           FromDocument(document(), cursor.selectionStart());
}

void RichTextBox::SetSelLength(int length) {
    Start();
    QTextCursor cursor = textCursor();
    const int start = SelStart();
    cursor.setPosition(cursor.selectionStart());
    cursor.setPosition(ToDocument(document(), start + std::max(0, length)),
                       QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void RichTextBox::SetSelColor(unsigned color) {
    Start();
    QTextCharFormat format;
    format.setForeground(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    textCursor().mergeCharFormat(format);
}

void RichTextBox::SetSelMarked(bool on) {
    Start();
    QTextCharFormat format;
    format.setFontUnderline(on);
    textCursor().mergeCharFormat(format);
}

QTextCharFormat RichTextBox::FormatAt(int position) const {
    const_cast<RichTextBox*>(this)->EnsureDocument();
    QTextCursor cursor(document());
    cursor.setPosition(ToDocument(document(), position) + 1);  // the format of the char before
    return cursor.charFormat();
}

void RichTextBox::MarkRanges(std::vector<DocumentRange> ranges) {
    if (ranges.empty()) return;
    Start();
    FormatJob job;
    job.caretAfter = ranges.back().first;
    job.ranges = std::move(ranges);
    job.format = MarkFormat();
    jobs_.push_back(std::move(job));
    if (Step(kBudgetMs)) ScheduleStep();
}

void RichTextBox::ClearMarks() {
    Start();
    // Marks not yet made are dropped; a reset still waiting stays, as marks lie before it.
    std::erase_if(jobs_, [](const FormatJob& job) { return job.caretAfter.has_value(); });
    if (!marked_) return;
    jobs_.clear();
    FormatJob reset;
    for (int at = 0; at < DocumentLength(); at += kResetSpan) {
        reset.ranges.emplace_back(at, std::min(kResetSpan, DocumentLength() - at));
    }
    reset.format = PlainFormat();
    jobs_.push_back(std::move(reset));
    marked_ = false;
    if (Step(kBudgetMs)) ScheduleStep();
}

void RichTextBox::SelectText(int start, int length) {
    Start();
    const std::string edited = edited_ ? Text() : std::string();
    const std::string_view text = edited_ ? std::string_view(edited) : std::string_view(loaded_);
    const size_t from = static_cast<size_t>(std::max(0, start));
    const int docStart = DocumentPosition(text, from);
    const int docEnd = DocumentPosition(text, from + static_cast<size_t>(std::max(0, length)));
    selection_ = DocumentRange{docStart, docEnd - docStart};
    ApplySelection();
    if (selection_) ScheduleStep();
}

void RichTextBox::ApplySelection() {
    if (!selection_) return;
    const auto [start, length] = *selection_;
    if (start + length > DocumentLength() && filled_ < loaded_.size()) return;
    selection_.reset();
    const int end = std::min(start + length, DocumentLength());
    QTextCursor cursor(document());
    cursor.setPosition(std::min(start, end));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setFocus();
    setTextCursor(cursor);
    ensureCursorVisible();
}

}  // namespace kestrane
