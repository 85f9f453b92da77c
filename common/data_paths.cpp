#include "common/data_paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/product_version.h"

namespace fs = std::filesystem;

namespace {

// Where an installed program's data lies, seen from the folder of its executable; the build
// computes it from the install folders (GNUInstallDirs), so a relocated prefix still works.
#ifdef KELVANE_DATA_FROM_BIN
constexpr std::string_view kInstalledDataFromBin = KELVANE_DATA_FROM_BIN;
#else
constexpr std::string_view kInstalledDataFromBin = "../share/kelvane";
#endif

struct State {
    std::string programFolder = "./";
    std::string appName = kKelvaneName;
    std::string writableRoot;  // empty: decide from the program folder
    // The program folder is an installed share folder: it belongs to the package, so nothing
    // is ever written into it, even by a user (such as root) who could.
    bool installed = false;
};

State& GetState() {
    static State state;
    return state;
}

std::string WithSlash(std::string folder) {
    if (folder.empty()) {
        return "./";
    }
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

}  // namespace

bool DataPaths::HoldsDataFolders(const std::string& folder) {
    static const char* const kFolders[] = {"config", "lessons", "pictures", "charconfig", "text"};
    std::error_code ec;
    for (const char* name : kFolders) {
        if (fs::is_directory(fs::path(folder) / name, ec)) {
            return true;
        }
    }
    return false;
}

std::string DataPaths::ExecutablePath() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

void DataPaths::InitForExecutable(const std::string& executablePath, std::string appName) {
    State& state = GetState();
    state.appName = std::move(appName);
    state.installed = false;
    if (const char* forced = std::getenv("KELVANE_DATA_DIR"); forced && *forced) {
        state.programFolder = WithSlash(forced);
        return;
    }
    fs::path exeFolder = fs::path(executablePath).parent_path();
    if (exeFolder.empty()) {
        exeFolder = ".";
    }
    if (HoldsDataFolders(exeFolder.string())) {
        state.programFolder = WithSlash(exeFolder.string());
        return;
    }
    fs::path share = exeFolder / fs::path(kInstalledDataFromBin);
    state.programFolder = WithSlash(share.lexically_normal().string());
    state.installed = true;
}

void DataPaths::SetProgramFolder(std::string folder) {
    GetState().programFolder = WithSlash(std::move(folder));
    GetState().installed = false;
}

const std::string& DataPaths::ProgramFolder() {
    return GetState().programFolder;
}

std::string DataPaths::DataPath(std::string_view folder, std::string_view file) {
    std::string path = ProgramFolder();
    if (!folder.empty()) {
        path.append(folder);
        path += '/';
    }
    path.append(file);
    return path;
}

void DataPaths::SetWritableRoot(std::string root) {
    GetState().writableRoot = std::move(root);
}

std::string DataPaths::WritableFolder(std::string_view folder) {
    State& state = GetState();
    std::error_code ec;
    fs::path result;
    if (!state.writableRoot.empty()) {
        result = fs::path(state.writableRoot) / folder;
    } else {
        fs::path beside = fs::path(state.programFolder) / folder;
        bool besideUsable =
            !state.installed &&
            (fs::is_directory(beside, ec) ? access(beside.c_str(), W_OK | X_OK) == 0
                                          : access(state.programFolder.c_str(), W_OK | X_OK) == 0);
        if (besideUsable) {
            result = beside;
        } else {
            const char* xdg = std::getenv("XDG_DATA_HOME");
            fs::path base;
            if (xdg && *xdg == '/') {
                base = xdg;
            } else {
                const char* home = std::getenv("HOME");
                base = fs::path(home ? home : ".") / ".local" / "share";
            }
            result = base / state.appName / folder;
        }
    }
    fs::create_directories(result, ec);
    return WithSlash(result.string());
}
