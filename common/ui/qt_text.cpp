#include "common/ui/qt_text.h"

#include "common/code_page.h"

QString ToQString(std::string_view codePageText) {
    std::string utf8 = CodePage::Program().ToUtf8(codePageText);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    return CodePage::Program().FromUtf8(std::string_view(utf8.constData(), utf8.size()));
}

QString PathToQString(const std::string& path) {
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

std::string PathFromQString(const QString& path) {
    QByteArray utf8 = path.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}
