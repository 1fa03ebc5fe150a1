#pragma once

#include <QString>

// Where Program.ini is read from, and where a change to it is stored.
struct ProgramIniLocation {
    QString readFrom;
    QString storeAt; // readFrom, or the per-user copy when it could not be made
};

// Program.ini beside the executable when it exists there, or when it can be created there
// and no installed default exists (a bare program folder); otherwise a per-user copy in the
// user's configuration folder, first copied from the one beside the executable or from the
// installed default. The copy is made only from what could be read: when the source
// cannot be read, or the configuration folder takes no file, the program reads the source
// (and says why it cannot) and a change goes to the per-user copy, made then or reported.
// An empty per-user copy (all a start with nothing to copy could leave) is made again.
ProgramIniLocation locateProgramIni(const QString& exeDir, const QString& installedDefault);

// The folder of the installed data (language modules, the default Program.ini): the
// folder at relativeToExe (such as "../share/xr970") from the program's folder when it
// exists, so an installation moved to another prefix finds its own files; otherwise the
// folder configured at build time.
QString installedDataDir(const QString& exeDir, const QString& relativeToExe, const QString& configured);
// The same for this build's installation layout.
QString installedDataDir(const QString& exeDir);

// The per-user copy of Program.ini for an installed program.
QString perUserProgramIni();

// For tools that only read the configuration: the Program.ini the program would use
// (beside the executable, the per-user copy, or the installed default), or empty when
// there is none. Nothing is created.
QString existingProgramIni(const QString& exeDir);
