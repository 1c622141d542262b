// The INI reader and writer on any file contents: reading never fails, and a
// written key reads back while the rest of the file keeps its keys.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ini_file.h"

namespace {

std::filesystem::path ScratchFile() {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("ini_file_fuzzer_" + std::to_string(getpid()) + ".ini");
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path path = ScratchFile();
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  const IniFile ini(path);
  const std::string otherBefore = ini.Read("other", "key");
  ini.Read("配置", "计算精度");
  if (!ini.Write("配置", "计算精度", "42")) std::abort();
  if (ini.Read("配置", "计算精度") != "42") std::abort();
  if (ini.Read("other", "key") != otherBefore) std::abort();
  return 0;
}
