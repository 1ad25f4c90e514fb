// Whether the desktop has an application for plain text, asked of GIO, which reads the same desktop entries and
// MIME associations as the desktop's own "open with". No Qt here: GLib's headers and Qt's `signals` do not mix.
#include <gio/gio.h>

#include "platform/editor_padrao.h"

namespace vantor::plataforma {

bool HaEditorDeTexto() {
    GAppInfo* app = g_app_info_get_default_for_type("text/plain", FALSE);
    if (!app) return false;
    g_object_unref(app);
    return true;
}

}  // namespace vantor::plataforma
