#include "framework/FrameTexts.h"

namespace tolmeric {

namespace {

bool IsLeadSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

std::u16string PromptPart(std::u16string_view commandString) {
  return std::u16string(commandString.substr(0, commandString.find(u'\n')));
}

std::u16string TipPart(std::u16string_view commandString) {
  const size_t feed = commandString.find(u'\n');
  if (feed == std::u16string_view::npos) return {};
  return PromptPart(commandString.substr(feed + 1));
}

std::u16string ToolTipText(uint32_t id, const std::function<std::u16string(uint32_t)>& loadString) {
  if (id == 0) return {};
  return TipPart(loadString(id));
}

uint32_t ToolIdentifier(uintptr_t idFrom, bool idIsWindow,
                        const std::function<int32_t(uintptr_t)>& controlIdOf) {
  if (!idIsWindow) return static_cast<uint32_t>(idFrom);
  return static_cast<uint32_t>(controlIdOf(idFrom)) & 0xFFFFu;
}

bool IsToolTipRequest(uint32_t id, int32_t code) {
  const uint32_t word = static_cast<uint32_t>(code);
  const uint32_t notification = word & 0xFFFFu;
  return id == 0 && (word >> 16) == kNotifyMessage &&
         (notification == kNeedTextA || notification == kNeedTextW);
}

size_t FittingLength(std::u16string_view text, size_t capacity,
                     const std::function<size_t(std::u16string_view)>& encodedLength) {
  if (capacity == 0) return 0;
  size_t length = text.size() < capacity ? text.size() : capacity - 1;
  // A multi-byte encoding may take more room than code units: shorten until
  // the prefix fits, one character at a time.
  for (;;) {
    if (length > 0 && length < text.size() && IsLeadSurrogate(text[length - 1])) --length;
    if (length == 0 || encodedLength(text.substr(0, length)) < capacity) return length;
    --length;
  }
}

}  // namespace tolmeric
