// The profile reader fed any bytes: it reads them or says where and what is
// wrong, never crashes; what it reads it writes back so that reading the
// written file gives the same profile, and writing that again the same bytes.
#include "fuzzsupport.h"

#include "model/profileformat.h"

#include <QByteArray>

using namespace yuc::study;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ProfileError error;
    const std::optional<Profile> profile = parseProfile(bytes, &error);
    if (!profile) {
        fuzz::check(!error.where.isEmpty() && !error.what.isEmpty(), "a refused file says where and what");
        return 0;
    }
    const QByteArray written = writeProfile(*profile);
    const std::optional<Profile> again = parseProfile(written, &error);
    fuzz::check(again.has_value(), "what was read and written reads again");
    fuzz::check(again->title == profile->title && again->horizons.size() == profile->horizons.size()
                    && again->site == profile->site,
                "the written profile is the one read");
    fuzz::check(writeProfile(*again) == written, "writing is stable");
    return 0;
}
