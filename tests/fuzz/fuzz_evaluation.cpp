// Any profile the reader takes is keyed through the whole key without a
// crash, and every statement of every step gets a state with its reason.
#include "fuzzsupport.h"

#include "model/evaluation.h"
#include "model/profileformat.h"

#include <QByteArray>

using namespace yuc;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<study::Profile> profile = study::parseProfile(bytes);
    if (!profile)
        return 0;
    const eval::Soil soil(*profile);
    for (const KeyStep &step : KeyModel::instance().steps) {
        const eval::StepFindings found = eval::decideStep(soil, step);
        fuzz::check(found.statements.size() == step.options.size(), "every statement gets a state");
        for (const eval::Finding &f : found.statements)
            fuzz::check(f.state != eval::State::CannotTell || !f.missing.isEmpty() || !f.reason.isEmpty(),
                        "a statement that cannot be told says why");
    }
    const eval::KeyResult result = eval::keyFromData(soil);
    fuzz::check(result.decided() != result.taxon.isEmpty(), "a decided result names its taxon, a stopped one none");
    fuzz::check(!result.way.isEmpty(), "the way starts at the key to suborders");
    for (const eval::StepFindings &s : result.way)
        for (int i = 0; i < s.chosen; ++i)
            fuzz::check(s.statements.at(i).state == eval::State::DoesNotHold,
                        "every statement before the one taken does not hold");
    return 0;
}
