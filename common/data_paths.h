#pragma once

#include <string>
#include <string_view>

/// Where the programs find their data. The program folder is the folder that holds the data
/// folders ("config", "lessons", "pictures", "sounds", "charconfig", "text", "help"): the
/// executable's own folder when it holds them (a build tree or a portable copy), otherwise the
/// installed share folder (<prefix>/share/kelvane, found relative to the executable). The
/// environment variable KELVANE_DATA_DIR, when set, names it directly.
class DataPaths {
  public:
    /// Decides the program folder for the running executable. appName ("Kelvane", "Morvik")
    /// names the folder of writable data under the user's XDG data folder.
    static void InitForExecutable(const std::string& executablePath, std::string appName);
    /// The path of the running executable (/proc/self/exe).
    static std::string ExecutablePath();

    /// Sets the program folder directly (tests, --check-data FOLDER).
    static void SetProgramFolder(std::string folder);
    /// The program folder, ending with "/".
    static const std::string& ProgramFolder();

    /// Program folder + folder + "/" + file; with an empty folder, program folder + file.
    static std::string DataPath(std::string_view folder, std::string_view file);

    /// The folder for writable data such as "users", ending with "/": beside the program when
    /// the program folder is writable and not an installed share folder, else under
    /// $XDG_DATA_HOME (~/.local/share)/<appName>.
    /// The folder is created when missing.
    static std::string WritableFolder(std::string_view folder);
    /// Puts writable data under root instead (tests).
    static void SetWritableRoot(std::string root);

    static bool HoldsDataFolders(const std::string& folder);
};
