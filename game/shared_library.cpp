// Opening a shared library from a folder and binding functions by name.
#include "game/shared_library.h"

#include <dlfcn.h>

namespace kestrel {

SharedLibrary::SharedLibrary(std::string folder, std::string fileName)
    : folder_(std::move(folder)), fileName_(std::move(fileName)) {}

SharedLibrary::~SharedLibrary() {
  if (handle_) ::dlclose(handle_);
}

void* SharedLibrary::Symbol(const char* name) {
  if (!tried_) {
    tried_ = true;
    handle_ = ::dlopen(Path().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
      const char* e = ::dlerror();
      error_ = e ? e : "cannot open " + Path();
    }
  }
  if (!handle_) return nullptr;
  ::dlerror();
  void* sym = ::dlsym(handle_, name);
  if (!sym) {
    const char* e = ::dlerror();
    error_ = e ? e : std::string(name) + " not found in " + Path();
  }
  return sym;
}

}  // namespace kestrel
