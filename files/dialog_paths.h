#pragma once
// How the two file dialogs build a full file name from the open directory and a name.

#include <QString>

namespace smssim {

// Open dialog: no separator after a directory that already ends in "/" (the root).
QString openDialogPath(const QString& directory, const QString& name);

// Save dialog: joined with "/" whatever the directory, so the root gives "//name",
// which the file system reads as "/name"; the name is used unchanged. `extension` is
// appended unless the last four characters are exactly it (letter case included), so
// an extension of another length is always appended.
QString saveDialogName(const QString& directory, const QString& name, const QString& extension);

} // namespace smssim
