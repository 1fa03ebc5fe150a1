#include "app/CsvCommands.h"

#include "app/FileFilters.h"
#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "dialogs/CsvImportDialog.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "fileio/FileReader.h"
#include "model/DisplayText.h"
#include "session/AppContext.h"
#include "uikit/MessageBox.h"
#include "uikit/UiHooks.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

QString fileFilter()
{
    return fileDialogFilter(QStringLiteral("*.csv"));
}

// The document's file name with .csv for .dat, in the same folder.
QString proposedCsvPath(const ChannelDocument& document)
{
    QString path = document.pathName();
    if (path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive))
        path.chop(4);
    return path + QStringLiteral(".csv");
}

} // namespace

CsvCommands::CsvCommands(AppContext& context, QWidget* dialogParent)
    : QObject(dialogParent), context_(context), dialogParent_(dialogParent)
{
}

void CsvCommands::importChannels(ChannelView& view)
{
    const QString path =
        QFileDialog::getOpenFileName(dialogParent_, tr("Import Channels"), QString(), fileFilter());
    if (!path.isEmpty())
        importFile(view, path);
}

void CsvCommands::exportChannels(ChannelView& view)
{
    const QString path = QFileDialog::getSaveFileName(dialogParent_, tr("Export Channels"),
                                                      proposedCsvPath(*view.document()), fileFilter());
    if (!path.isEmpty())
        exportFile(view, path);
}

bool CsvCommands::importFile(ChannelView& view, const QString& path)
{
    const RadioVariant variant = context_.radioVariant();
    if (variant == RadioVariant::Other) {
        appMessageBox(context_.uiHooks(), context_.company(),
                      tr("The channels of this radio type cannot be edited."), QMessageBox::Ok,
                      QMessageBox::Warning);
        return false;
    }
    const ReadResult read = readRegularFile(path, MaxCsvFileSize + 1); // one byte more tells a file too large
    if (!read.ok) {
        fileErrorBox(context_.uiHooks(), context_.company(), tr("Could not open the file %1."), path,
                     read.errorText);
        return false;
    }
    view.leaveCommit();
    const ViewState before = view.state(); // what an undo of the import puts back
    ChannelDocument& document = *view.document();
    const CsvImportResult result = importChannelsCsv(read.bytes, document.image(), variant, view.band());
    if (result.problem != CsvFileProblem::None) {
        appMessageBox(context_.uiHooks(), context_.company(), csvFileProblemText(result, context_.language()),
                      QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    CsvImportDialog report(result.report, displayedPath(path), context_.language(), context_.uiHooks(),
                           dialogParent_);
    if (report.exec() != QDialog::Accepted || result.image == document.image())
        return false;
    document.image() = result.image;
    view.loadFromImage();
    view.recordChange(tr("Import Channels"), before);
    return true;
}

bool CsvCommands::exportFile(ChannelView& view, const QString& path)
{
    view.leaveCommit();
    const CsvExportResult exported = exportChannelsCsv(view.document()->image(), context_.radioVariant());
    const WriteResult written = context_.fileWriter().write(path, exported.text);
    if (!written.ok) {
        fileErrorBox(context_.uiHooks(), context_.company(), tr("Could not save the file %1."), path,
                     written.errorText);
        return false;
    }
    if (!exported.warnings.empty()) {
        QStringList lines{
            tr("The channel list %1 was written, but without what it cannot hold:").arg(displayedPath(path))};
        for (const CsvExportWarning& warning : exported.warnings)
            lines << exportWarningText(warning, context_.language());
        appMessageBox(context_.uiHooks(), context_.company(), lines.join(QLatin1Char('\n')), QMessageBox::Ok,
                      QMessageBox::Warning);
    }
    return true;
}
