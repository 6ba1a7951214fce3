#pragma once

#include <QVarLengthArray>

#include <utility>

namespace yuc {

// Remembers a wrapped text's height for the last few widths asked for:
// layouts ask the same widths many times while a long step is laid out, and
// every answer costs a full text layout.
class HeightCache
{
public:
    template <typename Compute>
    int height(int width, Compute compute) const
    {
        for (const auto &entry : m_entries)
            if (entry.first == width)
                return entry.second;
        const int h = compute(width);
        if (m_entries.size() == capacity)
            m_entries.remove(0);
        m_entries.append({width, h});
        return h;
    }
    void clear() { m_entries.clear(); }

private:
    static constexpr int capacity = 6;
    mutable QVarLengthArray<std::pair<int, int>, capacity> m_entries;
};

} // namespace yuc
