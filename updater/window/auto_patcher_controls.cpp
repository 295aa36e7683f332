// The window's controls and their look.
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "updater/window/auto_patcher.h"

namespace patchwell {
namespace {

QLabel* Heading(const QString& text, int pointSize, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

void frmAutoPatcher::BuildControls() {
    setObjectName("frmAutoPatcher");
    setWindowTitle("Patchwell");
    setFixedSize(540, 440);

    Label1 = {Heading("Kestrane INI", 20, this), Heading("Patchwell", 14, this)};
    lbl_Welcome = new QLabel(
        "Welcome to the Kestrane INI Patchwell.  To Check for New Updates or Current News "
        "Regarding Kestrane INI, Press the \"Update\" Button",
        this);
    lbl_Welcome->setWordWrap(true);
    lbl_Welcome->setAlignment(Qt::AlignCenter);
    txtMain = new QTextEdit(this);
    txtMain->setReadOnly(true);
    txtMain->setAcceptRichText(false);
    txtMain->hide();

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setMinimum(0);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    QSizePolicy keepPlace = ProgressBar1->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    ProgressBar1->setSizePolicy(keepPlace);
    ProgressBar1->hide();
    // Both show names from the update list: plain text, never markup.
    lblPercent = new QLabel(this);
    lblPercent->setTextFormat(Qt::PlainText);
    lblPercent->setMinimumHeight(lblPercent->fontMetrics().height());
    Label2 = new QLabel(this);
    Label2->setTextFormat(Qt::PlainText);
    Timer1 = new QTimer(this);
    Timer1->setInterval(200);

    cmdDone = new QPushButton("Update", this);
    cmdCancel = new QPushButton("Exit", this);
    Command1 = new QPushButton("Launch Kestrane INI", this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1[0]);
    layout->addWidget(Label1[1]);
    layout->addWidget(lbl_Welcome, 1);
    layout->addWidget(txtMain, 1);
    layout->addWidget(ProgressBar1);
    auto* labels = new QHBoxLayout;
    labels->addWidget(Label2);
    labels->addStretch(1);
    labels->addWidget(lblPercent);
    layout->addLayout(labels);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdDone);
    buttons->addWidget(Command1);
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
}

}  // namespace patchwell
