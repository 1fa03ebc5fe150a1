#pragma once

#include "model/Language.h"

#include <QDialog>

struct CsvImportReport;
class QPushButton;
class QTableWidget;
class UiHooks;

// The report of a channel-list import: how many rows were taken, and every row with its
// channel or the reason it was refused. Accept applies the taken rows, Cancel nothing;
// with no row taken only Cancel is offered.
class CsvImportDialog : public QDialog {
    Q_OBJECT
public:
    CsvImportDialog(const CsvImportReport& report, const QString& fileName, Language language,
                    const UiHooks& hooks, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QPushButton* acceptButton() const { return accept_; }

private:
    void fillTable(const CsvImportReport& report, Language language);

    QTableWidget* table_;
    QPushButton* accept_;
};
