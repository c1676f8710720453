// A temporary folder for tests that work on real files; removed with
// everything in it when the object goes out of scope.
#pragma once

#include <string>

namespace kestrel::testing {

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

  // Whole-file helpers (binary).
  static void Put(const std::string& path, const std::string& bytes);
  static std::string Get(const std::string& path);
  static bool Exists(const std::string& path);

 private:
  std::string path_;
};

}  // namespace kestrel::testing
