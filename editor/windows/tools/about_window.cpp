#include "editor/windows/tools/about_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/windows/main/main_window.h"

namespace kestrane {

frmAbout* frmAbout::Open(INI& owner) {
    auto* window = new frmAbout(owner);
    window->show();
    return window;
}

frmAbout::frmAbout(INI& owner) : QWidget(&owner, Qt::Window) {
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto label = [this, layout](const char* name, const char* text, int grow) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignCenter);
        if (grow) {
            QFont f = l->font();
            f.setPointSize(f.pointSize() + grow);
            f.setBold(true);
            l->setFont(f);
        }
        layout->addWidget(l);
    };
    label("Label1_0", kAboutTitle, 6);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    layout->addWidget(line);
    label("Label1_1", kAboutCredit, 0);
    label("Label1_2", kAboutCredit2, 0);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("b_About");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::b_About_Click);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addStretch(1);
    layout->addLayout(row);
    resize(460, 200);
}

void frmAbout::b_About_Click() {
    close();
}

}  // namespace kestrane
