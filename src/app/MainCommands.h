#pragma once

#include <QKeySequence>
#include <QList>

class DocumentWindow;
class MainWindow;

// One command of the main window, a row of its command table (MainWindow::commands()):
// everything its menu item, toolbar button and keys are made from, when it is enabled
// and what it does.
struct MainCommand {
    enum Flag : unsigned {
        Checkable = 1u << 0,
        NeedsDocument = 1u << 1,         // enabled only while a document is open
        RefusedDuringTransfer = 1u << 2, // disabled, and refused, while a transfer runs
    };
    using OnWindow = void (*)(MainWindow&);
    using OnDocument = void (*)(MainWindow&, DocumentWindow&);
    // What the command does: on the main window, or on the active document window (and
    // nothing without one).
    struct Handler {
        OnWindow onWindow;
        OnDocument onDocument;
    };

    int id;             // also the help context number
    const char* text;   // the menu text with its access key, translated in the MainWindow context
    const char* prompt; // "status-bar text\ntool tip", a string-table text; nullptr for none
    QList<QKeySequence> keys;
    unsigned flags;
    Handler handler;
    bool (*available)(const MainWindow&) = nullptr; // a further condition of being enabled
    bool (*checked)(const MainWindow&) = nullptr;   // the check mark of a setting of the active document

    bool has(Flag flag) const { return (flags & flag) != 0; }
    bool isEnabled(const MainWindow& window, bool documentOpen, bool transferRunning) const
    {
        return (documentOpen || !has(NeedsDocument)) && (!transferRunning || !has(RefusedDuringTransfer)) &&
               (!available || available(window));
    }
    void run(MainWindow& window, DocumentWindow* active) const
    {
        if (handler.onWindow)
            handler.onWindow(window);
        else if (active)
            handler.onDocument(window, *active);
    }
};

inline MainCommand::Handler onWindow(MainCommand::OnWindow run)
{
    return {run, nullptr};
}

inline MainCommand::Handler onDocument(MainCommand::OnDocument run)
{
    return {nullptr, run};
}
