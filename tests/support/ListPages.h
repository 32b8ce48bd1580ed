// What the tests of the list pages share: one page on a plain frame in a
// scratch game directory, the paths its slots hold, the browse button of a
// selector, and the kinds of the page's controls in creation order.
#pragma once

#include <string>
#include <vector>
#include <wx/button.h>
#include <wx/frame.h>

#include "app/ListFile.h"
#include "controls/myButton.h"
#include "controls/myFileSelect.h"
#include "controls/myLabel.h"
#include "controls/mySlider.h"
#include "support/GuiHelpers.h"

template <class Page>
class PageInTempDir
{
public:
    PageInTempDir()
        : frame(new wxFrame(nullptr, wxID_ANY, wxString(L"page"))), page(new Page(frame))
    {
    }
    ~PageInTempDir()
    {
        frame->Destroy();
        Pump(10);
    }

    TempDir dir;
    wxFrame* frame;
    Page* page;
};

inline std::vector<std::string> PathsOf(const Slots& slots)
{
    std::vector<std::string> paths;
    for (const myFileSelect* slot : slots)
        paths.push_back(B(slot->GetPath()));
    return paths;
}

inline void FillSlots(const Slots& slots, const std::vector<std::string>& paths)
{
    for (size_t i = 0; i < slots.size(); ++i)
        slots[i]->SetPath(U(i < paths.size() ? paths[i] : std::string()));
}

// the paths given first, then empty ones up to count
inline std::vector<std::string> Padded(std::vector<std::string> paths, size_t count)
{
    paths.resize(count);
    return paths;
}

inline wxButton* BrowseButtonOf(myFileSelect* selector)
{
    for (wxWindow* child : selector->GetChildren())
        if (auto* button = dynamic_cast<wxButton*>(child))
            return button;
    return nullptr;
}

// The page's own controls in creation order: a caption as its text, a
// selector as "<file>", a slider as "<size>"; group boxes are left out.
inline std::vector<std::string> ControlsInOrder(wxWindow* page)
{
    std::vector<std::string> controls;
    for (wxWindow* child : page->GetChildren())
    {
        if (dynamic_cast<myLabel*>(child) || dynamic_cast<myButton*>(child))
            controls.push_back(B(child->GetLabel()));
        else if (dynamic_cast<myFileSelect*>(child))
            controls.push_back("<file>");
        else if (dynamic_cast<mySlider*>(child))
            controls.push_back("<size>");
    }
    return controls;
}

// what a selector's browse dialog offers, as the page set it
struct BrowseSettings
{
    std::string message, wildcard, startDir;
    bool relativeMode;
};

inline BrowseSettings BrowseSettingsOf(const myFileSelect* selector)
{
    return {B(selector->message), B(selector->wildcard), B(selector->startDir),
            selector->relativeMode};
}

inline bool operator==(const BrowseSettings& a, const BrowseSettings& b)
{
    return a.message == b.message && a.wildcard == b.wildcard && a.startDir == b.startDir &&
           a.relativeMode == b.relativeMode;
}

inline std::ostream& operator<<(std::ostream& os, const BrowseSettings& s)
{
    return os << "{" << s.message << ", " << s.wildcard << ", " << s.startDir << ", "
              << (s.relativeMode ? "relative" : "absolute") << "}";
}
