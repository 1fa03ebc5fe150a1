#pragma once

#include <QString>

// The folder of the radio history: "history" in the program's per-user data folder (its
// QStandardPaths::AppDataLocation, ~/.local/share/xr970/xr970 on Linux). xr970-cli runs
// under a name of its own and still uses the program's folder, so both keep one history.
QString radioHistoryFolder();

// The folder of the bench's logs, beside the radio history's ("fleet" in the same folder).
QString fleetLogFolder(const QString& historyFolder);
