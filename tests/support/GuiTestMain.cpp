// Brings the toolkit up once for all GUI tests; the list of tests, asked for without a display, comes first.
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <wx/app.h>
#include <wx/init.h>

#include "app/Language.h"
#include "support/GuiHelpers.h"

namespace
{
// a failed toolkit assertion would open a modal box and hang the test
void ThrowingAssertHandler(const wxString& file, int line, const wxString& func, const wxString& cond,
                           const wxString& msg)
{
    throw std::logic_error(wxString::Format(L"%s:%d %s: %s %s", file, line, func, cond, msg).utf8_string());
}
}

wxIMPLEMENT_APP_NO_MAIN(wxApp);

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    UseLanguage(ProgramFolder() + L"/..");    // the build folder's catalogs
    if (!wxEntryStart(argc, argv) || !wxTheApp || !wxTheApp->CallOnInit())
    {
        fprintf(stderr, "cannot start the toolkit (no display?)\n");
        return 2;
    }
    wxSetAssertHandler(ThrowingAssertHandler);
    auto unexpected = std::make_unique<ModalDialogs>(false);    // any dialog no test lets show
    const int result = RUN_ALL_TESTS();
    unexpected.reset();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
