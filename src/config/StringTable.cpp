#include "config/StringTable.h"

#include "config/CommandIds.h"

#include <QCoreApplication>
#include <QHash>

namespace {

const char* const Context = "StringTable";

struct Entry {
    int id;
    const char* text;
};

// QT_TRANSLATE_NOOP marks the texts for the translation files.
const Entry Strings[] = {
    {MessageId::OutOfRange, QT_TRANSLATE_NOOP("StringTable", "Out of range,please input again.")},
    {MessageId::CommunicationError,
     QT_TRANSLATE_NOOP("StringTable",
                       "Communication Error,Please check all the connections and the radio power")},
    {MessageId::AllDataCleared, QT_TRANSLATE_NOOP("StringTable", "All data will be Cleared!")},
    {MessageId::CannotOpenPort,
     QT_TRANSLATE_NOOP("StringTable", "Could not Open the Port,Please check whether the Port are "
                                      "occupied or the device are ok")},
    {MessageId::ProgramInterrupt,
     QT_TRANSLATE_NOOP("StringTable", "Program Interrupt, Please reset the radio and try again")},
    {MessageId::StepValue,
     QT_TRANSLATE_NOOP("StringTable", "Error data Value, please input according the step value(6.25K/5k).")},
    {MessageId::Caution, QT_TRANSLATE_NOOP("StringTable", "Caution")},

    {CommandId::Read, QT_TRANSLATE_NOOP("StringTable", "Read Data From Radio\nRead")},
    {CommandId::Write, QT_TRANSLATE_NOOP("StringTable", "Write Data To Radio\nWrite")},
    {CommandId::ComSetup,
     QT_TRANSLATE_NOOP("StringTable", "Choose the serial port of the programming cable\nCom Setup")},
    {CommandId::ViewControlBar,
     QT_TRANSLATE_NOOP("StringTable", "Show or hide the navigation bar\nControl Bar")},
    {CommandId::ProductInformation,
     QT_TRANSLATE_NOOP("StringTable", "Choose the radio type and frequency band\nProduct Information")},
    {CommandId::ChannelInformation,
     QT_TRANSLATE_NOOP("StringTable", "Show the channel window\nChannel Information")},
    {CommandId::OptionalFeatures,
     QT_TRANSLATE_NOOP("StringTable", "Edit the radio-wide optional features\nOptional Features")},
    {CommandId::ChooseLanguage,
     QT_TRANSLATE_NOOP("StringTable", "Change the language of the program\nLanguage")},
    {CommandId::ImportChannels,
     QT_TRANSLATE_NOOP("StringTable", "Take channels from a CSV channel list\nImport Channels")},
    {CommandId::ExportChannels,
     QT_TRANSLATE_NOOP("StringTable", "Write the channels in use to a CSV channel list\nExport Channels")},
    {CommandId::CompareWithRadio,
     QT_TRANSLATE_NOOP("StringTable",
                       "Read the radio and show what differs from the channel data\nCompare with Radio")},
    {CommandId::ShowRadioHistory,
     QT_TRANSLATE_NOOP("StringTable", "Open a copy of an earlier read from the radio\nRadio History")},
    {CommandId::VerifyAfterWrite,
     QT_TRANSLATE_NOOP("StringTable",
                       "Read the radio back after each write and compare\nVerify after Write")},
    {CommandId::FileNew, QT_TRANSLATE_NOOP("StringTable", "Create new channel data\nNew")},
    {CommandId::FileOpen, QT_TRANSLATE_NOOP("StringTable", "Open a channel-data file\nOpen")},
    {CommandId::FileClose, QT_TRANSLATE_NOOP("StringTable", "Hide the channel window\nClose")},
    {CommandId::FileSave, QT_TRANSLATE_NOOP("StringTable", "Save the channel data\nSave")},
    {CommandId::FileSaveAs,
     QT_TRANSLATE_NOOP("StringTable", "Save the channel data under a new name\nSave As")},
    {CommandId::PrintSetup,
     QT_TRANSLATE_NOOP("StringTable", "Change the printer and printing options\nPrint Setup")},
    {CommandId::Print, QT_TRANSLATE_NOOP("StringTable", "Print the options and channels\nPrint")},
    {CommandId::PrintDirect, QT_TRANSLATE_NOOP("StringTable", "Print on the default printer\nPrint Direct")},
    {CommandId::PrintPreview,
     QT_TRANSLATE_NOOP("StringTable", "Show the printed pages on screen\nPrint Preview")},
    {CommandId::About, QT_TRANSLATE_NOOP("StringTable", "Show the program version and copyright\nAbout")},
    {CommandId::Exit, QT_TRANSLATE_NOOP("StringTable", "Quit the program\nExit")},
    {CommandId::Help, QT_TRANSLATE_NOOP("StringTable", "List the help topics\nHelp Topics")},
    {CommandId::ViewToolbar, QT_TRANSLATE_NOOP("StringTable", "Show or hide the toolbar\nToolbar")},
    {CommandId::ViewStatusBar, QT_TRANSLATE_NOOP("StringTable", "Show or hide the status bar\nStatus Bar")},
    {CommandId::EditUndo, QT_TRANSLATE_NOOP("StringTable", "Undo the last change\nUndo")},
    {CommandId::EditRedo, QT_TRANSLATE_NOOP("StringTable", "Redo the change undone last\nRedo")},
    {CommandId::EditCut,
     QT_TRANSLATE_NOOP("StringTable", "Copy the selected cells and delete their channels\nCut")},
    {CommandId::EditCopy, QT_TRANSLATE_NOOP("StringTable", "Copy the selected cells to the clipboard\nCopy")},
    {CommandId::EditPaste,
     QT_TRANSLATE_NOOP("StringTable", "Fill the cells from the current one with the clipboard\nPaste")},
    {CommandId::NextWindow,
     QT_TRANSLATE_NOOP("StringTable", "Show the window of the next document\nNext Window")},
    {CommandId::PreviousWindow,
     QT_TRANSLATE_NOOP("StringTable", "Show the window of the previous document\nPrevious Window")},
    {CommandId::WindowDocument, QT_TRANSLATE_NOOP("StringTable", "Show the window of this document\nWindow")},
    // One prompt serves every entry of the recent-file list.
    {CommandId::RecentFileFirst, QT_TRANSLATE_NOOP("StringTable", "Open this document\nRecent File")},
};

const char* sourceText(int id)
{
    static const QHash<int, const char*> byId = [] {
        QHash<int, const char*> map;
        for (const Entry& entry : Strings)
            map.insert(entry.id, entry.text);
        return map;
    }();
    return byId.value(id, nullptr);
}

} // namespace

QString stringTableText(int id)
{
    const char* text = sourceText(id);
    return text ? QCoreApplication::translate(Context, text) : QString();
}

QString commandPrompt(int commandId)
{
    return stringTableText(CommandId::isRecentFile(commandId) ? CommandId::RecentFileFirst : commandId);
}

QString promptStatusText(int commandId)
{
    return commandPrompt(commandId).section(QLatin1Char('\n'), 0, 0);
}

QString promptToolTip(int commandId)
{
    return commandPrompt(commandId).section(QLatin1Char('\n'), 1, 1);
}

QString radioTypeMismatchText(Language language)
{
    return byLanguage(language, "Becuase the type of radio does not match,\ncommunications is interrupt.",
                      "对讲机类型不匹配,无法通讯。");
}

QString radioTypeMismatchCaption(Language language)
{
    return byLanguage(language, "Caution", "警告");
}
