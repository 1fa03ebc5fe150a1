#include "dialogs/FleetCableModel.h"

#include <QDir>
#include <QFileInfo>

QString FleetCableModel::shownDevice(const QString& device, const QString& stableName)
{
    const QString node = QFileInfo(device).canonicalFilePath();
    return QDir::toNativeSeparators(device == stableName && !node.isEmpty() ? node : device);
}

QString FleetCableModel::shownStableName(const QString& stableName)
{
    return QFileInfo(stableName).fileName();
}

FleetCableModel::FleetCableModel(Language language, QObject* parent)
    : QAbstractTableModel(parent), language_(language)
{
}

int FleetCableModel::rowOf(const FleetCable& cable) const
{
    const auto names = [&cable](const QString& name) {
        return !name.isEmpty() && (name == cable.device || name == cable.stableName);
    };
    for (int row = 0; row < rows_.size(); ++row) {
        if (names(rows_[row].cable.device) || names(rows_[row].cable.stableName))
            return row;
    }
    return -1;
}

int FleetCableModel::addCable(const FleetCable& cable)
{
    const int found = rowOf(cable);
    if (found >= 0)
        return found;
    const int row = static_cast<int>(rows_.size());
    beginInsertRows({}, row, row);
    rows_.append({cable, std::nullopt, QString(), 0, 0});
    endInsertRows();
    return row;
}

QList<FleetCable> FleetCableModel::cables() const
{
    QList<FleetCable> cables;
    for (const Row& row : rows_)
        cables << row.cable;
    return cables;
}

void FleetCableModel::setStepsPerRadio(int steps)
{
    stepsPerRadio_ = qMax(1, steps);
    if (!rows_.isEmpty())
        Q_EMIT dataChanged(index(0, Progress), index(rowCount() - 1, Progress));
}

void FleetCableModel::setState(int row, FleetState state, const QString& detail)
{
    Row& changedRow = rows_[row];
    changedRow.state = state;
    changedRow.detail = detail;
    // A new radio, or none: the bar starts again.
    if (state == FleetState::Waiting || state == FleetState::Unavailable)
        changedRow.steps = 0;
    changed(row, State);
    changed(row, Progress);
}

void FleetCableModel::setSteps(int row, int steps)
{
    rows_[row].steps = steps;
    changed(row, Progress);
}

void FleetCableModel::countRadio(int row)
{
    ++rows_[row].radios;
    changed(row, Radios);
}

void FleetCableModel::resetCounts()
{
    for (Row& row : rows_) {
        row.radios = 0;
        row.steps = 0;
    }
    if (!rows_.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void FleetCableModel::changed(int row, Column column)
{
    const QModelIndex cell = index(row, column);
    Q_EMIT dataChanged(cell, cell);
}

int FleetCableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FleetCableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString FleetCableModel::stateText(const Row& row) const
{
    if (!row.state)
        return tr("not started");
    const QString words = fleetStateText(*row.state, language_);
    return row.detail.isEmpty() ? words : QStringLiteral("%1 (%2)").arg(words, row.detail);
}

QString FleetCableModel::progressText(const Row& row) const
{
    return QString::number(100 * qBound(0, row.steps, stepsPerRadio_) / stepsPerRadio_) + QLatin1Char('%');
}

QVariant FleetCableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Row& row = rows_[index.row()];
    if (role == StepsRole)
        return row.steps;
    if (role == StepsPerRadioRole)
        return stepsPerRadio_;
    if (role == Qt::TextAlignmentRole && index.column() == Radios)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (static_cast<Column>(index.column())) {
    case Device:
        return role == Qt::ToolTipRole ? QDir::toNativeSeparators(row.cable.device)
                                       : shownDevice(row.cable.device, row.cable.stableName);
    case StableName:
        return role == Qt::ToolTipRole ? QDir::toNativeSeparators(row.cable.stableName)
                                       : shownStableName(row.cable.stableName);
    case State:
        return stateText(row);
    case Progress:
        return progressText(row);
    case Radios:
        return row.radios;
    case ColumnCount:
        break;
    }
    return {};
}

QVariant FleetCableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (static_cast<Column>(section)) {
    case Device:
        return tr("Cable");
    case StableName:
        return tr("Stable name");
    case State:
        return tr("State");
    case Progress:
        return tr("Progress");
    case Radios:
        return tr("Radios");
    case ColumnCount:
        break;
    }
    return {};
}
