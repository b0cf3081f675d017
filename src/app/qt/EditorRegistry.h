// Which view or dialog each editor of the tree and the Edit menu opens. The
// program fills one registry at start-up (RegisterEditors) and hands it to the
// main window; an editor with nothing registered does nothing when chosen.
#pragma once

#include "app/AppContext.h"
#include "app/Editors.h"

#include <array>
#include <functional>

class QWidget;

namespace vmr {

class CBaseFormView;

// Creates the view of a child-window editor, parented to parent.
using ViewFactory = std::function<CBaseFormView*(AppContext& ctx, QWidget* parent)>;
// Runs a modal editor (VFO, Frequency range) over parent.
using DialogRunner = std::function<void(AppContext& ctx, QWidget* parent)>;

class EditorRegistry {
public:
    void RegisterView(EditorId id, ViewFactory factory);
    void RegisterDialog(EditorId id, DialogRunner runner);

    const ViewFactory& ViewOf(EditorId id) const;    // empty when none
    const DialogRunner& DialogOf(EditorId id) const; // empty when none
    bool Has(EditorId id) const;

private:
    std::array<ViewFactory, kEditorCount> views_;
    std::array<DialogRunner, kEditorCount> dialogs_;
};

// Registers every editor the program has (app/qt/EditorCatalogue.cpp).
void RegisterEditors(EditorRegistry& registry);

} // namespace vmr
