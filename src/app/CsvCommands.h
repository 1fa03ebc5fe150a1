#pragma once

#include <QObject>

class AppContext;
class ChannelView;
class QWidget;

// File > Import Channels... and Export Channels...: the channels of the active document
// as a CSV channel list. Both commit an open cell editor and store the grid into the
// image first, so what the grid shows is what they work on. An export names what the
// list could not hold.
class CsvCommands : public QObject {
    Q_OBJECT
public:
    CsvCommands(AppContext& context, QWidget* dialogParent);

    void importChannels(ChannelView& view); // asks for the file
    void exportChannels(ChannelView& view);

    // Reads the list, shows the report and, on Accept, refills the grid from the new
    // image. False when nothing changed.
    bool importFile(ChannelView& view, const QString& path);
    bool exportFile(ChannelView& view, const QString& path);

private:
    AppContext& context_;
    QWidget* dialogParent_;
};
