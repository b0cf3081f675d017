// Dialog 145: one transfer with the radio, run on a worker thread while this
// modal dialog shows its progress. It closes by itself when the transfer ends;
// Succeeded() then tells whether the whole transfer went through. A successful
// read has replaced the image in full; any other end leaves it as it was (a
// write leaves the date stamp in it once the block at 0xFF00 was reached).
#pragma once

#include "image/RadioImage.h"
#include "link/TransferForm.h"

#include <QDialog>
#include <QString>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

namespace vmr {

struct TransferDialogLink;

class CTransferDlg : public QDialog {
    Q_OBJECT
public:
    CTransferDlg(TransferDirection dir, RadioImage& image, const QString& portPath,
                 QWidget* parent = nullptr);
    ~CTransferDlg() override;

    bool Succeeded() const { return form_.Succeeded(); }
    const TransferForm& Form() const { return form_; }

    // "Exit", Escape and the close box: ask a running transfer to stop, or
    // close at once when none runs.
    void reject() override;

protected:
    // The transfer's messages ("Open port fail", "Communication error"): a
    // message box with an OK button, captioned with the application name.
    virtual void ShowTransferMessage(const QString& text);
    // The "Password" dialog; true when it ended with OK.
    virtual bool AskAccessCode();

private:
    friend class TransferPanelBridge;
    void OnStart();
    void OnCloseRequest();
    void CloseNow();

    TransferForm form_;
    RadioImage& image_;
    QString portPath_;
    QProgressBar* progress_;
    QLabel* percent_;
    QPushButton* start_;
    QPushButton* exit_;
    QThread* worker_ = nullptr;
    bool closed_ = false;
    std::shared_ptr<TransferDialogLink> link_;
};

} // namespace vmr
