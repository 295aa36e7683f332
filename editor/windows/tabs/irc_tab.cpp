#include "editor/windows/tabs/irc_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "editor/widgets/editable_combo.h"
#include "editor/widgets/numeric_field.h"
#include "editor/windows/main/main_window.h"
#include "editor/windows/tabs/colour_fields.h"
#include "editor/windows/tabs/field_tables.h"
#include "editor/windows/tabs/tab_page.h"

namespace kestrane {
namespace {

QString Q(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr std::array<const char*, 5> kChatColours = {
    "IRC Text Color", "IRC Nick Color", "IRC Action Color", "IRC Info Color", "IRC Link Color"};

}  // namespace

IrcTab::IrcTab(INI& window) : QObject(window.Tab("irc")) {
    setObjectName("IrcTab");
    QWidget* page = window.Tab("irc");
    ControlRegistry& controls = window.Controls();

    auto* chat = new QGroupBox("IRC", page);
    auto* grid = new QGridLayout(chat);
    int row = 0;
    for (int i = 0; i < static_cast<int>(kChatFields.size()); ++i, ++row) {
        const FieldRow& entry = kChatFields[static_cast<size_t>(i)];
        auto* box = new QLineEdit(chat);
        box->setObjectName(QString("tbx_IRC%1").arg(i));
        box->setMinimumWidth(i < 2 ? 160 : 56);
        new NumericField(box, entry.rule, entry.steps);
        controls.Add("tbx_IRC", i, box);
        grid->addWidget(new QLabel(Q(entry.caption), chat), row, 0);
        grid->addWidget(box, row, 1, Qt::AlignLeft);
    }
    // Any channel the file names is shown and saved as it stands.
    auto* channel = new QComboBox(chat);
    channel->setObjectName("cbx_Channel");
    MakeEditable(channel);
    channel->setMinimumWidth(160);
    controls.Add("cbx_Channel", channel);
    grid->addWidget(new QLabel("Default Channel", chat), row, 0);
    grid->addWidget(channel, row++, 1, Qt::AlignLeft);
    auto* speech = new QCheckBox("IRC Text To Speech", chat);
    speech->setObjectName("c_IRC");
    controls.Add("c_IRC", speech);
    grid->addWidget(speech, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    PageRow(page)->addWidget(chat, 0, Qt::AlignTop);

    auto* colours = new QGroupBox("IRC System", page);
    auto* colourGrid = new QGridLayout(colours);
    for (int i = 0; i < static_cast<int>(kChatColours.size()); ++i) {
        AddColourSet(window, i, kChatColours[static_cast<size_t>(i)], colourGrid, i);
    }
    PageRow(page)->addWidget(colours, 0, Qt::AlignTop);
    PageRow(page)->addStretch(1);
}

}  // namespace kestrane
