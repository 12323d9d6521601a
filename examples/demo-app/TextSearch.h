// Finding a text in a document, as the find dialog searches: forwards from
// the end of the selection or backwards from its start, with or without
// regard to letter case.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace demo {

struct CSearchRequest {
  std::u16string_view what;
  bool matchCase = false;
  bool down = true;
};

// The position of the occurrence found in text: the first that starts at or
// after selectionEnd going down, the last that ends at or before
// selectionStart going up. Nothing for an empty what or no occurrence.
std::optional<size_t> FindText(std::u16string_view text, size_t selectionStart,
                               size_t selectionEnd, const CSearchRequest& request);

}  // namespace demo
