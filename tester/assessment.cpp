#include "tester/assessment.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

// Windows of the refinement passes, from coarse to fine.
constexpr int kMainWindow = 12;
constexpr int kRefineWindows[] = {6, 3, 2};
constexpr int kMatchInPlaceRounds = 3;
// Errors closer together than this may belong to one word and then count once.
constexpr int kNearDistance = 6;

bool TooLong(std::string_view original, std::string_view typed) {
    return original.size() > Assessment::kMaxTextLength ||
           typed.size() > Assessment::kMaxTextLength;
}

// One alignment: the texts, the arrays it fills, and the shared cursor pair and end of the
// last match that TryMatch and the searches move. Lives for one Align call.
class Aligner {
  public:
    Aligner(std::string_view original, std::string_view typed, Alignment& alignment)
        : o_(original),
          t_(typed),
          lo_(static_cast<int>(original.size())),
          lt_(static_cast<int>(typed.size())),
          typedMarks_(alignment.typedMarks),
          originalMarks_(alignment.originalMarks),
          typedMap_(alignment.typedMap),
          originalMap_(alignment.originalMap) {}

    // The main pass, then the refinements of what it left over.
    void Run() {
        MainPass();
        for (int window : kRefineWindows) {
            RealignRight();
            RefineRegions(window);
        }
        RealignRight();
        for (int round = 0; round < kMatchInPlaceRounds; ++round) {
            MatchInPlace();
        }
    }

  private:
    struct Limits {
        int o;
        int t;
    };

    bool TryMatch(int n, Limits limits);
    bool TryAt(int o, int t, int n, Limits limits);
    bool SquareSearch(int w, Limits limits);
    bool Ring(int d, int n, Limits limits);
    void MainPass();
    void RealignRight();
    void RefineRegions(int n);
    void MatchInPlace();

    void Pair(int o, int t);
    bool IsUnmatchedOriginal(int o) const;
    bool IsUnmatchedTyped(int t) const;

    const std::string_view o_;
    const std::string_view t_;
    const int lo_;
    const int lt_;
    std::vector<MatchMark>& typedMarks_;
    std::vector<MatchMark>& originalMarks_;
    std::vector<std::uint16_t>& typedMap_;
    std::vector<std::uint16_t>& originalMap_;
    int posO_ = 0;
    int posT_ = 0;
    int prevO_ = 0;
    int prevT_ = 0;
};

// One classification: the texts, the alignment it reads, the results it fills, and the
// position of the last counted error. Lives for one Classify call.
class Classifier {
  public:
    Classifier(std::string_view original, std::string_view typed, const Alignment& alignment,
               Classification& result)
        : o_(original),
          t_(typed),
          lo_(static_cast<int>(original.size())),
          lt_(static_cast<int>(typed.size())),
          typedMarks_(alignment.typedMarks),
          originalMarks_(alignment.originalMarks),
          typedMap_(alignment.typedMap),
          originalMap_(alignment.originalMap),
          charClasses_(result.charClasses),
          errorPositions_(result.errorPositions),
          omittedTexts_(result.omittedTexts),
          omittedPositions_(result.omittedPositions),
          // Arrays shorter than their texts end the classification where they end.
          typedEnd_(
              static_cast<int>(std::min({typed.size(), typedMarks_.size(), typedMap_.size()}))),
          originalEnd_(static_cast<int>(
              std::min({original.size(), originalMarks_.size(), originalMap_.size()}))) {}

    void Run() {
        charClasses_.assign(lt_, CharClass::Correct);
        if (ClassifyCharacters()) {
            MarkUnfinishedEnd();
            CountErrors();
        }
    }

  private:
    bool ClassifyCharacters();
    void MarkUnfinishedEnd();
    void CountErrors();

    void CountError(int j);
    // p moved right over unmatched original positions: a position the arrays cover, or the end
    // of the original; -1 for anything else (p outside, an array shorter than the original).
    int SkipUnmatchedOriginal(int p) const;
    bool HasSeparator(int from, int to) const;

    const std::string_view o_;
    const std::string_view t_;
    const int lo_;
    const int lt_;
    const std::vector<MatchMark>& typedMarks_;
    const std::vector<MatchMark>& originalMarks_;
    const std::vector<std::uint16_t>& typedMap_;
    const std::vector<std::uint16_t>& originalMap_;
    std::vector<CharClass>& charClasses_;
    std::vector<std::uint16_t>& errorPositions_;
    std::vector<std::string>& omittedTexts_;
    std::vector<std::uint16_t>& omittedPositions_;
    // How far the classification may read the typed and the original arrays.
    const int typedEnd_;
    const int originalEnd_;
    int lastError_ = -100;
};

void Aligner::Pair(int o, int t) {
    originalMarks_[o] = MatchMark::Matched;
    typedMarks_[t] = MatchMark::Matched;
    typedMap_[t] = static_cast<std::uint16_t>(o);
    originalMap_[o] = static_cast<std::uint16_t>(t);
}

bool Aligner::IsUnmatchedOriginal(int o) const {
    return o >= 0 && o < lo_ && originalMarks_[o] == MatchMark::Unmatched;
}

bool Aligner::IsUnmatchedTyped(int t) const {
    return t >= 0 && t < lt_ && typedMarks_[t] == MatchMark::Unmatched;
}

bool Aligner::TryMatch(int n, Limits limits) {
    // A window of nothing would "match" without moving on.
    if (n <= 0 || posO_ < 0 || posT_ < 0) {
        return false;
    }
    if (posT_ + n > limits.t || posO_ + n > limits.o) {
        return false;
    }
    if (std::memcmp(o_.data() + posO_, t_.data() + posT_, static_cast<std::size_t>(n)) != 0) {
        return false;
    }

    // What lies between the previous match and this one is left over on both sides.
    for (int t = prevT_; t < posT_; ++t) {
        if (typedMarks_[t] == MatchMark::Unvisited) {
            typedMarks_[t] = MatchMark::Unmatched;
            typedMap_[t] = static_cast<std::uint16_t>(prevO_);
        }
    }
    for (int o = prevO_; o < posO_; ++o) {
        if (originalMarks_[o] == MatchMark::Unvisited) {
            originalMarks_[o] = MatchMark::Unmatched;
            originalMap_[o] = static_cast<std::uint16_t>(prevT_);
        }
    }

    for (int i = 0; i < n; ++i) {
        Pair(posO_ + i, posT_ + i);
    }
    posO_ += n;
    posT_ += n;
    prevO_ = posO_;
    prevT_ = posT_;
    while (posT_ < limits.t && posO_ < limits.o && o_[posO_] == t_[posT_]) {
        Pair(posO_, posT_);
        ++posO_;
        ++posT_;
        prevO_ = posO_;
        prevT_ = posT_;
    }

    for (int t = posT_; t < lt_ && typedMarks_[t] == MatchMark::Unmatched; ++t) {
        typedMap_[t] = static_cast<std::uint16_t>(posO_);
    }
    for (int o = posO_; o < lo_ && originalMarks_[o] == MatchMark::Unmatched; ++o) {
        originalMap_[o] = static_cast<std::uint16_t>(posT_);
    }
    return true;
}

bool Aligner::TryAt(int o, int t, int n, Limits limits) {
    posO_ = o;
    posT_ = t;
    return TryMatch(n, limits);
}

bool Aligner::SquareSearch(int w, Limits limits) {
    for (int d1 = 0; d1 <= w; ++d1) {
        for (int d2 = 0; d2 <= d1; ++d2) {
            if (d1 == d2) {
                if (TryAt(prevO_ + d1, prevT_ + d1, w, limits)) {
                    return true;
                }
                continue;
            }
            // Extra typed characters first, then omitted original.
            if (TryAt(prevO_ + d2, prevT_ + d1, w, limits) ||
                TryAt(prevO_ + d1, prevT_ + d2, w, limits)) {
                return true;
            }
        }
    }
    return false;
}

bool Aligner::Ring(int d, int n, Limits limits) {
    for (int i = 0; i <= d; ++i) {
        if (i == d) {
            if (TryAt(prevO_ + d, prevT_ + d, n, limits)) {
                return true;
            }
            continue;
        }
        // Omitted original first, then extra typed characters.
        if (TryAt(prevO_ + d, prevT_ + i, n, limits) || TryAt(prevO_ + i, prevT_ + d, n, limits)) {
            return true;
        }
    }
    return false;
}

void Aligner::MainPass() {
    const Limits limits{lo_, lt_};
    int w = kMainWindow;
    posO_ = posT_ = prevO_ = prevT_ = 0;
    do {
        if (posO_ >= lo_) {
            break;
        }
        int rest = std::min(lo_ - posO_, lt_ - posT_);
        if (rest < w) {
            w = rest;
        }

        bool found = TryMatch(w, limits) || SquareSearch(w, limits);
        if (!found && w != 0) {
            const int bound = std::min(lo_ - prevO_, lt_ - prevT_) / w;
            int d = 2 * w;
            for (int k = 2; k < bound && !found; ++k, d += w) {
                found = Ring(d, w, limits);
            }
        }
        if (found) {
            continue;
        }

        // Give up on this stretch: skip a window from the last pair tried and count
        // everything skipped on both sides as left over.
        rest = std::max(0, std::min(lo_ - posO_, lt_ - posT_));
        if (rest < w) {
            w = rest;
        }
        posO_ += w;
        posT_ += w;
        for (int t = prevT_; t < posT_; ++t) {
            typedMarks_[t] = MatchMark::Unmatched;
            typedMap_[t] = static_cast<std::uint16_t>(prevO_);
        }
        for (int o = prevO_; o < posO_; ++o) {
            originalMarks_[o] = MatchMark::Unmatched;
            originalMap_[o] = static_cast<std::uint16_t>(prevT_);
        }
        prevO_ = posO_;
        prevT_ = posT_;
    } while (posT_ < lt_);
}

void Aligner::RealignRight() {
    bool rightMatched = false;
    int t = lt_ - 1;
    while (t >= 0) {
        const MatchMark mark = typedMarks_[t];
        if (mark == MatchMark::Matched) {
            rightMatched = true;
            --t;
            continue;
        }
        if (mark == MatchMark::Unmatched && rightMatched) {
            // The right end of a wrong run: pair it backwards with the right end of the
            // left-over original it maps to, as long as the characters agree.
            int q = typedMap_[t];
            const int start = q;
            while (IsUnmatchedOriginal(q)) {
                ++q;
            }
            if (q != start) {
                --q;
            }
            while (t >= 0 && q != 0 && IsUnmatchedOriginal(q) && IsUnmatchedTyped(t) &&
                   o_[q] == t_[t]) {
                Pair(q, t);
                --t;
                --q;
            }
        }
        rightMatched = false;
        --t;
    }
}

void Aligner::RefineRegions(int n) {
    int s = 0;
    while (s < lt_) {
        if (typedMarks_[s] != MatchMark::Unmatched) {
            ++s;
            continue;
        }
        int endT = s + 1;
        while (endT < lt_ && typedMarks_[endT] != MatchMark::Matched) {
            ++endT;
        }
        const int startO = typedMap_[s];
        int endO = startO;
        while (IsUnmatchedOriginal(endO)) {
            ++endO;
        }
        if (endT == lt_) {
            endO = lo_;
        }

        const Limits limits{endO, endT};
        posO_ = prevO_ = startO;
        posT_ = prevT_ = s;
        while (posO_ < endO && endO - posO_ >= n && endT - posT_ >= n) {
            if (TryMatch(n, limits) || SquareSearch(n, limits)) {
                continue;
            }
            bool found = false;
            for (int d = 2; d < std::min(endO - prevO_, endT - prevT_) && !found; ++d) {
                found = Ring(d, n, limits);
            }
            if (found) {
                continue;
            }
            posO_ += n;
            posT_ += n;
            prevO_ += n;
            prevT_ += n;
        }
        s = endT;
    }
}

void Aligner::MatchInPlace() {
    int t = 0;
    while (t < lt_) {
        if (typedMarks_[t] != MatchMark::Unmatched) {
            ++t;
            continue;
        }
        // Neither run takes in the last position of its text.
        const int s = t;
        int e = s;
        while (e < lt_ - 1 && typedMarks_[e] == MatchMark::Unmatched) {
            ++e;
        }
        const int a = typedMap_[s];
        int b = a;
        while (b < lo_ - 1 && originalMarks_[b] == MatchMark::Unmatched) {
            ++b;
        }

        // Characters at the same offset of the two runs that agree are paired; the
        // left-over characters after a pair map just behind it.
        const int length = std::min(e - s, b - a);
        int lastPair = -1;
        for (int k = 0; k < length; ++k) {
            if (t_[s + k] == o_[a + k]) {
                Pair(a + k, s + k);
                lastPair = k;
            } else if (lastPair >= 0) {
                typedMap_[s + k] = static_cast<std::uint16_t>(a + lastPair + 1);
                originalMap_[a + k] = static_cast<std::uint16_t>(s + lastPair + 1);
            }
        }
        if (lastPair >= 0) {
            for (int x = s + std::max(length, 0); x < e; ++x) {
                typedMap_[x] = static_cast<std::uint16_t>(a + lastPair + 1);
            }
            for (int y = a + std::max(length, 0); y < b; ++y) {
                originalMap_[y] = static_cast<std::uint16_t>(s + lastPair + 1);
            }
        }
        t = e + 1;
    }
}

bool Classifier::ClassifyCharacters() {
    int e = 0;  // the next expected original position
    for (int c = 0; c < lt_; ++c) {
        if (c >= typedEnd_) {
            return false;
        }
        const int f = typedMap_[c];
        // A map value beyond the place right behind the original, or into an array shorter
        // than the original, points nowhere: the classification ends here, with the classes
        // found so far.
        if (f > lo_ || (f != lo_ && f >= originalEnd_)) {
            return false;
        }
        if (typedMarks_[c] != MatchMark::Matched) {
            // A character mapped right behind the original's end was typed beyond it: an
            // extra character. (Ending the classification there instead would drop every
            // error of the text, e.g. for a doubled last letter.)
            if (f < lo_ && originalMarks_[f] == MatchMark::Unmatched) {
                charClasses_[c] = CharClass::WrongChar;
            } else {
                charClasses_[c] = CharClass::ExtraChar;
                e = f + 1;
            }
            continue;
        }
        if (f >= originalEnd_) {
            return false;
        }
        if (e < f) {
            // Original text e..f-1 was skipped.
            const int m = originalMap_[f - 1];
            const std::string_view omitted = o_.substr(e, f - e);
            omittedPositions_.push_back(static_cast<std::uint16_t>(m));
            omittedTexts_.emplace_back(omitted);
            // The omission is listed, but a position past the typed text has no class.
            if (m >= lt_) {
                return false;
            }
            int length = f - e;
            if (charClasses_[m] == CharClass::WrongChar) {
                // Wrong characters beyond the skipped length were typed on top of it.
                int i = 0;
                while (m + i < lt_ && charClasses_[m + i] == CharClass::WrongChar) {
                    if (i >= length) {
                        charClasses_[m + i] = CharClass::ExtraChar;
                    }
                    ++i;
                }
                if (omitted.find("\r\n") != std::string_view::npos) {
                    --length;
                }
                if (i < length) {
                    charClasses_[m] = CharClass::WrongCharAndOmission;
                }
            } else {
                charClasses_[m] = CharClass::OmissionBefore;
            }
        }
        e = f + 1;
    }
    return true;
}

void Classifier::MarkUnfinishedEnd() {
    int cut = -1;
    for (int i = lt_ - 1; i >= 0; --i) {
        if (IsSeparator(t_[i]) && charClasses_[i] == CharClass::Correct && i != lt_ - 1) {
            break;
        }
        if (charClasses_[i] != CharClass::Correct) {
            cut = i;
        }
    }
    if (cut >= 0) {
        std::fill(charClasses_.begin() + cut, charClasses_.end(), CharClass::NotAssessed);
    }
}

int Classifier::SkipUnmatchedOriginal(int p) const {
    if (p < 0) {
        return -1;
    }
    while (p < originalEnd_ && originalMarks_[p] == MatchMark::Unmatched) {
        ++p;
    }
    // Running to the end of the original is an answer (the counting rules compare it with
    // the original's length); running into an array shorter than the original is not.
    return p < originalEnd_ || p == lo_ ? p : -1;
}

bool Classifier::HasSeparator(int from, int to) const {
    from = std::max(from, 0);
    to = std::min(to, lo_);
    for (int i = from; i < to; ++i) {
        if (IsSeparator(o_[i])) {
            return true;
        }
    }
    return false;
}

void Classifier::CountError(int j) {
    errorPositions_.push_back(static_cast<std::uint16_t>(j));
    lastError_ = j;
}

void Classifier::CountErrors() {
    lastError_ = -100;
    int prev = 0;  // class of the last event: 0 none, 1 wrong, 3 extra, 6 omission
    int j = 0;
    while (j < lt_) {
        if (t_[j] == '\n') {
            ++j;
            continue;
        }
        const bool near = j - lastError_ < kNearDistance;
        const int last = lastError_;
        switch (charClasses_[j]) {
            case CharClass::WrongChar:
            case CharClass::WrongCharAndOmission: {
                if (!near) {
                    CountError(j);
                } else if (last >= 0) {
                    // Near errors count again only in another word of the original.
                    const int a = typedMap_[last];
                    const int b = typedMap_[j];
                    if (a != b && b < lo_ && HasSeparator(a, b + 1)) {
                        CountError(j);
                    }
                }
                prev = 1;
                break;
            }
            case CharClass::ExtraChar: {
                if (!near) {
                    CountError(j);
                } else if (last >= 0) {
                    const int a = typedMap_[last];
                    const int b = SkipUnmatchedOriginal(typedMap_[j]);
                    if (b < 0) {
                        return;
                    }
                    if (b <= lo_ && HasSeparator(a, b)) {
                        CountError(j);
                    }
                }
                // One error for the whole run of extra characters; the character after it
                // is taken as settled.
                int k = j + 1;
                while (k < lt_ && charClasses_[k] == CharClass::ExtraChar) {
                    ++k;
                }
                lastError_ = k;
                prev = 3;
                j = k + 1;
                continue;
            }
            case CharClass::OmissionBefore: {
                if (!near) {
                    CountError(j);
                } else if (last >= 0) {
                    const int a = typedMap_[last];
                    const int b = typedMap_[j];
                    if (a != b && b < lo_ && HasSeparator(a, b)) {
                        CountError(j);
                    }
                }
                prev = 6;
                break;
            }
            case CharClass::Correct: {
                if (prev == 1 && last >= 0 && j >= 1) {
                    // A wrong run has just ended: one that covered a word boundary of the
                    // original is an error in each word.
                    const int a = typedMap_[last];
                    int b = SkipUnmatchedOriginal(typedMap_[j - 1]);
                    if (b < 0) {
                        return;
                    }
                    if (b - a == 2 && o_[a] == '\r' && o_[a + 1] == '\n') {
                        --b;
                    }
                    if (b <= lo_ && b - a > 1) {
                        int separator = -1;
                        for (int i = a; i < b; ++i) {
                            if (IsSeparator(o_[i])) {
                                separator = i;
                                break;
                            }
                        }
                        if (separator >= 0) {
                            const int before =
                                errorPositions_.empty() ? -1 : errorPositions_.back();
                            CountError(j - 1);
                            if (separator != a && separator != b - 1 && !IsSeparator(o_[a]) &&
                                !IsSeparator(o_[b - 1]) && t_[j] != '\r' && t_[j] != ' ' &&
                                before != j - 1) {
                                CountError(j - 1);
                            }
                        }
                    }
                }
                prev = 0;
                break;
            }
            case CharClass::NotAssessed:
                break;
        }
        ++j;
    }
}

}  // namespace

Alignment Assessment::Align(std::string_view original, std::string_view typed) {
    Alignment alignment;
    if (TooLong(original, typed)) {
        return alignment;
    }
    alignment.typedMarks.assign(typed.size(), MatchMark::Unvisited);
    alignment.originalMarks.assign(original.size(), MatchMark::Unvisited);
    alignment.typedMap.assign(typed.size(), 0);
    alignment.originalMap.assign(original.size(), 0);
    if (!typed.empty()) {
        Aligner(original, typed, alignment).Run();
    }
    return alignment;
}

Classification Assessment::Classify(std::string_view original, std::string_view typed,
                                    const Alignment& alignment) {
    Classification result;
    if (!TooLong(original, typed)) {
        Classifier(original, typed, alignment, result).Run();
    }
    return result;
}
