#include "app/CsvCommands.h"

#include "config/AppGlobals.h"
#include "document/ChannelDocument.h"
#include "editor/ChannelView.h"
#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "dialogs/CsvImportDialog.h"
#include "uikit/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString fileFilter()
{
    return CsvCommands::tr("Channel lists (*.csv);;All files (*)");
}

void reportFileError(const QString& what, const QString& path, const QString& reason)
{
    appMessageBox(what.arg(QDir::toNativeSeparators(path)) + QLatin1Char('\n') + reason, QMessageBox::Ok,
                  QMessageBox::Warning);
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

CsvCommands::CsvCommands(QWidget* dialogParent) : QObject(dialogParent), dialogParent_(dialogParent) {}

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
    if (g_radioVariant == RadioVariant::Other) {
        appMessageBox(tr("The channels of this radio type cannot be edited."), QMessageBox::Ok,
                      QMessageBox::Warning);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportFileError(tr("Could not open the file %1."), path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.read(MaxCsvFileSize + 1); // one byte more tells a file too large
    view.commitGridToImage();
    ChannelDocument& document = *view.document();
    const CsvImportResult result = importChannelsCsv(bytes, document.image(), g_radioVariant, view.band());
    if (result.problem != CsvFileProblem::None) {
        appMessageBox(csvFileProblemText(result, g_bChinese), QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    CsvImportDialog report(result.report, QDir::toNativeSeparators(path), dialogParent_);
    if (report.exec() != QDialog::Accepted || result.image == document.image())
        return false;
    document.image() = result.image;
    document.setModified(true);
    view.loadFromImage();
    return true;
}

bool CsvCommands::exportFile(ChannelView& view, const QString& path)
{
    view.commitGridToImage();
    const QByteArray csv = exportChannelsCsv(view.document()->image(), g_radioVariant);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.commit())
        return true;
    reportFileError(tr("Could not save the file %1."), path, file.errorString());
    return false;
}
