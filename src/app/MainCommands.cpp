#include "app/MainCommands.h"

#include "config/CommandIds.h"

#include <QCoreApplication>

const std::vector<MainCommand>& mainCommands()
{
    // Menu texts with their access keys; the accelerators are shown by Qt itself.
    static const std::vector<MainCommand> commands = {
        {CommandId::FileNew, QT_TRANSLATE_NOOP("MainWindow", "&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
         false},
        {CommandId::FileOpen, QT_TRANSLATE_NOOP("MainWindow", "&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O),
         false},
        {CommandId::FileClose, QT_TRANSLATE_NOOP("MainWindow", "&Close"), {}, false},
        {CommandId::FileSave, QT_TRANSLATE_NOOP("MainWindow", "&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
         false},
        {CommandId::FileSaveAs, QT_TRANSLATE_NOOP("MainWindow", "Save &As..."), {}, false},
        {CommandId::ShowRadioHistory, QT_TRANSLATE_NOOP("MainWindow", "Radio &History..."), {}, false},
        {CommandId::ImportChannels, QT_TRANSLATE_NOOP("MainWindow", "&Import Channels..."), {}, false},
        {CommandId::ExportChannels, QT_TRANSLATE_NOOP("MainWindow", "&Export Channels..."), {}, false},
        {CommandId::Print, QT_TRANSLATE_NOOP("MainWindow", "&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P),
         false},
        {CommandId::PrintPreview, QT_TRANSLATE_NOOP("MainWindow", "Print Pre&view"), {}, false},
        {CommandId::PrintDirect, QT_TRANSLATE_NOOP("MainWindow", "Print &Direct"), {}, false},
        {CommandId::PrintSetup, QT_TRANSLATE_NOOP("MainWindow", "P&rint Setup..."), {}, false},
        {CommandId::Exit, QT_TRANSLATE_NOOP("MainWindow", "E&xit"), {}, false},
        // The Edit commands take the platform's standard keys (EditCommands).
        {CommandId::EditUndo, QT_TRANSLATE_NOOP("MainWindow", "&Undo"), {}, false},
        {CommandId::EditRedo, QT_TRANSLATE_NOOP("MainWindow", "&Redo"), {}, false},
        {CommandId::EditCut, QT_TRANSLATE_NOOP("MainWindow", "Cu&t"), {}, false},
        {CommandId::EditCopy, QT_TRANSLATE_NOOP("MainWindow", "Cop&y"), {}, false},
        {CommandId::EditPaste, QT_TRANSLATE_NOOP("MainWindow", "P&aste"), {}, false},
        {CommandId::ProductInformation, QT_TRANSLATE_NOOP("MainWindow", "&Product Information"), {}, false},
        {CommandId::ChannelInformation, QT_TRANSLATE_NOOP("MainWindow", "&Channel Information"), {}, false},
        {CommandId::OptionalFeatures, QT_TRANSLATE_NOOP("MainWindow", "&Optional Features"), {}, false},
        {CommandId::Read, QT_TRANSLATE_NOOP("MainWindow", "&Read"), QKeySequence(Qt::CTRL | Qt::Key_R),
         false},
        {CommandId::Write, QT_TRANSLATE_NOOP("MainWindow", "&Write"), QKeySequence(Qt::CTRL | Qt::Key_W),
         false},
        {CommandId::CompareWithRadio, QT_TRANSLATE_NOOP("MainWindow", "&Compare with Radio"), {}, false},
        {CommandId::VerifyAfterWrite, QT_TRANSLATE_NOOP("MainWindow", "&Verify after Write"), {}, true},
        {CommandId::ViewToolbar, QT_TRANSLATE_NOOP("MainWindow", "&Toolbar"), {}, true},
        {CommandId::ViewStatusBar, QT_TRANSLATE_NOOP("MainWindow", "&Status Bar"), {}, true},
        {CommandId::ViewControlBar, QT_TRANSLATE_NOOP("MainWindow", "&Control Bar"), {}, true},
        {CommandId::ComSetup, QT_TRANSLATE_NOOP("MainWindow", "&Com Setup"), {}, false},
        {CommandId::ChooseLanguage, QT_TRANSLATE_NOOP("MainWindow", "&Language"), {}, false},
        {CommandId::About, QT_TRANSLATE_NOOP("MainWindow", "&About XR_970..."), {}, false},
        {CommandId::Help, QT_TRANSLATE_NOOP("MainWindow", "&Help Topics"), QKeySequence(Qt::Key_F1), false},
        {CommandId::NextWindow, QT_TRANSLATE_NOOP("MainWindow", "&Next Window"),
         QKeySequence(Qt::CTRL | Qt::Key_F6), false},
        {CommandId::PreviousWindow, QT_TRANSLATE_NOOP("MainWindow", "&Previous Window"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), false},
        {CommandId::NextPane, "", QKeySequence(Qt::Key_F6), false},
        {CommandId::PreviousPane, "", QKeySequence(Qt::SHIFT | Qt::Key_F6), false},
    };
    return commands;
}

const QList<int>& refusedWhileTransferring()
{
    static const QList<int> refused = {CommandId::FileNew,
                                       CommandId::FileOpen,
                                       CommandId::FileClose,
                                       CommandId::FileSave,
                                       CommandId::FileSaveAs,
                                       CommandId::Print,
                                       CommandId::PrintDirect,
                                       CommandId::PrintPreview,
                                       CommandId::PrintSetup,
                                       CommandId::Exit,
                                       CommandId::ProductInformation,
                                       CommandId::OptionalFeatures,
                                       CommandId::Read,
                                       CommandId::Write,
                                       CommandId::CompareWithRadio,
                                       CommandId::ShowRadioHistory,
                                       CommandId::ComSetup,
                                       CommandId::ChooseLanguage,
                                       CommandId::ImportChannels,
                                       CommandId::ExportChannels,
                                       CommandId::NextWindow,
                                       CommandId::PreviousWindow};
    return refused;
}
