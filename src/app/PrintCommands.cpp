#include "app/PrintCommands.h"

#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "print/Report.h"
#include "print/ReportPdf.h"
#include "session/AppContext.h"
#include "uikit/MessageBox.h"
#include "uikit/UiHooks.h"

#include <QPageSetupDialog>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// Print to file, and not the drawing of a preview page (that paints on a picture).
bool printsToFile(QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
           printer.paintEngine()->type() == QPaintEngine::Pdf;
}

} // namespace

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
    if (printsToFile(printer()))
        return printToFile(printer(), input, view.pagination());
    const bool printed = printReport(printer(), input, view.pagination());
    if (!printed)
        reportNotPrinted();
    return printed;
}

void PrintCommands::reportNotPrinted() const
{
    appMessageBox(context_.uiHooks(), context_.company(),
                  tr("The report could not be printed. Check that a printer is set up and switched on."),
                  QMessageBox::Ok, QMessageBox::Warning);
}

// Print to file: the PDF goes through the program's file writer, like every file it
// writes, and the printer never opens the file itself.
bool PrintCommands::printToFile(const QPrinter& printer, const ReportInput& input,
                                ReportPagination& pagination)
{
    const QString path = printer.outputFileName();
    const std::optional<QByteArray> pdf =
        reportPdf(input, printer.pageLayout(), printer.docName(), pagination, printer.pageRanges());
    if (!pdf) {
        reportNotPrinted();
        return false;
    }
    const WriteResult written = context_.fileWriter().write(path, *pdf);
    if (!written.ok)
        fileErrorBox(context_.uiHooks(), context_.company(), tr("Could not save the file %1."), path,
                     written.errorText);
    return written.ok;
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
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, &view, &input](QPrinter* printer) {
        if (printsToFile(*printer))
            printToFile(*printer, input, view.pagination());
        else
            printReport(*printer, input, view.pagination());
    });
    dialog.resize(900, 700);
    dialog.exec();
}

void PrintCommands::setup()
{
    QPageSetupDialog dialog(&printer(), dialogParent_);
    dialog.exec();
}
