// Any bytes as the directives file: loading never fails, the directives follow the reading rules,
// and the position saved from them loads back unchanged.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "preferences/pref_module.h"

namespace {
std::string gFolder;

void RemoveFolder() {
  std::remove((gFolder + "/rozovozu.txt").c_str());
  rmdir(gFolder.c_str());
}

std::string FilePath() {
  if (gFolder.empty()) {
    // In memory where there is such a place: every save syncs the file.
    gFolder = access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz_prefs-XXXXXX" : "/tmp/fuzz_prefs-XXXXXX";
    if (!mkdtemp(gFolder.data())) std::abort();
    setenv("XDG_CONFIG_HOME", gFolder.c_str(), 1);
    std::atexit(RemoveFolder);
  }
  return gFolder + "/rozovozu.txt";
}

void Load() {
  prefModule::InitDirectives();
  prefModule::Window1Top = prefModule::Window1Left = 0;
  prefModule::loadPrefs();
}

void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(FilePath().c_str(), "wb");
  Check(file != nullptr);
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  Load();
  const auto top = prefModule::Window1Top, left = prefModule::Window1Left;
  Check(prefModule::gDirectives.front() == nullptr);
  for (std::size_t i = 1; i < prefModule::gDirectives.size(); ++i) {
    const directiveClass& d = *prefModule::gDirectives[i];
    Check(d.name.find(U' ') == String::npos && d.name == Lowercase(d.name));
    Check(d.text.find_first_of(U"\r\n") == String::npos);
  }

  prefModule::savePrefs();
  Load();
  Check(prefModule::Window1Top == top && prefModule::Window1Left == left);
  return 0;
}
