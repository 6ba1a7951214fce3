// The CSV reader fed any bytes: it reads them or says where and what is
// wrong, never crashes; each pedon it reads it writes back so that reading
// the written file gives the same pedon, and writing that again the same bytes.
#include "fuzzsupport.h"

#include "model/horizoncsv.h"

#include <QByteArray>

using namespace yuc::study;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ProfileError error;
    const std::optional<QList<Pedon>> pedons = parseHorizonCsv(bytes, &error);
    if (!pedons) {
        fuzz::check(!error.where.isEmpty() && !error.what.isEmpty(), "a refused file says where and what");
        return 0;
    }
    fuzz::check(!pedons->isEmpty(), "a file read holds a pedon");
    for (const Pedon &pedon : *pedons) {
        fuzz::check(!pedon.profile.horizons.isEmpty(), "a pedon has horizons");
        const QByteArray written = writeHorizonCsv(pedon.profile);
        const std::optional<QList<Pedon>> again = parseHorizonCsv(written, &error);
        fuzz::check(again.has_value() && again->size() == 1, "a pedon written reads again as one");
        const Profile &read = again->first().profile;
        fuzz::check(read.title == pedon.profile.title && read.site == pedon.profile.site
                        && read.horizons.size() == pedon.profile.horizons.size(),
                    "the written pedon is the one read");
        for (qsizetype i = 0; i < read.horizons.size(); ++i)
            fuzz::check(read.horizons.at(i).designation == pedon.profile.horizons.at(i).designation
                            && read.horizons.at(i).texts == pedon.profile.horizons.at(i).texts
                            && read.horizons.at(i).extra == pedon.profile.horizons.at(i).extra,
                        "each horizon written is the one read");
        fuzz::check(writeHorizonCsv(read) == written, "writing is stable");
    }
    return 0;
}
