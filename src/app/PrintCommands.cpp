#include "app/PrintCommands.h"

#include "config/AppContext.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "print/Report.h"
#include "uikit/MessageBox.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

PrintCommands::PrintCommands(const AppContext& context, QWidget* dialogParent)
    : QObject(dialogParent), context_(context), dialogParent_(dialogParent)
{
}

QPrinter& PrintCommands::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

ReportInput PrintCommands::reportInputOf(ChannelView& view) const
{
    view.leaveCommit(); // a value still in an open editor is printed, not lost
    return {view.cellTexts(), context_.radioVariant(), view.document()->image(), context_.language(),
            context_.languageValue(QStringLiteral("Copyrights Owner"))};
}

PrintCommands::~PrintCommands() = default;

bool PrintCommands::printOn(ChannelView& view, const ReportInput& input)
{
    const bool printed = printReport(printer(), input, view.pagination());
    if (!printed)
        appMessageBox(context_,
                      tr("The report could not be printed. Check that a printer is set up and switched on."),
                      QMessageBox::Ok, QMessageBox::Warning);
    return printed;
}

void PrintCommands::print(ChannelView& view)
{
    const ReportInput input = reportInputOf(view);
    ReportPagination& pagination = view.pagination();
    pagination.prepare(input.cells, input.variant);
    QPrintDialog dialog(&printer(), dialogParent_);
    // The page choice offers the report's pages, all of them to begin with.
    dialog.setMinMax(1, pagination.pageCount());
    dialog.setFromTo(1, pagination.pageCount());
    if (dialog.exec() == QDialog::Accepted)
        printOn(view, input);
    printer().setPageRanges({}); // a choice of pages holds for that printout only
}

void PrintCommands::printDirect(ChannelView& view)
{
    printOn(view, reportInputOf(view));
}

void PrintCommands::preview(ChannelView& view)
{
    QPrintPreviewDialog dialog(&printer(), dialogParent_);
    const ReportInput input = reportInputOf(view);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&view, &input](QPrinter* printer) { printReport(*printer, input, view.pagination()); });
    dialog.resize(900, 700);
    dialog.exec();
}

void PrintCommands::setup()
{
    QPageSetupDialog dialog(&printer(), dialogParent_);
    dialog.exec();
}
