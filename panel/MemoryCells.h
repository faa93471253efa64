#pragma once

#include <cstdio>
#include <string>

namespace orvane {

// The twenty memory cells of a band, numbered 1..20, and how the panel walks and labels them.
inline constexpr int kMemoryCells = 20;

// The next cell up and down. Only the old number decides the wrap: 20 goes up to 1, 1 goes down
// to 20; anything else moves by one.
constexpr int cellAbove(int cell)
{
    return cell == kMemoryCells ? 1 : cell + 1;
}
constexpr int cellBelow(int cell)
{
    return cell == 1 ? kMemoryCells : cell - 1;
}

// "Mem 001" .. "Mem 020".
inline std::string cellLabel(int cell)
{
    char label[16];
    std::snprintf(label, sizeof label, "Mem %03d", cell);
    return label;
}

} // namespace orvane
