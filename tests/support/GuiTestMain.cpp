// Brings the toolkit up once for all GUI tests. Test discovery runs without
// a display, so the list of tests is answered before wx starts.
#include <gtest/gtest.h>
#include <stdexcept>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/modalhook.h>

namespace
{
struct TestApp : wxApp
{
    bool OnInit() override { return true; }
};

// A failed toolkit assertion would open a modal box and hang the test.
void ThrowingAssertHandler(const wxString& file, int line, const wxString& func,
                           const wxString& cond, const wxString& msg)
{
    const wxString where = file + wxString::Format(L":%d ", line) + func;
    throw std::logic_error((where + L": " + cond + L" " + msg).utf8_string());
}

// Any modal dialog no test expects (a message box, a logged error shown at
// idle time, a file dialog that did not go through the seam) fails the test
// and is cancelled instead of waiting for a click. wxTEST_DIALOG's own hook
// comes later and so is asked first.
struct UnexpectedDialogs : wxModalDialogHook
{
    int Enter(wxDialog* dialog) override
    {
        ADD_FAILURE() << "unexpected dialog: " << dialog->GetTitle().utf8_string();
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};
}

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    if (!wxEntryStart(argc, argv) || !wxTheApp || !wxTheApp->CallOnInit())
    {
        fprintf(stderr, "cannot start the toolkit (no display?)\n");
        return 2;
    }
    wxSetAssertHandler(ThrowingAssertHandler);
    UnexpectedDialogs unexpected;
    unexpected.Register();
    const int result = RUN_ALL_TESTS();
    unexpected.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
