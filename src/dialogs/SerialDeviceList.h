#pragma once

#include "link/PortStatus.h"
#include "link/SerialDeviceInfo.h"
#include "model/Language.h"

#include <QTreeWidget>

// The serial devices present, one row each: node, state, whether it is likely the
// programming cable, description, manufacturer, USB ids, serial number and stable name.
// A device that cannot be opened is greyed, its tooltip saying why. The user chooses a
// device by checking it (a click, Enter or Space); one at most is checked.
class SerialDeviceList : public QTreeWidget {
    Q_OBJECT
public:
    enum Column {
        Device,
        State,
        Cable,
        Description,
        Manufacturer,
        UsbId,
        SerialNumber,
        StableName,
        ColumnCount
    };

    struct Entry {
        SerialDeviceInfo info;
        PortStatus status;
    };

    explicit SerialDeviceList(Language language, QWidget* parent = nullptr);

    // Shows entries; the one that chosen names is checked. A chosen device that is not
    // among them is listed too, greyed, as absent.
    void showEntries(QList<Entry> entries, const QString& chosen);
    // The checked device by the name to store (its stable name where it has one), or empty.
    QString checkedDevice() const;
    void clearCheck();
    QTreeWidgetItem* itemFor(const QString& device) const;

Q_SIGNALS:
    // The user checked a device.
    void deviceChosen();

private:
    QTreeWidgetItem* makeItem(const Entry& entry) const;
    void setChecked(QTreeWidgetItem* item);
    void onItemChanged(QTreeWidgetItem* item, int column);

    Language language_;
};
