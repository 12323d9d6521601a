// The tool's pictures: the images of its nine bitmap buttons, the image
// strips of its tree view and name lists, the information box's picture and
// the tool's icon. The build draws them into files that the resource script
// names.
#pragma once

#include <cstdint>
#include <vector>

#include "translation/BitmapFile.h"

namespace tolmeric {

enum class ButtonPicture { kNewProject, kOpenProject, kSave, kSaveAs, kAddScript, kRemoveScript, kTestVersion };
enum class ButtonState { kNormal, kPressed, kHot, kDisabled };

inline constexpr int32_t kButtonSize = 30;
inline constexpr int32_t kSmallImageSize = 16;
inline constexpr int32_t kAboutPictureSize = 64;

// A whole button, 30 by 30, in colours of the standard palette: raised and
// grey when normal, lit up under the mouse, pushed in when pressed, greyed
// out when disabled.
CRgbImage DrawButton(ButtonPicture picture, ButtonState state);

// The tree view's images, 16 by 16 side by side on white (transparent):
// dialog, menu, other control or string entry, menu item, string table,
// popup, button, group box, static text.
CRgbImage DrawTreeImages();

// The name lists' images, as above: language file, script, project.
CRgbImage DrawFileImages();

// The information box's picture, 64 by 64, opaque.
CRgbImage DrawAboutPicture();

// The tool's icon at 32 and at 16 pixels, with transparency.
std::vector<CRgbImage> DrawToolIcon();

}  // namespace tolmeric
