#include "../core/LinkTestPort.h"
#include "TransferSim.h"

#include "link/qt/PortDlg.h"
#include "link/qt/SerialPort.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vmr {
namespace {

QRadioButton* PortButtonAt(QDialog& d, int n) {
    return d.findChild<QRadioButton*>(QStringLiteral("port%1").arg(n));
}

bool Probe(const std::string& path) {
    return ProbeSerialPort(QString::fromStdString(path));
}

TEST(PortDlgTest, DevicePathsProbedAndChosen) {
    test::SimRadio first(test::PatternImage(0));
    test::SimRadio second(test::PatternImage(0));
    const std::vector<PortCandidate> listed = {{"radio1", first.Device().toStdString()},
                                               {"gone", "/dev/vmr-no-such-port"},
                                               {"radio2", second.Device().toStdString()}};
    CPortDlg dlg(first.Device(), listed, Probe, false);
    EXPECT_EQ(dlg.windowTitle(), "Port");
    EXPECT_EQ(PortButtonAt(dlg, 1)->text(), "radio1");
    EXPECT_TRUE(PortButtonAt(dlg, 1)->isEnabled());
    EXPECT_TRUE(PortButtonAt(dlg, 1)->isChecked());
    EXPECT_FALSE(PortButtonAt(dlg, 2)->isEnabled());
    EXPECT_FALSE(PortButtonAt(dlg, 16)->isEnabled());
    // Places without a port show no bare button.
    EXPECT_FALSE(PortButtonAt(dlg, 2)->isHidden());
    EXPECT_TRUE(PortButtonAt(dlg, 4)->isHidden());
    EXPECT_TRUE(PortButtonAt(dlg, 16)->isHidden());
    auto* path = dlg.findChild<QLineEdit*>("path");
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->text(), first.Device());

    PortButtonAt(dlg, 3)->click();
    EXPECT_EQ(path->text(), second.Device());
    EXPECT_FALSE(PortButtonAt(dlg, 1)->isChecked());

    // A device the system does not list, typed in.
    path->clear();
    QTest::keyClicks(path, "/dev/serial/by-id/usb-cable");
    for (int n = 1; n <= 16; ++n) EXPECT_FALSE(PortButtonAt(dlg, n)->isChecked());
    dlg.open();
    dlg.accept();
    EXPECT_EQ(dlg.ChosenPort(), "/dev/serial/by-id/usb-cable");
}

TEST(PortDlgTest, ConfiguredPortInUseIsGreyedAndKept) {
    test::SimRadio sim(test::PatternImage(0));
    SerialPort holder;
    ASSERT_TRUE(holder.Open(sim.Device().toStdString()).ok);
    CPortDlg dlg(sim.Device(), {{"radio", sim.Device().toStdString()}}, Probe, false);
    EXPECT_FALSE(PortButtonAt(dlg, 1)->isEnabled());
    EXPECT_FALSE(PortButtonAt(dlg, 1)->isChecked());
    dlg.open();
    dlg.accept();
    EXPECT_EQ(dlg.ChosenPort(), sim.Device());
}

TEST(PortDlgTest, NumberedPortsWithoutPathField) {
    CPortDlg dlg(
        "COM3", NumberedPortCandidates(), [](const std::string&) { return true; }, true);
    EXPECT_EQ(dlg.findChild<QLineEdit*>("path"), nullptr);
    EXPECT_EQ(PortButtonAt(dlg, 1)->text(), "COM1");
    EXPECT_EQ(PortButtonAt(dlg, 16)->text(), "COM16");
    EXPECT_TRUE(PortButtonAt(dlg, 3)->isChecked());
    PortButtonAt(dlg, 12)->click();
    dlg.open();
    dlg.accept();
    EXPECT_EQ(dlg.ChosenPort(), "\\\\.\\COM12");

    CPortDlg cancelled(
        "COM3", NumberedPortCandidates(), [](const std::string&) { return true; }, true);
    PortButtonAt(cancelled, 5)->click();
    cancelled.open();
    cancelled.reject();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

TEST(PortDlgTest, SystemPortsDialogBuilds) {
    CPortDlg dlg("");
    for (int n = 1; n <= 16; ++n) ASSERT_NE(PortButtonAt(dlg, n), nullptr);
    dlg.open();
    dlg.accept();
    EXPECT_EQ(dlg.ChosenPort(), "");
}

} // namespace
} // namespace vmr
