// Times the first showing of each page: from the tab switch to the page
// painted, and on to the event loop with nothing left to do. Built and run
// by scripts/tab-timing.sh in a copy of the sample game directory.
//
// Each round starts a new main window (only the first page is built), then
// switches to tabs 2 to 9 in turn, each for the first time, and then to the
// first tab, which was built before the window was shown. The figures are
// the medians over the rounds, in milliseconds.
//
//     tab-timing [rounds] [tab ...]      tabs 1 to 9; all in turn by default
#include <algorithm>
#include <cstdio>
#include <vector>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/stopwatch.h>

#include "app/MainWindow.h"
#include "app/PageBook.h"
#include "pages/SettingsPage.h"

namespace
{
struct TimingApp : wxApp
{
    bool OnInit() override { return true; }
};

struct Switch
{
    double changed = 0;    // SetSelection returned: the page built and filled
    double painted = -1;   // the page's first paint event after the switch
    double idle = 0;       // no event left pending
};

void Settle()
{
    for (int i = 0; i < 20; ++i)
    {
        wxYield();
        wxMilliSleep(10);
    }
}

// kept out of line so that a profiler can count just the switches
// (scripts/tab-timing.sh --instructions)
__attribute__((noinline)) Switch TimeSwitch(PageBook& book, int tab)
{
    Switch result;
    SettingsPage* page = book.Pages().at(tab);
    wxStopWatch watch;
    const auto onPaint = [&](wxPaintEvent& event) {
        if (result.painted < 0)
            result.painted = watch.TimeInMicro().ToDouble() / 1000;
        event.Skip();
    };
    page->Bind(wxEVT_PAINT, onPaint);
    watch.Start();
    book.SetSelection(tab);
    result.changed = watch.TimeInMicro().ToDouble() / 1000;
    // the X server answers asynchronously: wait for the paint, then for the
    // queue to run dry (at most a minute, long enough under a profiler)
    while ((result.painted < 0 || wxTheApp->Pending()) && watch.Time() < 60000)
    {
        wxTheApp->Dispatch();
        wxYield();
    }
    result.idle = watch.TimeInMicro().ToDouble() / 1000;
    page->Unbind(wxEVT_PAINT, onPaint);
    return result;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
}

wxIMPLEMENT_APP_NO_MAIN(TimingApp);

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 2;

    std::vector<int> order;
    for (int arg = 2; arg < argc; ++arg)
        if (const int tab = atoi(argv[arg]); tab >= 1 && tab <= 9)
            order.push_back(tab - 1);
    if (order.empty())
        order = {1, 2, 3, 4, 5, 6, 7, 8, 0};
    std::vector<std::vector<Switch>> times(9);
    for (int round = 0; round < rounds; ++round)
    {
        auto* frame = new MainWindow;
        frame->Show();
        Settle();
        for (int tab : order)
        {
            times[tab].push_back(TimeSwitch(*frame->GetNotebook(), tab));
            Settle();
        }
        frame->Destroy();
        Settle();
    }

    printf("median of %d rounds, ms   switch returned   painted   idle\n", rounds);
    for (int tab : order)
    {
        std::vector<double> changed, painted, idle;
        for (const Switch& s : times[tab])
        {
            changed.push_back(s.changed);
            painted.push_back(s.painted);
            idle.push_back(s.idle);
        }
        printf("tab %d%s   %8.1f   %8.1f   %8.1f\n", tab + 1, tab == 0 ? " (built at start-up)" : "",
               Median(changed), Median(painted), Median(idle));
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
