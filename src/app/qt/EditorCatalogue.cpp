// The one list of the program's editors: each editor's registration function
// is called here. A new editor adds its include and one line.
#include "app/qt/EditorRegistry.h"
#include "editors/channels/qt/ProgramView.h"
#include "editors/settings/qt/ModelView.h"

namespace vmr {

void RegisterEditors(EditorRegistry& registry) {
    RegisterChannelEditors(registry);
    RegisterModelView(registry);
}

} // namespace vmr
