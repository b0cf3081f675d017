// Dialog 144, "Port": sixteen port buttons, greyed out when the port cannot be
// opened now, and (where ports have device paths) a field for any device path,
// such as a cable under its by-id name or the simulator's pseudo-terminal.
#pragma once

#include "link/PortForm.h"

#include <QDialog>
#include <QString>

#include <vector>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace vmr {

class CPortDlg : public QDialog {
    Q_OBJECT
public:
    // The ports the system lists, probed by opening them.
    CPortDlg(const QString& currentPort, QWidget* parent = nullptr);
    // Chosen candidates and probe (byNumber: a "COMn" system).
    CPortDlg(const QString& currentPort, const std::vector<PortCandidate>& candidates,
             const PortForm::Probe& probe, bool byNumber, QWidget* parent = nullptr);

    // After OK: the port the transfers open from now on (unchanged when none was chosen).
    QString ChosenPort() const { return chosen_; }
    const PortForm& Form() const { return form_; }

    void accept() override;

private:
    void Build(bool withPathField);
    void ShowSelection();

    PortForm form_;
    QString chosen_;
    QButtonGroup* group_ = nullptr;
    std::vector<QRadioButton*> buttons_;
    QLineEdit* path_ = nullptr;
};

} // namespace vmr
