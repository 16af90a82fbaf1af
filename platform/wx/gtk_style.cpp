#include "platform/wx/gtk_style.h"

#include <gtk/gtk.h>

namespace kerumina::platform::wx {

namespace {

constexpr char COMPACT_CSS[] =
    "button, entry, combobox button {"
    "  min-height: 0; padding-top: 1px; padding-bottom: 1px;"
    "}"
    "combobox button { padding-left: 4px; padding-right: 4px; }"
    "combobox { -GtkComboBox-appears-as-list: 1; }";

}  // namespace

void InstallCompactControlStyle() {
  GdkScreen* screen = gdk_screen_get_default();
  if (screen == nullptr) return;
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, COMPACT_CSS, -1, nullptr);
  gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}

}  // namespace kerumina::platform::wx
