#include "runtime/SwitchDialogLayout.h"

namespace tolmeric {

namespace {

constexpr int32_t kMargin = 10;

// A label one line high and the list below it, from the top y.
void PlaceLabelAndList(const CPixelRect& client, int32_t y, int32_t textHeight,
                       int32_t listHeight, CPixelRect& label, CPixelRect& list) {
  const int32_t left = client.left + kMargin;
  const int32_t right = client.right - kMargin;
  label = {left, y + kMargin, right, y + kMargin + textHeight};
  list = {left, y + textHeight + 2 * kMargin, right, y + textHeight + 2 * kMargin + listHeight};
}

}  // namespace

CSwitchDialogLayout LayOutSwitchDialog(const CPixelRect& client, int32_t textHeight,
                                       bool showOlderVersions, bool showHelpButton) {
  const int32_t h = textHeight;
  const int32_t buttonHeight = 2 * h;
  const int32_t height = client.bottom - client.top;
  const int32_t reserved = showOlderVersions ? 4 * h + 60 : 3 * h + 40;
  const int32_t listHeight = showOlderVersions ? (height - reserved) / 2 : height - reserved;

  CSwitchDialogLayout layout;
  PlaceLabelAndList(client, client.top, h, listHeight, layout.thisVersionLabel,
                    layout.thisVersionList);
  int32_t buttonTop = layout.thisVersionList.bottom + kMargin;
  if (showOlderVersions) {
    PlaceLabelAndList(client, layout.thisVersionList.bottom, h, listHeight,
                      layout.olderVersionsLabel, layout.olderVersionsList);
    buttonTop = layout.olderVersionsList.bottom + kMargin;
  }

  const int32_t width = client.right - client.left;
  const int32_t buttons = showHelpButton ? 3 : 2;
  const int32_t w = (width - (buttons + 1) * kMargin) / buttons;
  const auto button = [&](int32_t index) {
    const int32_t left = client.left + kMargin + index * (w + kMargin);
    return CPixelRect{left, buttonTop, left + w, buttonTop + buttonHeight};
  };
  layout.okButton = button(0);
  layout.cancelButton = button(1);
  if (showHelpButton) layout.helpButton = button(2);
  return layout;
}

}  // namespace tolmeric
