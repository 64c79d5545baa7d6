// make_seeds OUT_DIR: writes the seed corpus of every fuzz target into OUT_DIR/<target>/.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "fuzz/seeds.h"
#include "tests/support/image_writer.h"

namespace vl::fuzz {

void SeedFolder::add(const std::string& name, const std::vector<uint8_t>& bytes) const {
  vl::test::WriteBytes(path_ + "/" + name, bytes);
}

std::vector<SeedRegistration>& SeedRegistry() {
  static std::vector<SeedRegistration> registry;
  return registry;
}

}  // namespace vl::fuzz

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_seeds OUT_DIR\n", stderr);
    return 2;
  }
  try {
    for (const auto& seeds : vl::fuzz::SeedRegistry()) {
      const std::filesystem::path folder = std::filesystem::path(argv[1]) / seeds.target;
      std::filesystem::create_directories(folder);
      seeds.write(vl::fuzz::SeedFolder(folder.string()));
      std::printf("%s\n", folder.c_str());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
