#include "controls/GtkAccess.h"

#include <vector>
#include <wx/window.h>

// The few GTK 3 and ATK functions used, declared as their C headers do (the
// program is built against the toolkit's headers only; the libraries are
// linked in CMakeLists.txt).
extern "C"
{
    struct AtkObject;
    struct GList
    {
        void* data;
        GList* next;
        GList* prev;
    };
    using GType = unsigned long;

    AtkObject* gtk_widget_get_accessible(GtkWidget* widget);
    int gtk_widget_get_can_focus(GtkWidget* widget);
    GType gtk_container_get_type();
    GType gtk_entry_get_type();
    GList* gtk_container_get_children(GtkWidget* container);
    void gtk_entry_set_icon_from_icon_name(GtkWidget* entry, int position, const char* iconName);
    void gtk_entry_set_icon_tooltip_text(GtkWidget* entry, int position, const char* tooltip);
    int g_type_check_instance_is_a(void* instance, GType type);
    void g_list_free(GList* list);
    void atk_object_set_name(AtkObject* object, const char* name);
    void atk_object_set_description(AtkObject* object, const char* description);
    const char* atk_object_get_name(AtkObject* object);
    const char* atk_object_get_description(AtkObject* object);
    int gtk_widget_get_default_direction();
}

namespace
{
const int secondaryIcon = 1;    // GTK_ENTRY_ICON_SECONDARY
const int rightToLeft = 2;      // GTK_TEXT_DIR_RTL
const char warningIcon[] = "dialog-warning-symbolic";

bool IsA(GtkWidget* widget, GType type)
{
    return g_type_check_instance_is_a(widget, type);
}

// the widget and those below it, depth first
void Collect(GtkWidget* widget, std::vector<GtkWidget*>& all)
{
    all.push_back(widget);
    if (!IsA(widget, gtk_container_get_type()))
        return;
    GList* children = gtk_container_get_children(widget);
    for (GList* child = children; child; child = child->next)
        Collect(static_cast<GtkWidget*>(child->data), all);
    g_list_free(children);
}

// the control's own widget, then those of its widgets that take the focus
std::vector<GtkWidget*> Announced(wxWindow* control)
{
    std::vector<GtkWidget*> all, announced = {control->GetHandle()};
    Collect(control->GetHandle(), all);
    for (GtkWidget* widget : all)
        if (widget != announced.front() && gtk_widget_get_can_focus(widget))
            announced.push_back(widget);
    return announced;
}

// the widget that takes the focus, or the control's own
GtkWidget* Focused(wxWindow* control)
{
    return Announced(control).back();
}

wxString FromUtf8(const char* text)
{
    return text ? wxString::FromUTF8(text) : wxString();
}

GtkWidget* EntryOf(wxWindow* textField)
{
    for (GtkWidget* widget : Announced(textField))
        if (IsA(widget, gtk_entry_get_type()))
            return widget;
    return nullptr;
}
}

void SetAccessibleName(wxWindow* control, const wxString& name)
{
    for (GtkWidget* widget : Announced(control))
        atk_object_set_name(gtk_widget_get_accessible(widget), name.utf8_str());
}

void SetAccessibleDescription(wxWindow* control, const wxString& description)
{
    for (GtkWidget* widget : Announced(control))
        atk_object_set_description(gtk_widget_get_accessible(widget), description.utf8_str());
}

wxString AccessibleName(wxWindow* control)
{
    return FromUtf8(atk_object_get_name(gtk_widget_get_accessible(Focused(control))));
}

wxString AccessibleDescription(wxWindow* control)
{
    return FromUtf8(atk_object_get_description(gtk_widget_get_accessible(Focused(control))));
}

void ShowWarningSymbol(wxWindow* textField, const wxString& reason)
{
    if (GtkWidget* entry = EntryOf(textField))
    {
        gtk_entry_set_icon_from_icon_name(entry, secondaryIcon, reason.empty() ? nullptr : warningIcon);
        if (!reason.empty())
            gtk_entry_set_icon_tooltip_text(entry, secondaryIcon, reason.utf8_str());
    }
}

wxLayoutDirection ToolkitLayoutDirection()
{
    return gtk_widget_get_default_direction() == rightToLeft ? wxLayout_RightToLeft : wxLayout_LeftToRight;
}
