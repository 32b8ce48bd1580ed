#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <wx/combobox.h>
#include <wx/frame.h>

#include "pages/NetPage.h"
#include "support/GuiHelpers.h"
#include "support/MemoryStreams.h"

namespace
{
// a page's section written to bytes, and read from them
template <class Page>
std::string WrittenSection(Page& page)
{
    return WrittenBy([&](wxTextOutputStream& out) { page.WriteSection(out); });
}

template <class Page>
bool ReadSectionFrom(Page& page, const std::string& bytes)
{
    bool result = false;
    ReadFrom(bytes, [&](wxTextInputStream& in) { result = page.ReadSection(in); });
    return result;
}

struct NetValues
{
    std::string user = "user", host = "localhost", cgiHost = "cgi.ringvald.example",
                matchMake = "/Korvane/matchmake.cgi", lobby = "/Korvane/lobby.cgi", tcp = "2000",
                udp = "3000", lobbyMode = "1";
};

std::string Section(const NetValues& v)
{
    return Lines({
        "",
        "#Network Config",
        "#User Name",
        "#Default user",
        v.user,
        "#Host Name",
        "#Default localhost",
        v.host,
        "#CGI Host Name",
        "#Default cgi.ringvald.example",
        v.cgiHost,
        "#Match Make CGI",
        "#Default /Korvane/matchmake.cgi",
        v.matchMake,
        "#Lobby CGI",
        "#Default /Korvane/lobby.cgi",
        v.lobby,
        "#Port(TCP)",
        "#Default 2000",
        v.tcp,
        "#Port(UDP)",
        "#Default 3000",
        v.udp,
        "#Lobby Mode  0 : Local  1 : CGI",
        "#Default 1",
        v.lobbyMode,
    });
}

class NetPageTest : public testing::Test
{
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, wxString(L"net"));
        page = new NetPage(frame);
    }
    void TearDown() override
    {
        frame->Destroy();
        Pump(10);
    }

    std::string Text(int row) { return B(page->Settings().GetText(row)); }
    int LobbyMode() { return page->Settings().GetNumber(NetPage::lobbyModeRow); }
    std::string LobbyModeShown()
    {
        auto* box = static_cast<wxComboBox*>(page->Settings().Control(NetPage::lobbyModeRow));
        return B(box->GetStringSelection());
    }

    wxFrame* frame = nullptr;
    NetPage* page = nullptr;
};
}

TEST_F(NetPageTest, DefaultsAreWrittenAsTwentySixLines)
{
    page->SetDefaults();
    const std::string written = WrittenSection(*page);
    EXPECT_EQ(written, Section(NetValues()));
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 26);
    EXPECT_EQ(LobbyModeShown(), "CGI");
}

TEST_F(NetPageTest, LobbyModeLines)
{
    const struct
    {
        const char* line;
        int index;
        const char* shown;
    } cases[] = {
        {"0", 0, "ローカル"}, {"1", 1, "CGI"}, {" 1", 1, "CGI"}, {"CGI", 0, "ローカル"}, {"1x", 1, "CGI"},
    };
    for (const auto& c : cases)
    {
        NetValues values;
        values.lobbyMode = c.line;
        ASSERT_TRUE(ReadSectionFrom(*page, Section(values)));
        EXPECT_EQ(LobbyMode(), c.index) << c.line;
        EXPECT_EQ(LobbyModeShown(), c.shown) << c.line;
    }
}

TEST_F(NetPageTest, TextFieldsRoundTripUnchecked)
{
    NetValues values;
    values.user = "ボクサー太郎と次郎と三郎";    // longer than six characters
    values.host = "192.168.0.300";
    values.cgiHost = " spaced.example ";
    values.matchMake = "matchmake";
    values.lobby = "/a b/lobby.cgi";
    values.tcp = "20x0";
    values.udp = "port";
    values.lobbyMode = "0";
    ASSERT_TRUE(ReadSectionFrom(*page, Section(values)));
    EXPECT_EQ(Text(NetPage::userNameRow), values.user);
    EXPECT_EQ(Text(NetPage::cgiHostRow), values.cgiHost);
    EXPECT_EQ(Text(NetPage::tcpPortRow), "20x0");
    EXPECT_EQ(Text(NetPage::udpPortRow), "port");
    EXPECT_EQ(WrittenSection(*page), Section(values));
}

TEST_F(NetPageTest, DocumentEndingEarlyEmptiesTheRest)
{
    page->SetDefaults();
    EXPECT_TRUE(ReadSectionFrom(*page, Lines({"#Network Config", "fighter", "host"})));
    EXPECT_EQ(Text(NetPage::userNameRow), "fighter");
    EXPECT_EQ(Text(NetPage::hostNameRow), "host");
    for (int row = NetPage::cgiHostRow; row < NetPage::lobbyModeRow; ++row)
        EXPECT_EQ(Text(row), "") << row;
    EXPECT_EQ(LobbyMode(), 0);

    // empty fields are written as one blank each and read back in place
    NetValues written;
    written.user = "fighter";
    written.host = "host";
    written.cgiHost = written.matchMake = written.lobby = written.tcp = written.udp = " ";
    written.lobbyMode = "0";
    EXPECT_EQ(WrittenSection(*page), Section(written));
    page->SetDefaults();
    ASSERT_TRUE(ReadSectionFrom(*page, Section(written)));
    EXPECT_EQ(Text(NetPage::udpPortRow), "");
    EXPECT_EQ(LobbyMode(), 0);
}
