#pragma once

#include "model/Language.h"
#include "session/FleetState.h"
#include "session/FleetStation.h"

#include <QAbstractTableModel>
#include <QList>

// The rows of the bench's window, one per cable: the device, its stable name, its state
// in words (with the detail the bench gave), how far the radio on it has come (of the
// steps of one radio) and how many radios it has handled. Row n is the bench's cable n.
class FleetCableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Device, StableName, Radios, Progress, State, ColumnCount };
    // Of the Progress column: the steps done and the steps of one radio, for the bar.
    static constexpr int StepsRole = Qt::UserRole;
    static constexpr int StepsPerRadioRole = Qt::UserRole + 1;

    explicit FleetCableModel(Language language, QObject* parent = nullptr);

    // A cable as the rows show it: the device node behind a stable name (/dev/ttyUSB0), as
    // the dealer knows the cable, and the stable name without its folder.
    static QString shownDevice(const QString& device, const QString& stableName);
    static QString shownStableName(const QString& stableName);

    // The row of the cable of that device or stable name, or -1.
    int rowOf(const FleetCable& cable) const;
    // A new row at the end, unless the cable has one; its row.
    int addCable(const FleetCable& cable);
    const FleetCable& cable(int row) const { return rows_[row].cable; }
    QList<FleetCable> cables() const;

    void setStepsPerRadio(int steps);
    void setState(int row, FleetState state, const QString& detail);
    void setSteps(int row, int steps);
    void countRadio(int row);
    // For a new run: no radios handled, no bar.
    void resetCounts();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row {
        FleetCable cable;
        std::optional<FleetState> state; // none before the bench first ran it
        QString detail;
        int steps = 0;
        int radios = 0;
    };

    QString stateText(const Row& row) const;
    QString progressText(const Row& row) const;
    void changed(int row, Column column);

    Language language_;
    QList<Row> rows_;
    int stepsPerRadio_ = 1;
};
