#include "dialogs/SerialDeviceList.h"

#include "link/ProgrammingCables.h"

#include <QHeaderView>
#include <algorithm>

namespace {

constexpr int NameRole = Qt::UserRole; // the name to store, on the Device column

} // namespace

SerialDeviceList::SerialDeviceList(Language language, QWidget* parent)
    : QTreeWidget(parent), language_(language)
{
    setObjectName(QStringLiteral("SerialDeviceList"));
    setAccessibleName(tr("Serial devices present"));
    setColumnCount(ColumnCount);
    setHeaderLabels({tr("Device"), tr("State"), tr("Cable"), tr("Description"), tr("Manufacturer"),
                     tr("USB ID"), tr("Serial number"), tr("Stable name")});
    setRootIsDecorated(false);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemChanged, this, &SerialDeviceList::onItemChanged);
    // A click anywhere on a row, or Enter, chooses it as a click on its box does.
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { setChecked(item); });
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { setChecked(item); });
}

QTreeWidgetItem* SerialDeviceList::makeItem(const Entry& entry) const
{
    const SerialDeviceInfo& info = entry.info;
    auto* item = new QTreeWidgetItem;
    item->setText(Device, info.path);
    item->setData(Device, NameRole, info.openName());
    item->setText(State, portStateWord(entry.status, language_));
    if (const ProgrammingCables::Chip* chip = ProgrammingCables::chipOf(info))
        item->setText(Cable, tr("likely: %1").arg(QString::fromLatin1(chip->name)));
    item->setText(Description, info.description);
    item->setText(Manufacturer, info.manufacturer);
    item->setText(UsbId, info.usbId());
    item->setText(SerialNumber, info.serialNumber);
    item->setText(StableName, info.stableName);
    const QString why = portStatusText(entry.status, info.path, language_);
    for (int c = 0; c < ColumnCount; ++c)
        item->setToolTip(c, why);
    item->setCheckState(Device, Qt::Unchecked);
    Qt::ItemFlags flags = Qt::ItemNeverHasChildren;
    if (entry.status.ok())
        flags |= Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    item->setFlags(flags);
    return item;
}

void SerialDeviceList::showEntries(QList<Entry> entries, const QString& chosen)
{
    const bool chosenListed = std::any_of(entries.cbegin(), entries.cend(),
                                          [&chosen](const Entry& e) { return e.info.isNamedBy(chosen); });
    if (!chosen.isEmpty() && !chosenListed) {
        SerialDeviceInfo absent;
        absent.path = chosen;
        entries << Entry{absent, PortStatus::of(PortStatus::State::Absent)};
    }
    const QSignalBlocker blocker(this);
    clear();
    for (const Entry& entry : entries) {
        QTreeWidgetItem* item = makeItem(entry);
        addTopLevelItem(item);
        if (entry.info.isNamedBy(chosen))
            item->setCheckState(Device, Qt::Checked); // greyed when it cannot be opened now
    }
    for (int c = 0; c < StableName; ++c)
        resizeColumnToContents(c);
}

QString SerialDeviceList::checkedDevice() const
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = topLevelItem(i);
        if (item->checkState(Device) == Qt::Checked)
            return item->data(Device, NameRole).toString();
    }
    return {};
}

QTreeWidgetItem* SerialDeviceList::itemFor(const QString& device) const
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        if (item->text(Device) == device || item->data(Device, NameRole).toString() == device)
            return item;
    }
    return nullptr;
}

void SerialDeviceList::clearCheck()
{
    const QSignalBlocker blocker(this);
    for (int i = 0; i < topLevelItemCount(); ++i)
        topLevelItem(i)->setCheckState(Device, Qt::Unchecked);
}

void SerialDeviceList::setChecked(QTreeWidgetItem* item)
{
    if (item && (item->flags() & Qt::ItemIsUserCheckable))
        item->setCheckState(Device, Qt::Checked); // onItemChanged does the rest
}

void SerialDeviceList::onItemChanged(QTreeWidgetItem* item, int column)
{
    if (column != Device || item->checkState(Device) != Qt::Checked)
        return;
    {
        const QSignalBlocker blocker(this);
        for (int i = 0; i < topLevelItemCount(); ++i) {
            if (topLevelItem(i) != item)
                topLevelItem(i)->setCheckState(Device, Qt::Unchecked);
        }
    }
    Q_EMIT deviceChosen();
}
