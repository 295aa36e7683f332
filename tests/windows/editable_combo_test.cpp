// A combo made editable without its popup built ahead behaves as one made by setEditable.
#include "editor/widgets/editable_combo.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace kestrane {
namespace {

TEST(MakeEditable, BehavesAsSetEditable) {
    QComboBox plain, made;
    plain.setEditable(true);
    MakeEditable(&made);
    for (QComboBox* combo : {&plain, &made}) {
        combo->addItems({"[Engine.Input]", "[Engine.Console]", "[DefaultPlayer]"});
        combo->setCurrentIndex(-1);
    }
    ASSERT_TRUE(made.isEditable());
    ASSERT_NE(made.lineEdit(), nullptr);
    EXPECT_EQ(made.lineEdit()->palette(), plain.lineEdit()->palette());
    ASSERT_NE(made.completer(), nullptr);
    EXPECT_EQ(made.completer()->completionMode(), plain.completer()->completionMode());
    EXPECT_EQ(made.completer()->caseSensitivity(), plain.completer()->caseSensitivity());
    EXPECT_EQ(made.insertPolicy(), plain.insertPolicy());

    // Typing completes inline, and the popup, made now, lists every item.
    for (QComboBox* combo : {&plain, &made}) {
        combo->lineEdit()->setText("[eng");
        combo->completer()->setCompletionPrefix("[eng");
    }
    EXPECT_EQ(made.completer()->currentCompletion(), plain.completer()->currentCompletion());
    EXPECT_EQ(made.view()->model()->rowCount(), 3);
    EXPECT_EQ(made.view()->verticalScrollBarPolicy(), plain.view()->verticalScrollBarPolicy());

    MakeEditable(&made);  // once editable, it keeps its line edit
    EXPECT_EQ(made.lineEdit()->text(), "[eng");
}

}  // namespace
}  // namespace kestrane
