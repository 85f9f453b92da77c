#include "common/line_container/prefix_code.h"

#include <vector>

namespace {

struct ListedSymbol {
    std::uint16_t symbol;
    std::uint64_t weight;
};

// Not stable, so the exact gap sequence and the strict comparison decide where equal weights
// end up, and with them the bytes we write.
void ShellSortByWeight(std::vector<ListedSymbol>& list) {
    const std::size_t n = list.size();
    std::size_t gap = (n + 2) / 3;
    while (gap > 0) {
        for (std::size_t i = gap; i < n; ++i) {
            const ListedSymbol item = list[i];
            std::size_t j = i;
            while (j >= gap && list[j - gap].weight > item.weight) {
                list[j] = list[j - gap];
                j -= gap;
            }
            list[j] = item;
        }
        if (gap == 1) {
            break;
        }
        gap = (gap + 1) / 3;
    }
}

// Depth of every listed symbol in the Huffman tree built from the sorted list.
std::vector<unsigned> TreeDepths(const std::vector<ListedSymbol>& list) {
    const std::size_t n = list.size();
    std::vector<unsigned> depth(n, 0);
    if (n < 2) {
        return depth;
    }
    // Nodes 0..n-1 are the leaves in list order, n.. the merged nodes in order of creation.
    std::vector<std::uint64_t> weight(2 * n - 1);
    std::vector<std::size_t> parent(2 * n - 1, 0);
    for (std::size_t i = 0; i < n; ++i) {
        weight[i] = list[i].weight;
    }
    std::size_t nextLeaf = 0;
    std::size_t nextMerged = n;
    for (std::size_t created = n; created < 2 * n - 1; ++created) {
        std::uint64_t sum = 0;
        for (int child = 0; child < 2; ++child) {
            const bool mergedWaiting = nextMerged < created;
            std::size_t taken;
            if (nextLeaf < n && (!mergedWaiting || weight[nextLeaf] < weight[nextMerged])) {
                taken = nextLeaf++;
            } else {
                taken = nextMerged++;
            }
            parent[taken] = created;
            sum += weight[taken];
        }
        weight[created] = sum;
    }
    // A parent is always created after its children, so one pass from the root down suffices.
    std::vector<unsigned> nodeDepth(2 * n - 1, 0);
    for (std::size_t i = 2 * n - 1; i-- > 0;) {
        if (i != 2 * n - 2) {
            nodeDepth[i] = nodeDepth[parent[i]] + 1;
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        depth[i] = nodeDepth[i];
    }
    return depth;
}

}  // namespace

PrefixCode::Lengths PrefixCode::LengthsFromCounts(const Counts& counts) {
    std::vector<ListedSymbol> list;
    list.push_back({kEndSymbol, counts[kEndSymbol]});
    for (std::uint16_t s = 0; s < kSymbolCount; ++s) {
        if (s != kEndSymbol && counts[s] != 0) {
            list.push_back({s, counts[s]});
        }
    }
    std::vector<unsigned> depth;
    for (;;) {
        ShellSortByWeight(list);
        depth = TreeDepths(list);
        if (list.size() < 2 || depth[0] <= kWriterLimit) {
            break;
        }
        list[1].weight *= 2;
    }
    Lengths lengths{};
    for (std::size_t i = 0; i < list.size(); ++i) {
        lengths[list[i].symbol] = static_cast<std::uint8_t>(depth[i]);
    }
    return lengths;
}

bool PrefixCode::IsComplete(const Lengths& lengths) {
    std::uint64_t sum = 0;
    for (std::uint8_t length : lengths) {
        if (length > kMaxLength) {
            return false;
        }
        if (length != 0) {
            sum += std::uint64_t{1} << (30 - length);
        }
    }
    return sum == std::uint64_t{1} << 30;
}

std::optional<PrefixCode::Codes> PrefixCode::CanonicalCodes(const Lengths& lengths) {
    Codes codes{};
    std::uint32_t code = 0;
    for (unsigned length = kMaxLength; length >= 1; --length) {
        if (code % 2 != 0) {
            return std::nullopt;
        }
        code /= 2;
        for (std::size_t s = kSymbolCount; s-- > 0;) {
            if (lengths[s] == length) {
                codes[s] = code++;
            }
        }
        if (code > (std::uint32_t{1} << length)) {
            return std::nullopt;
        }
    }
    // Complete: the two halves of the code space are both taken.
    if (code != 2) {
        return std::nullopt;
    }
    return codes;
}
