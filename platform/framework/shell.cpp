#include <dlfcn.h>
#include <link.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "afxstr.h"
#include "windows.h"

extern char** environ;

namespace {

HINSTANCE ShellResult(INT_PTR code) { return reinterpret_cast<HINSTANCE>(code); }

// Runs `opener file [parameters]` and waits for it; true when it exited with status 0.
bool RunOpener(const std::string& opener, const std::string& file, const std::string& parameters,
               const std::string& directory) {
  std::vector<std::string> words = {opener, file};
  if (!parameters.empty()) words.push_back(parameters);
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  pid_t pid = 0;
  int failed = posix_spawnp(&pid, opener.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) return false;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct ModuleSearch {
  std::uintptr_t address;
  std::string path;
  bool found = false;
};

// Finds the loaded object one of whose segments holds `address`.
int MatchModule(dl_phdr_info* info, std::size_t, void* data) {
  auto* search = static_cast<ModuleSearch*>(data);
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const auto& segment = info->dlpi_phdr[i];
    if (segment.p_type != PT_LOAD) continue;
    std::uintptr_t start = info->dlpi_addr + segment.p_vaddr;
    if (search->address < start || search->address >= start + segment.p_memsz) continue;
    search->path = info->dlpi_name ? info->dlpi_name : "";
    search->found = true;
    return 1;
  }
  return 0;
}

std::string ProgramPath() {
  char buffer[PATH_MAX];
  ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

std::string ModulePath(HMODULE module) {
  if (!module) return ProgramPath();
  ModuleSearch search{reinterpret_cast<std::uintptr_t>(module), {}};
  dl_iterate_phdr(MatchModule, &search);
  if (!search.found) return {};
  if (search.path.empty()) return ProgramPath();
  char resolved[PATH_MAX];
  return ::realpath(search.path.c_str(), resolved) ? std::string(resolved) : search.path;
}

void CopyPart(wchar_t* out, std::size_t capacity, const std::wstring& part) {
  if (!out) return;
  std::size_t count = part.size() < capacity - 1 ? part.size() : capacity - 1;
  std::wmemcpy(out, part.data(), count);
  out[count] = L'\0';
}

}  // namespace

HINSTANCE ShellExecuteW(HWND, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                        int) {
  if (verb && std::wcscmp(verb, L"open") != 0) return ShellResult(SE_ERR_NOASSOC);
  if (!file || !*file) return ShellResult(SE_ERR_FNF);
  std::string path = WideToUtf8(file);
  std::string folder = directory ? WideToUtf8(directory) : std::string();
  if (path[0] != '/' && !folder.empty()) path = folder + "/" + path;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return ShellResult(SE_ERR_FNF);
  if (::access(path.c_str(), R_OK) != 0) return ShellResult(SE_ERR_ACCESSDENIED);
  const char* configured = std::getenv("QUORLEX_OPENER");
  std::string opener = configured && *configured ? configured : "xdg-open";
  std::string arguments = parameters ? WideToUtf8(parameters) : std::string();
  if (!RunOpener(opener, path, arguments, folder)) return ShellResult(SE_ERR_NOASSOC);
  return ShellResult(42);
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size) {
  if (!fileName || size == 0) return 0;
  std::string path = ModulePath(module);
  if (path.empty()) {
    fileName[0] = L'\0';
    return 0;
  }
  std::wstring wide = Utf8ToWide(path);
  CopyPart(fileName, size, wide);
  return static_cast<DWORD>(std::wcslen(fileName));
}

void _wsplitpath(const wchar_t* path, wchar_t* drive, wchar_t* dir, wchar_t* fname, wchar_t* ext) {
  std::wstring text = path ? path : L"";
  std::size_t slash = text.rfind(L'/');
  std::size_t nameStart = slash == std::wstring::npos ? 0 : slash + 1;
  std::wstring name = text.substr(nameStart);
  std::size_t dot = name.rfind(L'.');
  if (dot == std::wstring::npos) dot = name.size();
  CopyPart(drive, _MAX_DRIVE, L"");
  CopyPart(dir, _MAX_DIR, text.substr(0, nameStart));
  CopyPart(fname, _MAX_FNAME, name.substr(0, dot));
  CopyPart(ext, _MAX_EXT, name.substr(dot));
}
