#include "link/qt/PortDlg.h"

#include "link/qt/SerialPort.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vmr {

namespace {

#ifdef Q_OS_WIN
constexpr bool kNumberedPorts = true;
#else
constexpr bool kNumberedPorts = false;
#endif

std::vector<PortCandidate> SystemCandidates() {
    if (kNumberedPorts) return NumberedPortCandidates();
    std::vector<PortCandidate> out;
    for (const SerialPortEntry& p : ListSerialPorts())
        out.push_back({p.name.toStdString(), p.path.toStdString()});
    return out;
}

bool ProbePath(const std::string& path) {
    return ProbeSerialPort(QString::fromStdString(path));
}

} // namespace

CPortDlg::CPortDlg(const QString& currentPort, QWidget* parent)
    : CPortDlg(currentPort, SystemCandidates(), ProbePath, kNumberedPorts, parent) {}

CPortDlg::CPortDlg(const QString& currentPort, const std::vector<PortCandidate>& candidates,
                   const PortForm::Probe& probe, bool byNumber, QWidget* parent)
    : QDialog(parent), chosen_(currentPort) {
    form_.Load(currentPort.toStdString(), candidates, probe, byNumber);
    Build(!byNumber);
    ShowSelection();
}

void CPortDlg::Build(bool withPathField) {
    setWindowTitle(QStringLiteral("Port"));
    setModal(true);
    auto* box = new QGroupBox(QStringLiteral("Port"), this);
    auto* grid = new QGridLayout(box);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < kPortButtons; ++i) {
        const PortButton& b = form_.Buttons()[static_cast<std::size_t>(i)];
        auto* radio = new QRadioButton(QString::fromStdString(b.text), box);
        radio->setObjectName(QStringLiteral("port%1").arg(i + 1));
        radio->setEnabled(b.enabled);
        radio->setToolTip(QString::fromStdString(b.path));
        if (b.text.empty()) {
            // No port behind this place of the grid: keep the place, show nothing.
            QSizePolicy policy = radio->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            radio->setSizePolicy(policy);
            radio->setVisible(false);
        }
        group_->addButton(radio, i);
        grid->addWidget(radio, i / 4, i % 4);
        buttons_.push_back(radio);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        form_.OnButtonClicked(id);
        if (path_) path_->setText(QString::fromStdString(form_.PathText()));
        ShowSelection();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    if (withPathField) {
        path_ = new QLineEdit(QString::fromStdString(form_.PathText()), this);
        path_->setObjectName(QStringLiteral("path"));
        path_->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
        connect(path_, &QLineEdit::textEdited, this, [this](const QString& text) {
            form_.OnPathEdited(text.toStdString());
            ShowSelection();
        });
        auto* form = new QFormLayout;
        form->addRow(QStringLiteral("Device:"), path_);
        layout->addLayout(form);
    }
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(ok, &QDialogButtonBox::accepted, this, &CPortDlg::accept);
    connect(ok, &QDialogButtonBox::rejected, this, &CPortDlg::reject);
    layout->addWidget(ok);
}

void CPortDlg::ShowSelection() {
    // An exclusive group cannot show "none" by itself.
    group_->setExclusive(false);
    for (int i = 0; i < kPortButtons; ++i)
        buttons_[static_cast<std::size_t>(i)]->setChecked(i == form_.Selected());
    group_->setExclusive(true);
}

void CPortDlg::accept() {
    chosen_ = QString::fromStdString(form_.OnOk());
    QDialog::accept();
}

} // namespace vmr
