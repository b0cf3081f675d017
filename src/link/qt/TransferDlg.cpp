#include "link/qt/TransferDlg.h"

#include "link/TransferWorker.h"
#include "link/qt/PasswordDlg.h"
#include "link/qt/SerialPort.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <functional>
#include <future>
#include <mutex>

namespace vmr {

// What the worker thread may reach of the dialog. The dialog clears the
// pointer (under the lock) before it goes, so nothing is posted to a dialog
// that is being destroyed; a request posted just before is dropped with it.
struct TransferDialogLink {
    std::mutex mutex;
    CTransferDlg* dialog = nullptr;
};

// The worker's side of the dialog: every call is queued to the dialog's
// thread, in order; the two questions wait for their answer.
class TransferPanelBridge : public TransferPanel {
public:
    TransferPanelBridge(std::shared_ptr<TransferDialogLink> link, int upper)
        : link_(std::move(link)), upper_(upper) {}

    int ProgressUpper() override { return upper_; }
    int StepProgress() override {
        const int position = ++position_;
        Post([position](CTransferDlg& d) {
            d.form_.SetProgressPosition(position);
            d.progress_->setValue(position);
        });
        return position;
    }
    void SetPercentText(const std::string& text) override {
        Post([text](CTransferDlg& d) {
            d.form_.SetPercentLabel(text);
            d.percent_->setText(QString::fromStdString(text));
        });
    }
    void DisableStart() override {
        Post([](CTransferDlg& d) {
            d.form_.DisableStart();
            d.start_->setEnabled(false);
        });
    }
    void SetSucceeded(bool succeeded) override {
        Post([succeeded](CTransferDlg& d) { d.form_.SetSucceeded(succeeded); });
    }
    void RequestClose() override {
        Post([](CTransferDlg& d) { d.OnCloseRequest(); });
    }
    void ShowMessage(const std::string& text) override {
        Ask<bool>(
            [text](CTransferDlg& d) {
                d.ShowTransferMessage(QString::fromStdString(text));
                return true;
            },
            true);
    }
    bool AskAccessCode() override {
        return Ask<bool>([](CTransferDlg& d) { return d.AskAccessCode(); }, false);
    }

private:
    void Post(std::function<void(CTransferDlg&)> call) {
        const std::lock_guard<std::mutex> lock(link_->mutex);
        CTransferDlg* d = link_->dialog;
        if (!d) return;
        QMetaObject::invokeMethod(
            d, [d, call = std::move(call)] { call(*d); }, Qt::QueuedConnection);
    }
    // Runs call on the dialog's thread and waits for its result; fallback when
    // the dialog goes before it could answer.
    template <typename R> R Ask(std::function<R(CTransferDlg&)> call, R fallback) {
        auto promise = std::make_shared<std::promise<R>>();
        std::future<R> answer = promise->get_future();
        Post([call = std::move(call), promise = std::move(promise)](CTransferDlg& d) {
            promise->set_value(call(d));
        });
        try {
            return answer.get();
        } catch (const std::future_error&) {
            return fallback;
        }
    }

    std::shared_ptr<TransferDialogLink> link_;
    int upper_;
    int position_ = 0;
};

CTransferDlg::CTransferDlg(TransferDirection dir, RadioImage& image, const QString& portPath,
                           QWidget* parent)
    : QDialog(parent), form_(dir), image_(image), portPath_(portPath),
      progress_(new QProgressBar(this)), percent_(new QLabel(this)),
      start_(new QPushButton(QStringLiteral("Start"), this)),
      exit_(new QPushButton(QStringLiteral("Exit"), this)),
      link_(std::make_shared<TransferDialogLink>()) {
    link_->dialog = this;
    setWindowTitle(QString::fromStdString(form_.Title()));
    setModal(true);

    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, form_.ProgressUpper());
    progress_->setValue(form_.ProgressPosition());
    progress_->setTextVisible(false);
    percent_->setObjectName(QStringLiteral("percent"));
    percent_->setAlignment(Qt::AlignCenter);
    percent_->setText(QString::fromStdString(form_.PercentLabel()));
    start_->setObjectName(QStringLiteral("start"));
    start_->setDefault(true);
    exit_->setObjectName(QStringLiteral("exit"));
    exit_->setAutoDefault(false);
    connect(start_, &QPushButton::clicked, this, &CTransferDlg::OnStart);
    connect(exit_, &QPushButton::clicked, this, &CTransferDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(exit_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    layout->addWidget(percent_);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}

CTransferDlg::~CTransferDlg() {
    {
        const std::lock_guard<std::mutex> lock(link_->mutex);
        link_->dialog = nullptr;
    }
    if (worker_) {
        // Only when the dialog is torn down under a running transfer: stop it
        // and wait. Requests still queued are dropped, so a question the
        // transfer waits on is answered "no".
        QCoreApplication::removePostedEvents(this);
        form_.Flags().TransferCancel = true;
        worker_->wait();
        delete worker_;
    }
}

void CTransferDlg::OnStart() {
    if (!form_.OnStart()) return;
    const TransferJob job{form_.Direction(), portPath_.toStdString(), {}};
    auto link = link_;
    const int upper = form_.ProgressUpper();
    TransferFlags* flags = &form_.Flags();
    RadioImage* image = &image_;
    worker_ = QThread::create([job, link, upper, flags, image] {
        // The port belongs to this thread from its opening to its closing.
        SerialPort port;
        TransferPanelBridge panel(link, upper);
        TransferWorker(job, *image, port, panel, *flags);
    });
    worker_->start();
}

void CTransferDlg::reject() {
    if (form_.OnExit()) CloseNow();
}

void CTransferDlg::OnCloseRequest() {
    if (form_.OnExit()) CloseNow();
}

void CTransferDlg::CloseNow() {
    if (closed_) return;
    closed_ = true;
    // The transfer has cleared its busy flag and asked for this close as its
    // last act; its thread ends at once.
    if (worker_) {
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
    }
    done(form_.Succeeded() ? QDialog::Accepted : QDialog::Rejected);
}

void CTransferDlg::ShowTransferMessage(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, this);
    box.exec();
}

bool CTransferDlg::AskAccessCode() {
    CPasswordDlg dlg(this);
    return dlg.exec() == QDialog::Accepted;
}

} // namespace vmr
