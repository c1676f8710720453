// One shared library in a given folder, opened at the first look-up of a
// function by name and closed with the object.
#pragma once

#include <string>

namespace kestrel {

class SharedLibrary {
 public:
  SharedLibrary(std::string folder, std::string fileName);
  ~SharedLibrary();
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  std::string Path() const { return folder_ + "/" + fileName_; }

  // The address of the named function; nullptr when the library or the
  // function is missing (Error() then says why). A failed open is not
  // retried.
  void* Symbol(const char* name);
  const std::string& Error() const { return error_; }

 private:
  std::string folder_;
  std::string fileName_;
  void* handle_ = nullptr;
  bool tried_ = false;
  std::string error_;
};

}  // namespace kestrel
