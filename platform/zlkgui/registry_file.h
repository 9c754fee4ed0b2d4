// The settings file on disk: where it is, reading it, and committing changes to it atomically
// under a lock on "<file>.lock", setting aside a file that cannot be parsed. Private to zlkgui.
#pragma once

#include <functional>
#include <string>

#include "registry_document.h"

namespace zlk {

// $QUORLEX_REGISTRY, else $XDG_CONFIG_HOME/quorlex/registry.reg, else
// ~/.config/quorlex/registry.reg.
std::string DefaultRegistryPath();

class RegistryFile {
 public:
  explicit RegistryFile(std::string path) : path_(std::move(path)) {}

  // The document as the file holds it now; empty when the file is missing. A file that cannot be
  // parsed is set aside (under the lock) with one warning on standard error.
  RegistryDocument Load() const;
  // Under the lock: reads the file again, lets `change` edit it, writes the result to a temporary
  // beside the file, flushes it and renames it over the file. False (with one warning on
  // standard error) when that failed; the file then holds what it held before.
  bool Update(const std::function<void(RegistryDocument&)>& change) const;

  const std::string& path() const { return path_; }

 private:
  RegistryDocument ReadLocked() const;
  void SetAside(const std::string& reason) const;

  std::string path_;
};

}  // namespace zlk
