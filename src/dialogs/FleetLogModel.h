#pragma once

#include "session/FleetLog.h"

#include <QAbstractTableModel>

// The bench window's log: one row per radio, in the columns of the CSV log (the time as
// the clock shows it, the backup by its file name; the whole of each in its tool tip).
class FleetLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time, Device, StableName, Radio, Variant, Backup, Result, Detail, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void add(const FleetRecord& record);
    // For a new run.
    void clear();
    const FleetLog& log() const { return log_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString shownText(const FleetRecord& record, int column) const;

    FleetLog log_;
};
