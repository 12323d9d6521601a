// What a frame shows for a command: the tool tip of a toolbar button and
// the status-bar prompt, both parts of the command's string (its prompt, a
// line feed, its tip), and which tool a tip request is for. The frames on
// Windows only fetch, convert and copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tolmeric {

// The room of a tool-tip record's own text buffer, terminator included.
inline constexpr size_t kToolTipBufferSize = 80;

// The notification codes of a tip request, and the message they arrive in.
inline constexpr uint32_t kNotifyMessage = 0x004E;
inline constexpr uint32_t kNeedTextA = 0xFDF8;
inline constexpr uint32_t kNeedTextW = 0xFDEE;

// The part of a command string before its first line feed: the status-bar
// prompt (the whole string when it has none).
std::u16string PromptPart(std::u16string_view commandString);

// The part after the first line feed and before a second one: the tool tip
// (empty when there is none).
std::u16string TipPart(std::u16string_view commandString);

// The tip of tool id: empty for 0, which a separator has; else the tip part
// of the command string that loadString gives for id.
std::u16string ToolTipText(uint32_t id, const std::function<std::u16string(uint32_t)>& loadString);

// The tool a tip request names: idFrom itself, or, when it is a window
// handle, the low 16 bits of that window's control identifier.
uint32_t ToolIdentifier(uintptr_t idFrom, bool idIsWindow,
                        const std::function<int32_t(uintptr_t)>& controlIdOf);

// Whether a command-routing request (identifier, code) is a tip request from
// a tool-tip window: identifier 0 and a need-text notification (either form)
// in the code's high word's message.
bool IsToolTipRequest(uint32_t id, int32_t code);

// How many code units of text fit a buffer of capacity units with its
// terminator, when encodedLength tells what a prefix takes in the buffer's
// encoding; never ends between the two halves of a surrogate pair.
size_t FittingLength(std::u16string_view text, size_t capacity,
                     const std::function<size_t(std::u16string_view)>& encodedLength);

}  // namespace tolmeric
