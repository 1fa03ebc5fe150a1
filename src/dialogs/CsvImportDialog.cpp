#include "dialogs/CsvImportDialog.h"

#include "csv/CsvImport.h"
#include "model/DisplayText.h"
#include "uikit/Contrast.h"
#include "uikit/DialogButtons.h"
#include "uikit/DialogHelp.h"
#include "uikit/DialogUnits.h"
#include "uikit/HelpRequest.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum ReportColumn { LineColumn, LocationColumn, ResultColumn, ColumnCount };

const QColor RefusedColour(190, 0, 0);

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

CsvImportDialog::CsvImportDialog(const CsvImportReport& report, const QString& fileName, Language language,
                                 const UiHooks& hooks, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Import Channels"));
    setFont(templateFont(9));
    const DialogUnits dlu(font());
    resize(dlu.toPixelsX(330), dlu.toPixelsY(200));

    auto* summary = new QLabel(fileName + QLatin1Char('\n') + importSummaryText(report, language), this);
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setHorizontalHeaderLabels({tr("Line"), tr("Location"), tr("Result")});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 6);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    fillTable(report, language);
    table_->resizeColumnsToContents();

    auto* question =
        new QLabel(report.taken() > 0 ? tr("Apply the rows taken to the channels?")
                                      : tr("No row can be taken; the channels stay as they are."),
                   this);
    accept_ = new QPushButton(tr("Accept"), this);
    setControlId(accept_, OkButtonId);
    accept_->setEnabled(report.taken() > 0);
    accept_->setDefault(report.taken() > 0);
    connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = makeCancelButton(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(question, 1);
    buttons->addWidget(accept_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    (report.taken() > 0 ? accept_ : cancel)->setFocus();
    installControlHelp(this, hooks);
}

void CsvImportDialog::fillTable(const CsvImportReport& report, Language language)
{
    table_->setRowCount(static_cast<int>(report.rows.size()));
    int r = 0;
    for (const ImportedRow& row : report.rows) {
        table_->setItem(r, LineColumn, cell(QString::number(row.line)));
        table_->setItem(r, LocationColumn, cell(displayedValue(row.location)));
        if (row.refusal) {
            QTableWidgetItem* result = cell(refusalText(*row.refusal, report.band, language));
            result->setToolTip(result->text()); // the whole reason, however narrow the column
            result->setForeground(
                readableColour(RefusedColour, palette().color(QPalette::Base), TextContrast));
            table_->setItem(r, ResultColumn, result);
        } else {
            table_->setItem(r, ResultColumn, cell(tr("Taken as channel %1").arg(row.channel)));
        }
        ++r;
    }
}
