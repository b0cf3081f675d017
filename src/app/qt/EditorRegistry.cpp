#include "app/qt/EditorRegistry.h"

namespace vmr {

namespace {
std::size_t Slot(EditorId id) {
    return static_cast<std::size_t>(id);
}
} // namespace

void EditorRegistry::RegisterView(EditorId id, ViewFactory factory) {
    views_[Slot(id)] = std::move(factory);
}

void EditorRegistry::RegisterDialog(EditorId id, DialogRunner runner) {
    dialogs_[Slot(id)] = std::move(runner);
}

const ViewFactory& EditorRegistry::ViewOf(EditorId id) const {
    return views_[Slot(id)];
}

const DialogRunner& EditorRegistry::DialogOf(EditorId id) const {
    return dialogs_[Slot(id)];
}

bool EditorRegistry::Has(EditorId id) const {
    return static_cast<bool>(views_[Slot(id)]) || static_cast<bool>(dialogs_[Slot(id)]);
}

} // namespace vmr
