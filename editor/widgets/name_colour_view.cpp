#include "editor/widgets/name_colour_view.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextEdit>

#include "editor/store/name_colour_pieces.h"
#include "platform/base/ansi.h"

namespace kestrane {
namespace {

QColor ColourOf(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

void ApplyRuns(QLineEdit* box) {
    // Formats reach a line edit only as input-method attributes, placed from its caret.
    QList<QInputMethodEvent::Attribute> attributes;
    const int caret = box->cursorPosition();
    for (const ShownRun& run : NameColourRuns(platform::ToAnsi(box->text()))) {
        attributes.append(
            {QInputMethodEvent::TextFormat, run.start - caret, run.length, run.format});
    }
    QInputMethodEvent event(QString(), attributes);
    QCoreApplication::sendEvent(box, &event);
}

}  // namespace

std::vector<ShownRun> NameColourRuns(const std::string& name) {
    std::vector<ShownRun> runs;
    for (const NamePiece& piece : NamePieces(name)) {
        if (!piece.colour && !piece.code) continue;
        const QColor colour = piece.colour ? ColourOf(*piece.colour) : QColor(Qt::lightGray);
        QTextCharFormat format;
        format.setForeground(colour);
        if (piece.code) {
            format.setBackground(colour);  // the code's characters vanish into its swatch
        } else if (qGray(colour.rgb()) > 200) {
            format.setBackground(QColor(64, 64, 64));  // light letters stay readable
        }
        runs.push_back({static_cast<int>(piece.start), static_cast<int>(piece.length), format});
    }
    return runs;
}

void ShowNameColours(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { ApplyRuns(box); });
    ApplyRuns(box);
}

void ShowColouredName(QTextEdit* box, const std::string& name) {
    QString shown = platform::FromAnsi(name);
    for (const NamePiece& piece : NamePieces(name)) {
        if (!piece.code) continue;
        for (size_t i = piece.start; i < piece.start + piece.length; ++i) {
            shown[static_cast<qsizetype>(i)] = QChar(0x00A0);
        }
    }
    // The box types new text in the format at its caret, which the last name's final run left
    // there: characters before the first code must keep the box's own look.
    box->setCurrentCharFormat(QTextCharFormat());
    box->setPlainText(shown);
    QTextCursor cursor(box->document());
    for (const ShownRun& run : NameColourRuns(name)) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.start + run.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
}

}  // namespace kestrane
