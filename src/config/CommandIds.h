#pragma once

// Command identifiers; they are also the help context numbers of the commands.
namespace CommandId {
constexpr int Read = 32773;
constexpr int Write = 32774;
constexpr int ComSetup = 32777;
constexpr int ViewControlBar = 32780;
constexpr int ProductInformation = 32786;
constexpr int ChannelInformation = 32787;
constexpr int OptionalFeatures = 32788;
constexpr int ChooseLanguage = 32799;
constexpr int ImportChannels = 32800;
constexpr int ExportChannels = 32801;
constexpr int CompareWithRadio = 32802;
constexpr int ShowRadioHistory = 32803;
constexpr int VerifyAfterWrite = 32804;
// The marks of differences in the grid, and two files side by side.
constexpr int ShowDifferences = 32820;
constexpr int ChangesSinceSaved = 32821;
constexpr int CompareWithFile = 32822;
constexpr int ProgramSeveralRadios = 32830; // the bench
// The channel operations of the Edit menu and the grid's context menu.
constexpr int FillDown = 32810;
constexpr int MoveChannelsUp = 32811;
constexpr int MoveChannelsDown = 32812;
constexpr int InsertChannel = 32813;
constexpr int DeleteChannels = 32814;
constexpr int SortChannels = 32815;

constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int PrintSetup = 57606;
constexpr int Print = 57607;
constexpr int PrintDirect = 57608;
constexpr int PrintPreview = 57609;
constexpr int RecentFileFirst = 57616; // the recent files, most recent first
constexpr int RecentFileCount = 8;
constexpr int EditCopy = 57634;
constexpr int EditCut = 57635;
constexpr int EditPaste = 57637;
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;
constexpr int About = 57664;
constexpr int Exit = 57665;
constexpr int Help = 57670;
constexpr int NextPane = 57680;
constexpr int PreviousPane = 57681;
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;
constexpr int NextWindow = 61504; // the system's next and previous window
constexpr int PreviousWindow = 61520;
constexpr int WindowDocument = 65280; // every document entry of the Window menu

constexpr bool isRecentFile(int id)
{
    return id >= RecentFileFirst && id < RecentFileFirst + RecentFileCount;
}
} // namespace CommandId

// String-table messages.
namespace MessageId {
constexpr int OutOfRange = 61448;
constexpr int CommunicationError = 61451;
constexpr int AllDataCleared = 61452;
constexpr int CannotOpenPort = 61453;
constexpr int ProgramInterrupt = 61454;
constexpr int StepValue = 61456;
constexpr int Caution = 61458;
} // namespace MessageId
