#include "app/qt/AboutDlg.h"

#include "app/Settings.h"
#include "app/Shell.h"
#include "app/qt/Icons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace vmr {

CAboutDlg::CAboutDlg(const AppSettings& settings, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About"));
    auto* icon = new QLabel(this);
    icon->setPixmap(MakeIcon(IconKind::App).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    company = new QLabel(QString::fromStdString(settings.CompanyName), this);
    company->setObjectName("static1066");
    QFont bold = company->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    company->setFont(bold);
    version = new QLabel(QString::fromLatin1(kVersionText), this);
    version->setObjectName("static1262");
    applyText = new QLabel(QString::fromStdString(AboutModelText(settings)), this);
    applyText->setObjectName("static1068");
    applyText->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 12);
    grid->setHorizontalSpacing(18);
    grid->addWidget(icon, 0, 0, 3, 1);
    grid->addWidget(company, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(applyText, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    setMinimumWidth(360);
}

} // namespace vmr
