#include "dialogs/HistoryDialog.h"

#include "dialogs/RadioVariantText.h"
#include "uikit/DialogButtons.h"
#include "uikit/DialogHelp.h"
#include "uikit/DialogUnits.h"
#include "uikit/HelpRequest.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

HistoryDialog::HistoryDialog(const RadioHistory& history, const UiHooks& hooks, QWidget* parent)
    : QDialog(parent), entries_(history.entries())
{
    setObjectName(QStringLiteral("HistoryDialog")); // its help topic
    setWindowTitle(tr("Radio History"));
    setFont(templateFont(9));
    const DialogUnits dlu(font());
    resize(dlu.toPixelsX(330), dlu.toPixelsY(200));

    auto* label = new QLabel(headingText(history.folderError()), this);
    label->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setAccessibleName(tr("Reads from the radio"));
    list_->setColumnCount(ColumnCount);
    list_->setHeaderLabels({tr("Read at"), tr("Radio"), tr("Channels in use"), tr("First channels")});
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setUniformRowHeights(true);
    label->setBuddy(list_);
    fillList();

    auto* folder = new QLabel(tr("Folder: %1").arg(QDir::toNativeSeparators(history.folder())), this);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folder->setWordWrap(true);
    open_ = new QPushButton(tr("&Open"), this);
    setControlId(open_, OkButtonId);
    open_->setDefault(true);
    open_->setEnabled(list_->currentItem() != nullptr);
    connect(open_, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { open_->setEnabled(current != nullptr); });
    QPushButton* close = makeCancelButton(this);
    close->setText(tr("Close"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(folder, 1);
    buttons->addWidget(open_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    list_->setFocus();
    installControlHelp(this, hooks);
}

QString HistoryDialog::headingText(const QString& folderError) const
{
    if (!folderError.isEmpty())
        return tr("The folder of the radio history cannot be read: %1").arg(folderError);
    if (entries_.isEmpty())
        return tr("No reads are stored yet. Every read from the radio keeps a copy here.");
    return tr("The &copies of the reads from the radio, newest first (the last %1 are kept):")
        .arg(RadioHistory::DefaultKeep);
}

void HistoryDialog::fillList()
{
    for (const HistoryEntry& entry : entries_) {
        const HistorySummary summary = RadioHistory::summarize(entry.path, entry.variant);
        auto* item = new QTreeWidgetItem(list_);
        item->setText(ReadAt, RadioHistory::readAtText(entry));
        item->setText(Radio, radioVariantText(entry.variant));
        item->setText(ChannelsInUse,
                      summary.readable ? QString::number(summary.channelsInUse) : tr("unreadable"));
        item->setTextAlignment(ChannelsInUse, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(FirstChannels, summary.firstFrequencies.join(QStringLiteral(", ")));
        item->setToolTip(ReadAt, QDir::toNativeSeparators(entry.path));
    }
    list_->setCurrentItem(list_->topLevelItem(0));
    for (int c = 0; c < ColumnCount - 1; ++c)
        list_->resizeColumnToContents(c);
}

const HistoryEntry* HistoryDialog::chosen() const
{
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    return result() == Accepted && row >= 0 ? &entries_[row] : nullptr;
}
