#pragma once

#include <utility>
#include <vector>

namespace glyphora {

// Region fill by spans over a grid of cols x rows cells: each seed grows to the widest run of
// its row, and the rows above and below the run are looked at cell by cell, so every cell of
// the area and every neighbour of it is visited, nothing beyond. open(x, y) tells whether a
// cell belongs to the area and is not taken yet; take(left, right, row) takes a run, after
// which its cells are no longer open. The work list replaces recursion, since the area may be
// the whole canvas; it holds one seed per run found, not one per cell. Returns the number of
// cells taken.
template <typename Open, typename Take>
long long spanFill(int cols, int rows, int x, int y, Open open, Take take) {
    long long taken = 0;
    std::vector<std::pair<int, int>> seeds{{x, y}};
    while (!seeds.empty()) {
        const auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (!open(sx, sy))
            continue; // taken meanwhile from another seed
        int left = sx;
        int right = sx;
        while (left > 0 && open(left - 1, sy))
            --left;
        while (right + 1 < cols && open(right + 1, sy))
            ++right;
        take(left, right, sy);
        taken += right - left + 1;
        for (const int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= rows)
                continue;
            bool inRun = false;
            for (int cx = left; cx <= right; ++cx) {
                const bool isOpen = open(cx, ny);
                if (isOpen && !inRun)
                    seeds.push_back({cx, ny});
                inRun = isOpen;
            }
        }
    }
    return taken;
}

} // namespace glyphora
