#include "platform/engine_library.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace tavrel {

namespace {

// Paths travel as UTF-8 text; the file system's own encoding (UTF-16 on
// Windows) is reached only through std::filesystem.
std::filesystem::path pathFromText(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string textFromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

#ifdef _WIN32
std::wstring widened(const std::string& utf8) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

// Loads by full path only; the error text is the system's number.
CalclteFunction bind(const std::string& path, std::string& loadError, bool& loaded) {
    // LOAD_WITH_ALTERED_SEARCH_PATH: the engine's own imports resolve beside it.
    HMODULE module = LoadLibraryExW(widened(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    loaded = module != nullptr;
    if (!loaded) {
        loadError = "system error " + std::to_string(GetLastError());
        return nullptr;
    }
    return reinterpret_cast<CalclteFunction>(
        reinterpret_cast<void*>(GetProcAddress(module, "CALCLTE")));
}
#else
CalclteFunction bind(const std::string& path, std::string& loadError, bool& loaded) {
    // A path with a slash is never looked up on a search path.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    loaded = handle != nullptr;
    if (!loaded) {
        const char* error = dlerror();
        loadError = error != nullptr ? error : "unknown error";
        return nullptr;
    }
    return reinterpret_cast<CalclteFunction>(dlsym(handle, "CALCLTE"));
}
#endif

}  // namespace

std::string programFolder() {
#ifdef _WIN32
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    return textFromPath(std::filesystem::path(path).parent_path());
#else
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : textFromPath(self.parent_path());
#endif
}

EngineLibrary::EngineLibrary(std::string folder)
    : folder_(textFromPath(std::filesystem::absolute(pathFromText(folder)).lexically_normal())),
      path_(textFromPath(pathFromText(folder_) / QUORVIX_FILE_NAME)) {
    // lexically_normal keeps a trailing separator; the messages name the folder without one.
    while (folder_.size() > 1 && (folder_.back() == '/' || folder_.back() == '\\'))
        folder_.pop_back();
}

CalclteFunction EngineLibrary::calclte() {
    if (calclte_ != nullptr || attempted_) return calclte_;
    attempted_ = true;
    // Insist on the file itself: a loader may try other names or places.
    std::error_code error;
    if (!std::filesystem::is_regular_file(pathFromText(path_), error)) {
        problem_ = "The analysis engine " QUORVIX_FILE_NAME " was not found in " + folder_ + ".";
        return nullptr;
    }
    std::string loadError;
    bool loaded = false;
    calclte_ = bind(path_, loadError, loaded);
    if (!loaded) {
        problem_ = "The analysis engine " + path_ + " could not be loaded: " + loadError;
    } else if (calclte_ == nullptr) {
        problem_ = "The analysis engine " + path_ + " has no entry CALCLTE.";
    }
    return calclte_;
}

}  // namespace tavrel
