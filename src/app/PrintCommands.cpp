#include "app/PrintCommands.h"

#include "config/AppGlobals.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "config/IniFile.h"
#include "uikit/MessageBox.h"
#include "print/Report.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

ReportInput reportInputOf(ChannelView& view)
{
    view.leaveCommit(); // a value still in an open editor is printed, not lost
    return {view.cellTexts(), view.document()->image(), g_bChinese,
            theIniFile().value(g_strLanguage, QStringLiteral("Copyrights Owner"), QString())};
}

} // namespace

PrintCommands::PrintCommands(QWidget* dialogParent)
    : QObject(dialogParent), dialogParent_(dialogParent), printer_(std::make_unique<QPrinter>())
{
}

PrintCommands::~PrintCommands() = default;

bool PrintCommands::printOn(ChannelView& view)
{
    const bool printed = printReport(*printer_, reportInputOf(view), view.pagination());
    if (!printed)
        appMessageBox(tr("The report could not be printed. Check that a printer is set up and switched on."),
                      QMessageBox::Ok, QMessageBox::Warning);
    return printed;
}

void PrintCommands::print(ChannelView& view)
{
    QPrintDialog dialog(printer_.get(), dialogParent_);
    if (dialog.exec() == QDialog::Accepted)
        printOn(view);
}

void PrintCommands::printDirect(ChannelView& view)
{
    printOn(view);
}

void PrintCommands::preview(ChannelView& view)
{
    QPrintPreviewDialog dialog(printer_.get(), dialogParent_);
    const ReportInput input = reportInputOf(view);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&view, &input](QPrinter* printer) { printReport(*printer, input, view.pagination()); });
    dialog.resize(900, 700);
    dialog.exec();
}

void PrintCommands::setup()
{
    QPageSetupDialog dialog(printer_.get(), dialogParent_);
    dialog.exec();
}
