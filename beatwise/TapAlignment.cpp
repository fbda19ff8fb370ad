#include "TapAlignment.h"

#include <array>

namespace {

constexpr int kMaxNotes = 4;

enum Move : unsigned char { Match, ExtraTap, MissedNote };

double matchCost(double tap, int note) {
    const double d = (tap - note) / TapAlignment::kSpread;
    return d * d;
}

// The cheapest line-up of the first i taps with the first k notes, for every i and k, and the
// last move of each.
class AlignmentTable {
public:
    AlignmentTable(std::span<const double> taps, PatternOnsets::Mask notes)
        : taps_(taps), rows_(taps.size() + 1) {
        for (int j = 0; j < 8 && notes_ < kMaxNotes; ++j) {
            if (PatternOnsets::has(notes, j))
                positions_[static_cast<std::size_t>(notes_++)] = j;
        }
        cols_ = static_cast<std::size_t>(notes_) + 1;
        cost_.assign(rows_ * cols_, 0.0);
        move_.assign(rows_ * cols_, Match);
        fill();
    }

    TapAlignment trace() const {
        TapAlignment result;
        result.cost = cost_[at(rows_ - 1, cols_ - 1)];
        result.noteOfTap.assign(taps_.size(), -1);
        std::size_t i = rows_ - 1;
        std::size_t k = cols_ - 1;
        while (i > 0 || k > 0) {
            switch (move_[at(i, k)]) {
            case Match:
                result.noteOfTap[--i] = positions_[--k];
                break;
            case ExtraTap:
                --i;
                break;
            case MissedNote:
                result.missed |= static_cast<PatternOnsets::Mask>(1u << positions_[--k]);
                break;
            }
        }
        return result;
    }

private:
    std::size_t at(std::size_t i, std::size_t k) const { return i * cols_ + k; }

    void set(std::size_t i, std::size_t k, double cost, Move move) {
        cost_[at(i, k)] = cost;
        move_[at(i, k)] = move;
    }

    void fill() {
        for (std::size_t i = 1; i < rows_; ++i)
            set(i, 0, cost_[at(i - 1, 0)] + TapAlignment::kExtraCost, ExtraTap);
        for (std::size_t k = 1; k < cols_; ++k)
            set(0, k, cost_[at(0, k - 1)] + TapAlignment::kMissCost, MissedNote);
        for (std::size_t i = 1; i < rows_; ++i) {
            for (std::size_t k = 1; k < cols_; ++k) {
                const double match =
                    cost_[at(i - 1, k - 1)] + matchCost(taps_[i - 1], positions_[k - 1]);
                const double extra = cost_[at(i - 1, k)] + TapAlignment::kExtraCost;
                const double miss = cost_[at(i, k - 1)] + TapAlignment::kMissCost;
                if (match <= extra && match <= miss)
                    set(i, k, match, Match);
                else if (extra <= miss)
                    set(i, k, extra, ExtraTap);
                else
                    set(i, k, miss, MissedNote);
            }
        }
    }

    std::span<const double> taps_;
    std::array<int, kMaxNotes> positions_{};
    int notes_ = 0;
    std::size_t rows_;
    std::size_t cols_ = 1;
    std::vector<double> cost_;
    std::vector<Move> move_;
};

} // namespace

TapAlignment TapAlignment::align(std::span<const double> taps, PatternOnsets::Mask notes) {
    return AlignmentTable(taps, notes).trace();
}
