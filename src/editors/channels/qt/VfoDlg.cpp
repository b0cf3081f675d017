#include "editors/channels/qt/VfoDlg.h"

#include "app/Editors.h"

#include <QLineEdit>
#include <QTabBar>
#include <QVBoxLayout>

namespace vmr {

CVfoDlg::CVfoDlg(AppContext& ctx, QWidget* parent) : CFormDialog<VfoForm>(parent, ctx) {
    setObjectName("dialog193");
    auto* column = new QVBoxLayout(this);
    tabs = new QTabBar(this);
    tabs->setObjectName("tab1162");
    tabs->setExpanding(false);
    column->addWidget(tabs);
    const auto columns = AddTwoColumns(column);
    VfoForm& f = form_;

    FieldColumn left(this, columns.first, binder_, runner_);
    // The boxes commit when they lose the focus; Enter does nothing here.
    rxEdit = left.Edit("Rx frequency (MHz)", f.rx);
    WatchFocus(rxEdit, &runner_, {}, [this] { runner_.Run([this] { form_.OnRxCommit(); }); });
    left.Edit("Tx frequency (MHz)", f.tx);
    left.Edit("Name", f.name);

    FieldColumn right(this, columns.second, binder_, runner_);
    const RecordFieldWidgets w =
        AddRecordFields(left, right, f, {"Deocde type", "Reverse backup", "Busy lcok"},
                        [&f] { f.OnOffsetDirectionChanged(); });
    EndColumns(columns);
    powerCombo = w.power;
    stepCombo = w.step;
    offsetDirectionCombo = w.offsetDirection;
    offsetEdit = w.offset;
    WatchFocus(offsetEdit, &runner_, {},
               [this] { runner_.Run([this] { form_.OnOffsetCommit(); }); });

    form_.Open();
    for (const std::string& t : form_.tabs) tabs->addTab(QString::fromStdString(t));
    if (form_.currentTab >= 0) tabs->setCurrentIndex(form_.currentTab);
    binder_.Load();
    connect(tabs, &QTabBar::currentChanged, &runner_, [this](int index) {
        runner_.Run([this, index] {
            form_.OnTabChanging();
            form_.OnTabChanged(index);
        });
    });
    rxEdit->setFocus();
}

void RunVfoDialog(AppContext& ctx, QWidget* parent) {
    CVfoDlg dialog(ctx, parent);
    const std::string_view title = InfoOf(EditorId::Vfo).title;
    dialog.setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    dialog.exec();
}

} // namespace vmr
