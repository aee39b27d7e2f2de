#include "ui/resultlists.h"

namespace zadrovec::ui {

void ResultLists::clear() {
    found.clear();
    hitMeanings.clear();
    meanings.clear();
    hitHeadwords.clear();
}

void ResultLists::show(SearchOutcome outcome) {
    WordHits& hits = outcome.hits;
    found.assignInOrder(std::move(hits.found));
    hitHeadwords.assignInOrder(std::move(hits.hitHeadwords));
    hitMeanings.assignInOrder(std::move(hits.hitMeanings));
    if (outcome.error) throw *outcome.error;
    meanings.clear();
    if (!found.empty()) meanings.assignInOrder(std::move(hits.meanings));
}

void ResultLists::showMeaningsOf(int index) {
    if (index < 0) return;
    meanings.clear();
    if (static_cast<std::size_t>(index) >= found.size()) return;
    meanings.assignInOrder(MeaningsOf(found[static_cast<std::size_t>(index)], hitHeadwords.items(),
                                      hitMeanings.items()));
}

} // namespace zadrovec::ui
