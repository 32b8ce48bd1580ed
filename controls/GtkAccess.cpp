#include "controls/GtkAccess.h"

#include <vector>
#include <wx/window.h>

#include <gtk/gtk.h>

namespace
{
const char warningIcon[] = "dialog-warning-symbolic";

// the widget and those below it, depth first
void Collect(GtkWidget* widget, std::vector<GtkWidget*>& all)
{
    all.push_back(widget);
    if (!GTK_IS_CONTAINER(widget))
        return;
    GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
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
        if (GTK_IS_ENTRY(widget))
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
        gtk_entry_set_icon_from_icon_name(GTK_ENTRY(entry), GTK_ENTRY_ICON_SECONDARY, reason.empty() ? nullptr : warningIcon);
        if (!reason.empty())
            gtk_entry_set_icon_tooltip_text(GTK_ENTRY(entry), GTK_ENTRY_ICON_SECONDARY, reason.utf8_str());
    }
}

wxLayoutDirection ToolkitLayoutDirection()
{
    return gtk_widget_get_default_direction() == GTK_TEXT_DIR_RTL ? wxLayout_RightToLeft : wxLayout_LeftToRight;
}
