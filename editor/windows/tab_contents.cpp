#include "editor/windows/tab_contents.h"

#include <QVBoxLayout>

#include "editor/windows/key_binding_tabs.h"
#include "editor/windows/main_window.h"
#include "editor/windows/rich_text_box.h"

namespace kestrane {
namespace {

// The alias boxes are written back by the store's writer in place of the alias lines.
void BuildAliasBoxes(INI& window) {
    QWidget* comm = window.Tab("comm");
    auto* layout = new QVBoxLayout(comm);
    for (const char* name : {"RTB_Aliases", "RTB_TextToSpeechAlias"}) {
        auto* box = new RichTextBox(comm);
        box->setObjectName(name);
        layout->addWidget(box);
        window.Controls().Add(name, box);
    }
}

}  // namespace

void BuildTabContents(INI& window) {
    BuildAliasBoxes(window);
    BuildKeyBindingGroups(window);
}

}  // namespace kestrane
