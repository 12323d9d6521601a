// Carrying the translations of an older language file onto a new scan.
#pragma once

#include <cstdint>
#include <memory>

#include "translation/LanguageData.h"

namespace tolmeric {

struct CUpdateCounts {
  int32_t carried = 0;  // translations taken over unchanged
  int32_t review = 0;   // taken over from a changed base text: need review
  int32_t added = 0;    // new texts, untranslated
  int32_t dropped = 0;  // texts of the older file that nothing in the new scan matched
};

// The new scan's structure and base texts with the older file's texts,
// matched as the run-time module matches a language file of an older
// version (best match and merge). New texts keep the merge's missing states;
// a translation carried over from a different base text is marked
// kStateNeedsReview. Header and flag come from the older file, program name,
// version and file flags from the new scan.
std::unique_ptr<CLanguageData> UpdateTranslation(const CLanguageData& older,
                                                 const CLanguageData& fresh,
                                                 CUpdateCounts* counts);

}  // namespace tolmeric
