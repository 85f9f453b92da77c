#include "common/ui/program_start.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <QPixmapCache>

#include <clocale>
#include <iostream>
#include <string>

#include "common/code_page.h"
#include "common/data_paths.h"
#include "common/settings_store.h"

void PrepareProgram(std::string_view applicationName, SettingsStore& settings) {
    std::setlocale(LC_NUMERIC, "C");
    DataPaths::InitForExecutable(DataPaths::ExecutablePath(), std::string(applicationName));
    std::string page = settings.ReadString("", "CodePage", "1250");
    if (!CodePage::SetProgram(page)) {
        std::cerr << applicationName << ": unknown code page \"" << page
                  << "\" in the settings; using " << CodePage::Program().number() << '\n';
    }
}

void ReturnFreedMemory() {
    // The style keeps what it drew for the closed dialog's buttons and headers; what the
    // windows still open need is drawn again at their next paint.
    QPixmapCache::clear();
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
