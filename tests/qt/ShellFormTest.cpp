#include "app/FieldFunctions.h"
#include "app/Settings.h"
#include "app/qt/AboutDlg.h"
#include "app/qt/BaseFormView.h"
#include "app/qt/FormBinder.h"
#include "app/qt/SpinEdit.h"
#include "image/RadioImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <string>

namespace vmr {
namespace {

bool DigitsOnly(char c) {
    return c >= '0' && c <= '9';
}

// A form of every field kind with a rule between them.
struct SampleForm : EditorForm {
    explicit SampleForm(RadioImage& image) : image_(image) {}
    TextField count = EditBox(3, DigitsOnly);
    TextField tot = EditBox(2);
    ComboField mode = DropList({"Off", "TX", "RX"});
    CheckField lock;
    void RefreshFromImage() override {
        count.text = std::to_string(image_[0]);
        mode.current = image_[1] < 3 ? image_[1] : -1;
        lock.checked = image_[2] != 0;
        tot.text = image_[3] == 0 ? "Off" : std::to_string(image_[3]);
        count.enabled = !lock.checked;
    }
    void CommitToImage() override {
        image_[0] = static_cast<std::uint8_t>(std::stoi("0" + count.text));
        EnsureComboSelection(mode, 0, false);
        image_[1] = static_cast<std::uint8_t>(mode.current);
        image_[2] = lock.checked ? 1 : 0;
        image_[3] = static_cast<std::uint8_t>(AtoIText(tot.text));
    }
    void OnLock() { count.enabled = !lock.checked; }
    void OnCountDone() { ValidateIntField(count, 0, 200, 10, 5, false); }
    void OnTotStep(int delta) { StepIntSpin(tot, {0, 30}, delta, true, "Off"); }
    static int AtoIText(const std::string& s) { return s == "Off" ? 0 : std::stoi("0" + s); }
    RadioImage& image_;
};

class SampleView : public CBoundView<SampleForm> {
public:
    explicit SampleView(RadioImage& image) : CBoundView<SampleForm>(900, nullptr, image) {
        binder_.Bind(count, form_.count, [this] { form_.OnCountDone(); });
        binder_.Bind(mode, form_.mode);
        binder_.Bind(lock, form_.lock, [this] { form_.OnLock(); });
        binder_.Bind(tot, form_.tot, [this](int d) { form_.OnTotStep(d); });
        binder_.AttachLabel(count, countLabel);
    }
    QLineEdit* count = new QLineEdit(this);
    QLabel* countLabel = new QLabel("Count", this);
    QComboBox* mode = new QComboBox(this);
    QCheckBox* lock = new QCheckBox(this);
    CSpinEdit* tot = new CSpinEdit(this);
};

TEST(FormBinder, RefreshShowsTheFieldsAndCommitStoresTheWidgets) {
    RadioImage image;
    image[0] = 25;
    image[1] = 2;
    image[2] = 1;
    SampleView view(image);
    view.RefreshFromImage();
    EXPECT_EQ(view.count->text(), "25");
    EXPECT_FALSE(view.count->isEnabled());
    EXPECT_FALSE(view.countLabel->isEnabled());
    EXPECT_EQ(view.mode->count(), 3);
    EXPECT_EQ(view.mode->currentText(), "RX");
    EXPECT_TRUE(view.lock->isChecked());
    EXPECT_EQ(view.tot->Edit()->text(), "Off");

    view.mode->setCurrentIndex(-1); // no selection: the form's default at commit
    view.lock->setChecked(false);   // the handler enables the count box at once
    EXPECT_TRUE(view.count->isEnabled());
    view.CommitToImage();
    EXPECT_EQ(image[1], 0);
    EXPECT_EQ(image[2], 0);
}

TEST(FormBinder, KeyRuleDropsForbiddenCharactersAndHandlersRunOnFocusLoss) {
    RadioImage image;
    SampleView view(image);
    view.RefreshFromImage();
    view.show();
    view.count->setFocus();
    view.count->clear();
    QTest::keyClicks(view.count, "2a-3");
    EXPECT_EQ(view.count->text(), "23");
    emit view.count->editingFinished();
    EXPECT_EQ(view.count->text(), "20"); // step 5
    QTest::keyClicks(view.count, "456");
    EXPECT_EQ(view.count->text(), "204"); // three characters at most
}

TEST(FormBinder, SpinStepsGoThroughTheFormsRule) {
    RadioImage image;
    SampleView view(image);
    view.RefreshFromImage();
    view.tot->stepBy(1);
    EXPECT_EQ(view.tot->Edit()->text(), "1");
    view.tot->stepBy(-1);
    EXPECT_EQ(view.tot->Edit()->text(), "Off");
    view.tot->stepBy(-1);
    EXPECT_EQ(view.tot->Edit()->text(), "30");
    view.tot->Edit()->end(false);
    QTest::keyClicks(view.tot->Edit(), "7");
    EXPECT_EQ(view.tot->Edit()->text(), "30"); // full: two characters
    view.CommitToImage();
    EXPECT_EQ(image[3], 30);
}

// A page over one image byte that counts its image operations.
class CountingPage : public CBasePage {
public:
    CountingPage(RadioImage& image, std::size_t offset)
        : CBasePage(1), image_(image), offset_(offset) {}
    void RefreshFromImage() override {
        ++refreshes;
        value = image_[offset_];
    }
    void CommitToImage() override {
        ++commits;
        image_[offset_] = value;
    }
    int refreshes = 0, commits = 0;
    std::uint8_t value = 0;

private:
    RadioImage& image_;
    std::size_t offset_;
};

TEST(TabHost, OnlyTheCurrentPageIsInStepWithTheImage) {
    RadioImage image;
    CTabHostView host(147);
    auto* a = new CountingPage(image, 10);
    auto* b = new CountingPage(image, 11);
    host.AddPage("Option", a);
    host.AddPage("TOT", b);
    host.RefreshFromImage();
    EXPECT_EQ(a->refreshes, 1);
    EXPECT_EQ(b->refreshes, 0);

    a->value = 5;
    host.Tabs()->setCurrentIndex(1); // leaving commits, entering refreshes
    EXPECT_EQ(image[10], 5);
    EXPECT_EQ(a->commits, 1);
    EXPECT_EQ(b->refreshes, 1);

    b->value = 6;
    host.CommitToImage();
    EXPECT_EQ(image[11], 6);
    EXPECT_EQ(a->commits, 1);
    EXPECT_EQ(host.CurrentPage(), b);
}

TEST(TabHost, EnterAndEscapeOnAPageNeverCloseItsWindow) {
    RadioImage image;
    QDialog window;
    auto* layout = new QVBoxLayout(&window);
    auto* page = new CountingPage(image, 10);
    auto* edit = new QLineEdit(page);
    layout->addWidget(page);
    auto* ok = new QPushButton("OK", &window);
    ok->setDefault(true);
    layout->addWidget(ok);
    QObject::connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
    window.show();
    edit->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(edit, key);
        EXPECT_TRUE(window.isVisible()) << key;
        EXPECT_EQ(window.result(), 0) << key;
    }
}

TEST(AboutBox, ShowsCompanyVersionAndModel) {
    AppSettings s;
    s.CompanyName = "Korvane";
    s.ModelName = "VMR-417";
    CAboutDlg about(s);
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.company->text(), "Korvane");
    EXPECT_EQ(about.version->text(), "Version 2.0.5");
    EXPECT_EQ(about.applyText->text(), "Korvane The software apply for VMR-417 model");
}

} // namespace
} // namespace vmr
