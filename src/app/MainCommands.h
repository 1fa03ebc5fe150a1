#pragma once

#include <QKeySequence>
#include <QList>
#include <vector>

// The commands of the main window: menu text (with its access key), accelerator and
// whether the command is a toggle. The texts are translated in the MainWindow context.
struct MainCommand {
    int id;
    const char* text;
    QKeySequence shortcut;
    bool checkable;
};

const std::vector<MainCommand>& mainCommands();

// While a transfer runs, nothing may take its view, document or progress window away,
// nor start a second one.
const QList<int>& refusedWhileTransferring();
