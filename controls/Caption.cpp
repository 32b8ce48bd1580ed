#include "controls/Caption.h"

#include "controls/CommonLook.h"

Caption::Caption(wxWindow* parent, const wxString& text)
    : wxStaticText(parent, wxID_ANY, text, wxDefaultPosition, CreationSize(captionWidth),
                   wxALIGN_CENTRE | wxST_NO_AUTORESIZE)
{
    // A static text's own SetFont first asks GTK twice for the default font,
    // only to see whether underlining changes, and that is most of what a
    // caption costs to build. Given the font here first, it finds it at once.
    wxControl::SetFont(CommonFont());
    ApplyCaptionLook(this, text);
}
