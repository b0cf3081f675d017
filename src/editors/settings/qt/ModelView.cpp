#include "editors/settings/qt/ModelView.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vmr {

CModelView::CModelView(RadioImage& image, QWidget* parent)
    : CBoundView<ModelForm>(ModelForm::kFormId, parent, image) {
    auto* box = new QGroupBox(tr("Model information"), this);
    auto* form = new QFormLayout(box);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(10);
    auto addEdit = [&](const char* label, TextField& field) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(label);
        edit->setMinimumWidth(170);
        form->addRow(tr(label), edit);
        binder_.Bind(edit, field);
        return edit;
    };
    serialEdit = addEdit("Serial number", form_.serial);
    modelNameEdit = addEdit("Model name", form_.modelName);
    modelCodeEdit = addEdit("Model code", form_.modelCode);
    firmwareEdit = addEdit("Firmware Version", form_.firmware);
    dateEdit = addEdit("Last program date", form_.date);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(box);
    layout->addStretch();
}

void RegisterModelView(EditorRegistry& registry) {
    registry.RegisterView(EditorId::Model, [](AppContext& ctx, QWidget* parent) {
        return new CModelView(ctx.image, parent);
    });
}

} // namespace vmr
