// Registry of the writers of seed corpora for the fuzz targets, run by make_seeds.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vl::fuzz {

// The seed folder of one fuzz target.
class SeedFolder {
 public:
  explicit SeedFolder(std::string path) : path_(std::move(path)) {}
  // Writes one seed file; throws std::runtime_error when it cannot be written.
  void add(const std::string& name, const std::vector<uint8_t>& bytes) const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

using SeedWriter = void (*)(const SeedFolder& folder);

struct SeedRegistration {
  const char* target;  // the fuzz target's name, which is also its seed folder's name
  SeedWriter write;
};

// Every registered writer, in registration order.
std::vector<SeedRegistration>& SeedRegistry();

struct SeedRegistrar {
  SeedRegistrar(const char* target, SeedWriter write) { SeedRegistry().push_back({target, write}); }
};

}  // namespace vl::fuzz

// Registers `function` as a seed writer of fuzz target `target`, at namespace scope in
// a source added to make_seeds (fuzz/CMakeLists.txt: velloran_seeds(file.cpp)).
#define VELLORAN_SEEDS(target, function) \
  static const ::vl::fuzz::SeedRegistrar seedRegistrar_##function(#target, function)
