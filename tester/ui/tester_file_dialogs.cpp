#include "tester/ui/tester_file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

#include "common/ui/qt_text.h"
#include "tester/initial_file_name.h"

namespace {

std::optional<std::string> Run(QWidget* parent, const std::string& filter,
                               const std::string& initialName, QFileDialog::AcceptMode mode) {
    const InitialFileName start = InitialFileName::Split(initialName);
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(TesterFileDialogs::QtFilter(filter));
    if (!start.folder.empty()) {
        dialog.setDirectory(PathToQString(start.folder));
    }
    if (!start.file.empty()) {
        dialog.selectFile(PathToQString(start.file));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromQString(dialog.selectedFiles().first());
}

}  // namespace

std::optional<std::string> TesterFileDialogs::AskOpenFileName(QWidget* parent,
                                                              const std::string& filter,
                                                              const std::string& initialName) {
    return Run(parent, filter, initialName, QFileDialog::AcceptOpen);
}

std::optional<std::string> TesterFileDialogs::AskSaveFileName(QWidget* parent,
                                                              const std::string& filter,
                                                              const std::string& initialName) {
    return Run(parent, filter, initialName, QFileDialog::AcceptSave);
}

QString TesterFileDialogs::QtFilter(std::string_view filter) {
    // Pairs of a description and its patterns; Qt takes the patterns from the description.
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()))
            .trimmed()
            .split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].isEmpty()) {
            filters << parts[i];
        }
    }
    return filters.join(QStringLiteral(";;"));
}
