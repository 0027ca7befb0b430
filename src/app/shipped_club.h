// The club files the program ships with. An installation or a build tree keeps them in a
// share folder; a copy of the program moved anywhere else still carries them inside itself,
// so its first start never depends on what lies beside it.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "storage/program_folder.h"

namespace ostrel {

// The folders a program in exe_folder looks for shipped club files in, the first first.
QStringList ShippedClubFolders(const QString& exe_folder);

// A shipped club file from the first of the folders that has it, else the copy compiled into
// the program. A file that is there but cannot be read is an error, not a reason to go on.
ShippedClubFile ShippedClubFiles(const QStringList& folders);

// The start's first step: the program folder, with the club files installed on the first
// start. Nullopt with the reason (in the current language) when the program cannot run.
std::optional<ProgramFolders> PrepareProgramFiles(const QString& exe_folder,
                                                  const QStringList& shipped_folders,
                                                  const Environment& env, QString* error);

}  // namespace ostrel
