#include "app/OverwriteQuestion.h"

#include <wx/msgdlg.h>

bool AskToOverwrite(wxWindow* parent, const wxString& file)
{
    wxMessageDialog question(parent,
                             file + L" は読み込んだ後に変更されています。上書きしますか?",
                             wxString(L"上書きの確認"), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    return question.ShowModal() == wxID_YES;
}
