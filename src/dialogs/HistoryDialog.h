#pragma once

#include "document/RadioHistory.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QTreeWidget;
class UiHooks;

// File > Radio History: the copies of the images read from the radio, newest first, each
// with the time of the read, the radio's variant, how many channels were in use and the
// frequencies of the first of them. Open (Enter, or a double click) takes the chosen copy.
class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    enum Column { ReadAt, Radio, ChannelsInUse, FirstChannels, ColumnCount };

    HistoryDialog(const RadioHistory& history, const UiHooks& hooks, QWidget* parent = nullptr);

    // The entry chosen with Open, or null.
    const HistoryEntry* chosen() const;

    QTreeWidget* list() const { return list_; }
    QPushButton* openButton() const { return open_; }

private:
    QString headingText(const QString& folderError) const;
    void fillList();

    QList<HistoryEntry> entries_;
    QTreeWidget* list_;
    QPushButton* open_;
};
