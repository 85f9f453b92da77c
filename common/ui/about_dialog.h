#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

class HyperLink;

/// The About box of both programs: icon, product name, version, a line about the program
/// and links to the maker's web site and mail address.
class AboutDialog final : public QDialog {
    Q_OBJECT

  public:
    static inline const QString kWebSite = QStringLiteral("https://kelvane.example.org");
    static inline const QString kMailAddress = QStringLiteral("support@kelvane.example.org");

    AboutDialog(const QString& productName, const QString& version, const QString& description,
                const QIcon& icon, QWidget* parent = nullptr);

    HyperLink* webLink() const { return webLink_; }
    HyperLink* mailLink() const { return mailLink_; }

  private:
    HyperLink* webLink_;
    HyperLink* mailLink_;
};
