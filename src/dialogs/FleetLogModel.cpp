#include "dialogs/FleetLogModel.h"

#include "dialogs/FleetCableModel.h"

#include <QDir>
#include <QFileInfo>

void FleetLogModel::add(const FleetRecord& record)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    log_.add(record);
    endInsertRows();
}

void FleetLogModel::clear()
{
    beginResetModel();
    log_ = FleetLog();
    endResetModel();
}

int FleetLogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(log_.records().size());
}

int FleetLogModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString FleetLogModel::shownText(const FleetRecord& record, int column) const
{
    switch (column) {
    case Time:
        return record.time.toLocalTime().toString(QStringLiteral("HH:mm:ss"));
    case Device:
        return FleetCableModel::shownDevice(record.device, record.stableName);
    case StableName:
        return FleetCableModel::shownStableName(record.stableName);
    case Backup:
        return QFileInfo(record.backup).fileName();
    default:
        break;
    }
    return FleetLog::fields(record).value(column);
}

QVariant FleetLogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const FleetRecord& record = log_.records()[index.row()];
    if (role == Qt::TextAlignmentRole && index.column() == Radio)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::DisplayRole)
        return shownText(record, index.column());
    if (role == Qt::ToolTipRole)
        return QDir::toNativeSeparators(FleetLog::fields(record).value(index.column()));
    return {};
}

QVariant FleetLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (static_cast<Column>(section)) {
    case Time:
        return tr("Time");
    case Device:
        return tr("Cable");
    case StableName:
        return tr("Stable name");
    case Radio:
        return tr("Radio");
    case Variant:
        return tr("Variant");
    case Backup:
        return tr("Backup");
    case Result:
        return tr("Result");
    case Detail:
        return tr("Detail");
    case ColumnCount:
        break;
    }
    return {};
}
