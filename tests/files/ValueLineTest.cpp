#include <gtest/gtest.h>
#include <wx/sstream.h>
#include <wx/txtstrm.h>

#include "app/ValueLine.h"

TEST(ParseDecimal, ReadsLikeStrtol)
{
    EXPECT_EQ(ParseDecimal(wxString(L"12abc")), 12);
}
