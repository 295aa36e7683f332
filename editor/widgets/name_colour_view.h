// A coloured player name shown readably: each colour code as a small swatch of its colour,
// the characters after it in that colour. Only the look changes; the box's text stays the name
// as the file holds it (one character per byte).
#pragma once

#include <QTextCharFormat>
#include <string>
#include <vector>

class QLineEdit;
class QTextEdit;

namespace kestrane {

struct ShownRun {
    int start;
    int length;
    QTextCharFormat format;
};

// The formats of a name's pieces (characters before any code keep the box's own look).
std::vector<ShownRun> NameColourRuns(const std::string& name);

// The box keeps drawing its name so, whatever text it is given later.
void ShowNameColours(QLineEdit* box);

// Shows `name` in a read-only box: the code bytes as blanks on their swatch, so that no
// control character or stray letter is drawn.
void ShowColouredName(QTextEdit* box, const std::string& name);

}  // namespace kestrane
