// The class finder fed from three typed texts (sand|silt|clay), against its
// rules written as ranges: the last rule that holds names the class.
#include "fuzzsupport.h"

#include "calc/calctexts.h"
#include "calc/calculations.h"

#include <iterator>
#include <limits>

using namespace yuc::calc;

namespace {

constexpr double any = std::numeric_limits<double>::infinity();

struct Range {
    double low = -any;
    double high = any;
    bool holds(double value) const { return value >= low && value <= high; }
};

// Sand, silt and clay ranges of each class, in the order of texts::textureClasses.
constexpr Range classes[][3] = {
    {{70, any}, {}, {}},       {{}, {}, {60, any}},         {{}, {}, {35, 60}},         {{-any, 70}, {}, {-any, 18}},
    {{15, any}, {}, {18, 35}}, {{-any, 15}, {82, any}, {}}, {{-any, 15}, {67, 82}, {}},
};
static_assert(std::size(classes) == std::size(texts::textureClasses));

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto texts = fuzz::entries(data, size, 3);
    const double values[3] = {readNumber(texts[0]), readNumber(texts[1]), readNumber(texts[2])};
    const TextureResult result = textureClass(values[0], values[1], values[2]);
    if (values[0] == 0 && values[1] == 0 && values[2] == 0) {
        fuzz::check(result.outcome == TextureOutcome::NoData, "no data is reported");
        return 0;
    }
    if ((values[0] + values[1]) + values[2] != 100) {
        fuzz::check(result.outcome == TextureOutcome::BadTotal, "a total other than 100 is refused");
        return 0;
    }
    int last = -1;
    for (int i = 0; i < int(std::size(classes)); ++i)
        if (classes[i][0].holds(values[0]) && classes[i][1].holds(values[1]) && classes[i][2].holds(values[2]))
            last = i;
    if (last < 0)
        fuzz::check(result.outcome == TextureOutcome::Unclassified, "no rule, no class");
    else
        fuzz::check(result.outcome == TextureOutcome::Classified && result.className == texts::textureClasses[last],
                    "the last rule that holds names the class");
    return 0;
}
