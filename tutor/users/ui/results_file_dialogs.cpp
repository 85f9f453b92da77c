#include "tutor/users/ui/results_file_dialogs.h"

#include <QDir>
#include <QFileDialog>

#include "common/ui/qt_text.h"
#include "tutor/users/recent_folder.h"
#include "tutor/users/results_files.h"

ResultsFileDialogs::ResultsFileDialogs(SettingsStore& settings, QWidget* parent)
    : settings_(settings), parent_(parent) {}

std::optional<std::string> ResultsFileDialogs::SaveResultsFile() {
    return Ask(true);
}

std::optional<std::string> ResultsFileDialogs::LoadResultsFile() {
    return Ask(false);
}

std::optional<std::string> ResultsFileDialogs::Ask(bool save) {
    RecentFolder folder(settings_, kFolderSection, kFolderKey);
    QFileDialog dialog(parent_, save ? QObject::tr("Save As") : QObject::tr("Open"),
                       PathToQString(folder.Folder(PathFromQString(QDir::homePath()))),
                       QString::fromLatin1(ResultsFiles::kFilter));
    dialog.selectFile(QString::fromLatin1(ResultsFiles::kPreset));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QString::fromLatin1(ResultsFiles::kExtension));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    std::string path = PathFromQString(dialog.selectedFiles().constFirst());
    folder.RememberFileFolder(path);
    if (save) {
        path = ResultsFiles::WithStatExtension(path);
    }
    return path;
}
