// Brings the toolkit up once for all GUI tests. Test discovery runs without
// a display, so the list of tests is answered before wx starts.
#include <cstring>
#include <gtest/gtest.h>
#include <stdexcept>
#include <wx/app.h>
#include <wx/init.h>

namespace
{
class TestApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

// A failed toolkit assertion would open a modal box and hang the test.
void ThrowingAssertHandler(const wxString& file, int line, const wxString& func,
                           const wxString& cond, const wxString& msg)
{
    throw std::logic_error((file + wxString::Format(L":%d ", line) + func + L": " + cond + L" " +
                            msg)
                               .utf8_string());
}
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
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
