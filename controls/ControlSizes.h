// The sizes the controls of a page will take, for a page not built yet:
// one control of each kind is measured (made on the page and destroyed at
// once), and the width of a text is estimated from the width of one wide
// (CJK) and of the average narrow (ASCII) character of the theme's font.
// Cheap enough for every page at start-up; near enough to size the window
// so that each page shows whole.
#pragma once

#include <vector>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxWindow;
struct Setting;

class ControlSizes
{
public:
    explicit ControlSizes(wxWindow* page);

    wxSize Caption(const wxString& text) const;
    wxSize CaptionButton(const wxString& label) const;
    wxSize Choice(const std::vector<wxString>& choices) const;
    wxSize Number(int min, int max) const;
    // the control of a setting, by its kind
    wxSize Of(const Setting& setting) const;
    wxSize Text() const { return text; }
    wxSize Path() const { return path; }

    // what a titled box adds around its rows: at the top, and on each other side
    int BoxTop() const { return boxTop; }
    int BoxSide() const { return boxSide; }

    int TextWidth(const wxString& text) const;

private:
    double wideChar = 0, narrowChar = 0;
    int lineHeight = 0;
    wxSize buttonFrame, choiceFrame, spinFrame, slider, text, path;
    int boxTop = 0, boxSide = 0;
};
