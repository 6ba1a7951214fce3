// Shared by the fuzz targets: splitting the input into entry texts, and
// stopping with a message when a check fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace fuzz {

// The input as the texts typed into `count` entry boxes, separated by '|'.
inline std::vector<std::string_view> entries(const uint8_t *data, size_t size, size_t count)
{
    std::vector<std::string_view> texts;
    std::string_view rest(reinterpret_cast<const char *>(data), size);
    while (texts.size() + 1 < count) {
        const size_t bar = rest.find('|');
        if (bar == std::string_view::npos)
            break;
        texts.push_back(rest.substr(0, bar));
        rest.remove_prefix(bar + 1);
    }
    texts.push_back(rest);
    texts.resize(count);
    return texts;
}

inline void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

} // namespace fuzz
