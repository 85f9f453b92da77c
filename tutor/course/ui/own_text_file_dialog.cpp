#include "tutor/course/ui/own_text_file_dialog.h"

#include <QFileInfo>

#include "common/data_paths.h"
#include "common/ui/qt_text.h"

QStringList OwnTextFileDialog::NameFilters() {
    // Pattern lists in the form Qt reads; the first stands for the old preset name
    // "*.txt; *.rtf", which showed both kinds. "All files" takes names without a dot too.
    return {QStringLiteral("Text or rich text file (*.txt *.rtf)"),
            QStringLiteral("Text file (*.txt)"), QStringLiteral("Rich text format file (*.rtf)"),
            QStringLiteral("All files (*)")};
}

std::optional<std::string> OwnTextFileDialog::Choose(QWidget* parent, std::string& lastFolder,
                                                     QFileDialog::Options options) {
    const std::string folder = !lastFolder.empty() ? lastFolder : DataPaths::DataPath("text", "");
    QFileDialog dialog(parent, QStringLiteral("Open"), PathToQString(folder));
    dialog.setOptions(options);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFilters());
    dialog.selectNameFilter(NameFilters().front());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().front();
    lastFolder = PathFromQString(QFileInfo(chosen).absolutePath() + QLatin1Char('/'));
    return PathFromQString(chosen);
}
