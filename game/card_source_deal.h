// The card source as the match controller's deal: cards, and the seed or
// pointer they come from.
#pragma once

#include "game/card_source.h"
#include "game/deal_source.h"
#include "settings/options.h"

namespace kestrel {

class CardSourceDeal : public DealSource {
 public:
  CardSourceDeal(CardSource& source, const Options& options) : source_(source), options_(options) {}
  std::string DrawCards(int n) override { return source_.DrawCards(n); }
  int32_t SeedOrPointer() const override { return options_.lngSeedOrPointer; }
  bool SourceIsDataFile() const override { return options_.intCardSource == 1; }

 private:
  CardSource& source_;
  const Options& options_;
};

}  // namespace kestrel
