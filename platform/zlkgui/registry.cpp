#include <utility>
#include <vector>

#include "ZLKRegistry.h"
#include "registry_file.h"

namespace {

constexpr int kCurrentUserHive = 1;
const wchar_t kCurrentUserRoot[] = L"HKEY_CURRENT_USER\\";

// A key path the file format can hold: parts separated by single backslashes, no brackets or
// control characters.
bool ValidKeyPath(const std::wstring& path) {
  if (path.empty() || path.front() == L'\\' || path.back() == L'\\') return false;
  if (path.find(L"\\\\") != std::wstring::npos) return false;
  for (wchar_t c : path) {
    if (c < 0x20 || c == 0x7F || c == L'[' || c == L']') return false;
  }
  return true;
}

// A value name the file can hold on one line.
bool ValidValueName(const std::wstring& name) {
  if (name.empty()) return false;
  for (wchar_t c : name) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  return true;
}

}  // namespace

class ZLKRegistry::Impl {
 public:
  Impl() : file_(zlk::DefaultRegistryPath()) {}

  bool SelectKey(const std::wstring& path, int hive) {
    pending_.clear();
    key_.clear();
    if (hive != kCurrentUserHive || !ValidKeyPath(path)) return false;
    key_ = kCurrentUserRoot + path;
    snapshot_ = file_.Load();
    return true;
  }

  std::optional<zlk::RegistryValue> Read(const std::wstring& name) const {
    if (key_.empty()) return std::nullopt;
    for (auto it = pending_.rbegin(); it != pending_.rend(); ++it) {
      if (zlk::SameName(it->first, name)) return it->second;
    }
    return snapshot_.Get(key_, name);
  }

  bool Write(const std::wstring& name, zlk::RegistryValue value) {
    if (key_.empty() || !ValidValueName(name)) return false;
    pending_.emplace_back(name, std::move(value));
    return true;
  }

  bool Commit() {
    if (pending_.empty()) return true;
    bool saved = file_.Update([this](zlk::RegistryDocument& document) {
      for (const auto& [name, value] : pending_) document.Set(key_, name, value);
    });
    if (saved) {
      for (const auto& [name, value] : pending_) snapshot_.Set(key_, name, value);
    }
    pending_.clear();
    return saved;
  }

  const std::string& path() const { return file_.path(); }

 private:
  zlk::RegistryFile file_;
  std::wstring key_;
  zlk::RegistryDocument snapshot_;
  std::vector<std::pair<std::wstring, zlk::RegistryValue>> pending_;
};

ZLKRegistry::ZLKRegistry() : impl_(std::make_unique<Impl>()) {}

ZLKRegistry::~ZLKRegistry() { impl_->Commit(); }

int ZLKRegistry::SetKey(CString path, int hive) { return impl_->SelectKey(path.str(), hive); }

int ZLKRegistry::ReadBool(CString name, int defaultValue) {
  auto value = impl_->Read(name.str());
  if (!value || value->type != zlk::RegistryValue::Type::Dword) return defaultValue;
  return value->dword != 0 ? 1 : 0;
}

int ZLKRegistry::ReadInt(CString name, int defaultValue) {
  auto value = impl_->Read(name.str());
  if (!value || value->type != zlk::RegistryValue::Type::Dword) return defaultValue;
  return static_cast<int>(static_cast<std::int32_t>(value->dword));
}

CString ZLKRegistry::ReadString(CString name, CString defaultValue) {
  auto value = impl_->Read(name.str());
  if (!value || value->type != zlk::RegistryValue::Type::String) return defaultValue;
  return CString(value->string);
}

int ZLKRegistry::WriteBool(CString name, int value) {
  zlk::RegistryValue stored;
  stored.type = zlk::RegistryValue::Type::Dword;
  stored.dword = value != 0 ? 1 : 0;
  return impl_->Write(name.str(), stored);
}

int ZLKRegistry::WriteInt(CString name, int value) {
  zlk::RegistryValue stored;
  stored.type = zlk::RegistryValue::Type::Dword;
  stored.dword = static_cast<std::uint32_t>(value);
  return impl_->Write(name.str(), stored);
}

int ZLKRegistry::WriteString(CString name, CString value) {
  zlk::RegistryValue stored;
  stored.type = zlk::RegistryValue::Type::String;
  stored.string = value.str();
  return impl_->Write(name.str(), stored);
}

int ZLKRegistry::Commit() { return impl_->Commit(); }

const std::string& ZLKRegistry::FilePath() const { return impl_->path(); }
