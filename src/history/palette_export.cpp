#include "palette_export.h"

#include "named_colours.h"
#include "palette_files.h"

namespace velkaro {

namespace {

// In the order of PaletteFormat.
const std::vector<DialogServices::FileType> kTypes = {{"GIMP/Inkscape 调色板 (*.gpl)", "gpl"},
                                                      {"Adobe 色板交换文件 (*.ase)", "ase"},
                                                      {"CSS 自定义属性 (*.css)", "css"},
                                                      {"JSON (*.json)", "json"}};

}  // namespace

bool ExportRecentColours(const std::vector<ColorValue>& colours, DialogServices& dialogs, SystemServices& system) {
  const std::optional<DialogServices::SaveChoice> choice = dialogs.ChooseSaveFile(kTypes, "Velkaro 最近颜色");
  if (!choice || choice->type >= kTypes.size()) return false;
  std::vector<PaletteEntry> entries;
  for (ColorValue c : colours) entries.push_back({std::string(NearestCssColour(c).named->name), c});
  const std::string file = PaletteFile(static_cast<PaletteFormat>(choice->type), entries, "Velkaro");
  if (const std::optional<std::string> failure = system.WriteWholeFile(choice->path, file)) {
    system.ShowMessage("无法保存调色板“" + choice->path + "”：" + *failure, "Velkaro", MessageIcon::Error);
    return false;
  }
  return true;
}

}  // namespace velkaro
