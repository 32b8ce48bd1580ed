// The gym tab: thirty member boxer files, each with a button that opens it
// in the boxer editor, kept in the boxer data list.
#pragma once

#include <functional>

#include "pages/ListPathField.h"
#include "pages/SlotControls.h"
#include "pages/SettingsPage.h"

class BoxerList;

// starts the boxer editor with one boxer file
using BoxerEditorStarter = std::function<void(const wxString& boxerFile)>;

class BoxerPage : public SettingsPage
{
public:
    BoxerPage(wxWindow* parent, BoxerList& boxerList, BoxerEditorStarter startBoxerEditor);

    PathField* ListSelector() const { return listPath.Selector(); }
    const std::vector<PathField*>& MemberSlots() const { return members.Selectors(); }
    const std::vector<wxWindow*>& MemberButtons() const { return members.Captions(); }

private:
    void CreateControls() override;
    void LayOut(PageLayout& layout) const override;

    void OnMemberButton(wxCommandEvent& event);

    BoxerList& boxerList;
    BoxerEditorStarter startBoxerEditor;
    ListPathField listPath;
    SlotControls members;

    wxDECLARE_EVENT_TABLE();
};
