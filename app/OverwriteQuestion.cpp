#include "app/OverwriteQuestion.h"

#include <wx/msgdlg.h>

#include "settings/Translated.h"

bool AskToOverwrite(wxWindow* parent, const wxString& file)
{
    wxMessageDialog question(parent, wxString::Format(_(L"%s は読み込んだ後に変更されています。上書きしますか?"), file),
                             _(L"上書きの確認"), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    return question.ShowModal() == wxID_YES;
}
