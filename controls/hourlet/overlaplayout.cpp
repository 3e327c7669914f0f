// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "overlaplayout.h"

#include <algorithm>
#include <numeric>

namespace OlvarControls {

namespace {

struct Item
{
    int index;
    int begin;
    int end;
};

bool overlaps(const Item &a, const Item &b)
{
    return a.begin < b.end && b.begin < a.end;
}

/* Places one cluster of items (sorted by beginning) into columns and widens each to the right. */
void placeCluster(const std::vector<Item> &cluster, QList<OverlapLayout::Placement> &placements)
{
    std::vector<int> columnEnds; // where the last item of each column ends
    std::vector<int> columnOf(cluster.size());
    for (std::size_t i = 0; i < cluster.size(); ++i) {
        const auto free =
            std::find_if(columnEnds.begin(), columnEnds.end(), [&](int end) { return end <= cluster[i].begin; });
        if (free == columnEnds.end()) {
            columnOf[i] = int(columnEnds.size());
            columnEnds.push_back(cluster[i].end);
        } else {
            columnOf[i] = int(free - columnEnds.begin());
            *free = cluster[i].end;
        }
    }
    const int columns = int(columnEnds.size());
    for (std::size_t i = 0; i < cluster.size(); ++i) {
        int span = 1;
        for (int next = columnOf[i] + 1; next < columns; ++next, ++span) {
            bool taken = false;
            for (std::size_t j = 0; j < cluster.size() && !taken; ++j)
                taken = columnOf[j] == next && overlaps(cluster[i], cluster[j]);
            if (taken)
                break;
        }
        placements[cluster[i].index] = {columnOf[i], span, columns};
    }
}

} // namespace

QList<OverlapLayout::Placement> OverlapLayout::place(const QList<Range> &ranges)
{
    std::vector<Item> items;
    items.reserve(std::size_t(ranges.size()));
    for (int i = 0; i < int(ranges.size()); ++i) {
        const Range &range = ranges.at(i);
        items.push_back({i, std::min(range.begin, range.end), std::max(range.begin, range.end)});
    }
    std::stable_sort(items.begin(), items.end(), [](const Item &a, const Item &b) {
        return a.begin != b.begin ? a.begin < b.begin : a.end > b.end;
    });
    QList<Placement> placements(ranges.size());
    std::vector<Item> cluster;
    int clusterEnd = 0;
    for (const Item &item : items) {
        if (!cluster.empty() && item.begin >= clusterEnd) {
            placeCluster(cluster, placements);
            cluster.clear();
        }
        clusterEnd = cluster.empty() ? item.end : std::max(clusterEnd, item.end);
        cluster.push_back(item);
    }
    if (!cluster.empty())
        placeCluster(cluster, placements);
    return placements;
}

std::pair<int, int> OverlapLayout::horizontalExtent(Placement placement, int left, int right)
{
    const int width = right - left;
    const int columns = std::max(placement.columns, 1);
    return {left + width * placement.column / columns, left + width * (placement.column + placement.span) / columns};
}

} // namespace OlvarControls
