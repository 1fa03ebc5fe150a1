#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class AppContext;
class QAction;

// File > the recent files: the last channel-data files opened or saved, most recent
// first, kept in the program's settings. Each has its action (command ids from
// RecentFileFirst), hidden while its place is empty.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    RecentFiles(const AppContext& context, QObject* parent);

    static QList<int> commandIds();
    const QList<QAction*>& actions() const { return actions_; }
    QStringList files() const { return files_; }
    // The file of a command id, or empty.
    QString file(int commandId) const;

    // Moves the file to the front (an absolute path), dropping the oldest past the last place.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store() const;
    void updateActions();

    const AppContext& context_;
    QStringList files_;
    QList<QAction*> actions_;
};
