// Draws the tool's pictures into a folder, as the files its resource script
// names:  draw_tool_pictures FOLDER
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "app/pictures/ToolPictures.h"
#include "translation/AtomicFile.h"
#include "translation/BitmapFile.h"
#include "translation/FlagTable.h"

namespace {

using tolmeric::ButtonPicture;
using tolmeric::ButtonState;

struct CButtonFiles {
  ButtonPicture picture;
  const char* name;
  bool disabled;  // has a disabled image
};

const CButtonFiles kButtons[] = {
    {ButtonPicture::kNewProject, "NewProject", false},
    {ButtonPicture::kOpenProject, "OpenProject", false},
    {ButtonPicture::kSave, "Save", true},
    {ButtonPicture::kSaveAs, "SaveAs", true},
    {ButtonPicture::kAddScript, "AddScript", true},
    {ButtonPicture::kRemoveScript, "RemoveScript", true},
    {ButtonPicture::kTestVersion, "TestVersion", true},
};

void Write(const std::filesystem::path& folder, const std::string& name, const std::vector<uint8_t>& bytes) {
  tolmeric::SaveFileAtomically(folder / name, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_tool_pictures FOLDER\n");
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const CButtonFiles& button : kButtons) {
      const std::string name = button.name;
      Write(folder, name + ".bmp", BitmapFile4(DrawButton(button.picture, ButtonState::kNormal)));
      Write(folder, name + "Pressed.bmp", BitmapFile4(DrawButton(button.picture, ButtonState::kPressed)));
      Write(folder, name + "Hot.bmp", BitmapFile4(DrawButton(button.picture, ButtonState::kHot)));
      if (button.disabled) {
        Write(folder, name + "Disabled.bmp", BitmapFile4(DrawButton(button.picture, ButtonState::kDisabled)));
      }
    }
    Write(folder, "TreeImages.bmp", BitmapFile24(tolmeric::DrawTreeImages()));
    Write(folder, "FileImages.bmp", BitmapFile24(tolmeric::DrawFileImages()));
    Write(folder, "Flags.bmp", BitmapFile24(tolmeric::DrawFlagStrip()));
    Write(folder, "About.bmp", BitmapFile24(tolmeric::DrawAboutPicture()));
    Write(folder, "Tolmeric.ico", IconFile(tolmeric::DrawToolIcon()));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "draw_tool_pictures: %s\n", error.what());
    return 1;
  }
  return 0;
}
