#pragma once

#include "games/towers-foreaft/foreaft_rules.h"

#include <algorithm>
#include <map>
#include <queue>
#include <string>
#include <vector>

// The shortest way from the start to the exchanged board without backward moves, as the pieces to
// click in order; found by a search over the rules' own moves.
namespace foreafttest {
namespace detail {

using foreaftrules::ForeAftBoard;

// The colour on each cell, '.' for the empty one: the pieces of one colour are interchangeable.
inline std::string key(const ForeAftBoard& b) {
    std::string cells(foreaftrules::kCells, '.');
    for (int p = 1; p <= foreaftrules::kPieces; ++p) cells[b.piecepos[p] - 1] = foreaftrules::green(p) ? 'g' : 'r';
    return cells;
}

inline std::vector<int> search() {
    ForeAftBoard start;
    foreaftrules::startup(start);
    struct Seen {
        std::string from;
        int piece;
    };
    std::map<std::string, Seen> seen{{key(start), {"", 0}}};
    std::map<std::string, ForeAftBoard> boards{{key(start), start}};
    std::queue<std::string> open;
    open.push(key(start));
    while (!open.empty()) {
        const std::string at = open.front();
        open.pop();
        const ForeAftBoard b = boards.at(at);
        if (foreaftrules::won(b)) {
            std::vector<int> clicks;
            for (std::string k = at; !seen.at(k).from.empty(); k = seen.at(k).from) clicks.push_back(seen.at(k).piece);
            std::ranges::reverse(clicks);
            return clicks;
        }
        for (int p = 1; p <= foreaftrules::kPieces; ++p) {
            if (foreaftrules::clickmove(b, "NO", p) == foreaftrules::MoveKind::None) continue;
            ForeAftBoard next = b;
            foreaftrules::finishmove(next, p);
            const std::string k = key(next);
            if (seen.contains(k)) continue;
            seen.emplace(k, Seen{at, p});
            boards.emplace(k, next);
            open.push(k);
        }
    }
    return {};
}

}  // namespace detail

inline std::vector<int> solution() {
    // The rules do not change while a test program runs, and the search is its costliest step.
    static const std::vector<int> found = detail::search();
    return found;
}

}  // namespace foreafttest
