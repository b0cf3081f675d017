// The editor framework, core half: every editor keeps its fields as plain state
// in a form class that reads them from and writes them to the RadioImage.
//
// How an editor is written (the Model editor is the smallest complete example:
// src/editors/settings/ModelForm.{h,cpp} and qt/ModelView.{h,cpp}):
//
//  1. Core form (no Qt), e.g. src/editors/xxx/XxxForm.h:
//
//       class XxxForm : public EditorForm {
//       public:
//           explicit XxxForm(AppContext& ctx) : ctx_(ctx) {}
//           TextField name = EditBox(8, NameKeyAllowed);
//           ComboField power = DropList({"Low", "High"});
//           CheckField busyLock;
//           void RefreshFromImage() override; // image -> fields
//           void CommitToImage() override;    // fields -> image
//           void OnPowerChanged();            // event handlers change fields only
//       private:
//           AppContext& ctx_;
//       };
//
//     Tests drive it without a window: set fields, call the handlers and
//     CommitToImage, then look at the image bytes.
//
//  2. Qt view, e.g. src/editors/xxx/qt/XxxView.{h,cpp}: a CBoundView<XxxForm>
//     (app/qt/BaseFormView.h) that owns the form, lays out the widgets and binds
//     each one to its field with the FormBinder (app/qt/FormBinder.h):
//
//       binder().Bind(ui.name, form_.name);
//       binder().Bind(ui.power, form_.power, [this] { form_.OnPowerChanged(); });
//
//     The binder copies widgets -> fields before a handler or a commit and
//     fields -> widgets after a handler or a refresh. The view holds no rule.
//
//  3. Registration: a function `void RegisterXxx(EditorRegistry&)` beside the
//     view registers a factory for its EditorId (app/qt/EditorRegistry.h); the
//     program calls it from RegisterEditors (app/qt/EditorCatalogue.cpp). The
//     main window then opens the view from the tree, the menu and the tool bar.
//     A view that handles a main-window command itself (Read, Print, ...)
//     overrides CBaseFormView::HandleCommand; one with help topics of its own
//     overrides HelpContext.
//
// Editors split over tabs use CTabHostView and one CBoundPage per tab, each
// page with its own EditorForm.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vmr {

// A key test for typed characters; nullptr accepts everything.
using CharRule = bool (*)(char);

// An edit box.
struct TextField {
    std::string text;
    int maxLength = 0; // 0: no limit
    CharRule accepts = nullptr;
    bool readOnly = false;
    bool enabled = true;
    bool visible = true;
};

// A list box or combo box. current is the selected index, -1 for none. An
// editable combo box also has the text of its edit part.
struct ComboField {
    std::vector<std::string> items;
    int current = -1;
    bool editable = false;
    std::string text;
    bool enabled = true;
    bool visible = true;

    // The selected entry's text, or empty text without a selection.
    std::string CurrentText() const {
        return current >= 0 && current < static_cast<int>(items.size()) ? items[current]
                                                                        : std::string();
    }
};

// A check box.
struct CheckField {
    bool checked = false;
    bool enabled = true;
    bool visible = true;
};

// The range of a spin button bound to an edit box.
struct SpinRange {
    int minimum = 0;
    int maximum = 100;
};

// Field makers, for members of a form.
inline TextField EditBox(int maxLength = 0, CharRule accepts = nullptr) {
    TextField f;
    f.maxLength = maxLength;
    f.accepts = accepts;
    return f;
}
inline TextField ReadOnlyBox(int maxLength = 0) {
    TextField f;
    f.maxLength = maxLength;
    f.readOnly = true;
    return f;
}
inline ComboField DropList(std::vector<std::string> items) {
    ComboField f;
    f.items = std::move(items);
    return f;
}
inline ComboField EditCombo(std::vector<std::string> items) {
    ComboField f;
    f.items = std::move(items);
    f.editable = true;
    return f;
}

// The two image operations every editor form has.
class EditorForm {
public:
    virtual ~EditorForm() = default;
    virtual void RefreshFromImage() = 0;
    virtual void CommitToImage() = 0;
};

} // namespace vmr
