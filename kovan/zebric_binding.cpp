#include "kovan/zebric_binding.h"

#include <dlfcn.h>

#include <filesystem>

#include "kovan/kovan_error.h"

namespace pemo::kovan {

ZebricBinding::ZebricBinding(std::string folder) : folder_(std::move(folder)) {}

KeisanFunction ZebricBinding::keisan() {
  std::lock_guard guard(mutex_);
  if (keisan_) return keisan_;
  const std::string file = (std::filesystem::path(folder_) / "libzebric.so").string();
  void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) throw KovanError(kErrDllLoad, errorText(kErrDllLoad) + " (" + file + ")");
  void* entry = dlsym(library, "Keisan");
  if (!entry) {
    dlclose(library);
    throw KovanError(kErrDllEntryNotFound, errorText(kErrDllEntryNotFound) + " (Keisan)");
  }
  keisan_ = reinterpret_cast<KeisanFunction>(entry);
  return keisan_;
}

std::string kovanLibraryFolder() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&kovanLibraryFolder), &info) || !info.dli_fname) return ".";
  return std::filesystem::path(info.dli_fname).parent_path().string();
}

}  // namespace pemo::kovan
