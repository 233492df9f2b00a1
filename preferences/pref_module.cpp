#include "preferences/pref_module.h"

#include "framework/exceptions.h"
#include "framework/special_folder.h"
#include "framework/text_input_stream.h"
#include "framework/text_output_stream.h"

namespace prefModule {
std::int32_t Window1Top = 0;
std::int32_t Window1Left = 0;
std::vector<std::shared_ptr<directiveClass>> gDirectives;

namespace {
const String kFileName = U"rozovozu.txt";

std::shared_ptr<FolderItem> DirectivesFile() {
  auto folder = SpecialFolder::Preferences();
  return folder ? folder->Child(kFileName) : nullptr;
}
}  // namespace

void loadPrefs() {
  if (!extractDirectives(DirectivesFile())) {
    Window1Top = 50;
    Window1Left = 20;
    return;
  }
  for (std::size_t i = 1; i < gDirectives.size(); ++i) {
    const directiveClass& directive = NotNil(gDirectives[i]);
    if (SameText(directive.name, U"Window1Position")) {
      // Any text loads: beyond the 32-bit range a value saturates at the bound, a fraction rounds
      // toward zero.
      Window1Top = ToInt32(Val(NthField(directive.text, U",", 1)));
      Window1Left = ToInt32(Val(NthField(directive.text, U",", 2)));
    }
  }
}

void savePrefs() {
  auto file = DirectivesFile();
  if (!file) return;
  // No delete first: the new file replaces the old one only once it is complete, so a save that
  // fails keeps the position saved before.
  auto stream = file->CreateTextFile();
  if (!stream) return;
  stream->WriteLine(U"#Window1Position " + Str(Window1Top) + U"," + Str(Window1Left));
  stream->Close();
}

bool extractDirectives(std::shared_ptr<FolderItem> file) {
  if (!file) return false;
  auto stream = file->OpenAsTextFile();
  if (!stream) return false;
  while (!stream->Eof()) {
    const String line = stream->ReadLine();
    const String first = Mid(line, 1, 1);
    if (first != U"#" && first != U"'") break;
    if (first == U"'") continue;
    const std::int64_t p = InStr(line, U" ");
    if (p == 0) continue;
    auto directive = std::make_shared<directiveClass>();
    directive->name = Lowercase(Mid(line, 2, p - 2));
    directive->text = Mid(line, p + 1);
    gDirectives.push_back(directive);
  }
  stream->Close();
  return true;
}

void InitDirectives() { gDirectives.assign(1, nullptr); }
void ReleaseDirectives() { gDirectives.clear(); }
}  // namespace prefModule
