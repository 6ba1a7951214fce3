#pragma once

#include "model/profileformat.h"

namespace yuc::study {

// Reads a profile and checks its answer, if any, against the key: a taxon the
// key reaches, with a reason for every step of its way and for no other.
std::optional<Profile> readProfile(const QByteArray &bytes, ProfileError *error = nullptr);

// Reads a profile file the user chose; the error's place names the file.
std::optional<Profile> readProfileFile(const QString &path, ProfileError *error = nullptr);

// The program's practice profiles, read once, in the order of their titles' numbers.
const QList<Profile> &builtInProfiles();

} // namespace yuc::study
