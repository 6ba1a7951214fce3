#pragma once

#include "model/horizoncsv.h"

namespace yuc::study {

// Reads a profile and checks its answer, if any, against the key: a taxon the
// key reaches, with a reason for every step of its way and for no other.
std::optional<Profile> readProfile(const QByteArray &bytes, ProfileError *error = nullptr);

// Reads a profile file the user chose; the error's place names the file.
std::optional<Profile> readProfileFile(const QString &path, ProfileError *error = nullptr);

// Whether a file is read and written as CSV rather than as a profile file:
// its name ends in .csv or .tsv.
bool isCsvPath(const QString &path);

// The pedons of a file the user names: a profile file's one, or each of a
// CSV file's (a name ending in .csv or .tsv, or any but .json whose content
// is not a JSON object); a pedon with no title is named after its file. The error's
// place names the row and column, or the field.
std::optional<QList<Pedon>> readPedonFile(const QString &path, ProfileError *error = nullptr);

// The program's practice profiles, read once, in the order of their titles' numbers.
const QList<Profile> &builtInProfiles();

} // namespace yuc::study
