// The model information editor's window (title "Modle").
#pragma once

#include "app/qt/BaseFormView.h"
#include "app/qt/EditorRegistry.h"
#include "editors/settings/ModelForm.h"

class QLineEdit;

namespace vmr {

class CModelView : public CBoundView<ModelForm> {
    Q_OBJECT
public:
    CModelView(RadioImage& image, QWidget* parent = nullptr);

    QLineEdit* serialEdit;
    QLineEdit* modelNameEdit;
    QLineEdit* modelCodeEdit;
    QLineEdit* firmwareEdit;
    QLineEdit* dateEdit;
};

void RegisterModelView(EditorRegistry& registry);

} // namespace vmr
