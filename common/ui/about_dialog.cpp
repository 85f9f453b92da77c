#include "common/ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "common/ui/hyper_link.h"

AboutDialog::AboutDialog(const QString& productName, const QString& version,
                         const QString& description, const QIcon& icon, QWidget* parent)
    : QDialog(parent),
      webLink_(new HyperLink(kWebSite, this)),
      mailLink_(new HyperLink(kMailAddress, this)) {
    setWindowTitle(tr("About %1").arg(productName));
    setObjectName(QStringLiteral("AboutDialog"));

    auto* iconLabel = new QLabel(this);
    iconLabel->setPixmap(icon.pixmap(64, 64));
    iconLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name = new QLabel(productName, this);
    name->setObjectName(QStringLiteral("productName"));
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
    nameFont.setBold(true);
    name->setFont(nameFont);

    auto* versionLabel = new QLabel(tr("Version %1").arg(version), this);
    versionLabel->setObjectName(QStringLiteral("version"));
    auto* descriptionLabel = new QLabel(description, this);
    auto* copyright = new QLabel(tr("Copyright \u00A9 zuv SOFTWARE"), this);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(name);
    text->addWidget(versionLabel);
    text->addWidget(descriptionLabel);
    text->addSpacing(10);
    text->addWidget(copyright);
    text->addWidget(webLink_);
    text->addWidget(mailLink_);
    text->addStretch(1);

    auto* body = new QHBoxLayout;
    body->setSpacing(18);
    body->addWidget(iconLabel);
    body->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
