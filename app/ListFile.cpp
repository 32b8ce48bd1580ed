#include "app/ListFile.h"

#include <wx/txtstrm.h>

#include "app/TextFileReader.h"
#include "app/TextFileWriter.h"
#include "app/ValueLine.h"
#include "controls/myFileSelect.h"

void WriteListPathLine(wxTextOutputStream& out, const myFileSelect& selector)
{
    WriteTextValue(out, selector.GetPath());
}

void ReadListPathLine(wxTextInputStream& in, myFileSelect& selector)
{
    selector.SetPath(ReadTextValue(in));
}

void WriteFixedSlots(wxTextOutputStream& out, const std::vector<wxString>& comments,
                     const Slots& slots)
{
    for (size_t i = 0; i < slots.size(); ++i)
    {
        WriteLine(out, comments.at(i));
        WriteTextValue(out, slots[i]->GetPath());
    }
}

void ReadFixedSlots(wxTextInputStream& in, const Slots& slots)
{
    for (myFileSelect* slot : slots)
        slot->SetPath(ReadTextValue(in));
}

std::vector<wxString> NumberedComments(const wxString& format, size_t count)
{
    std::vector<wxString> comments;
    for (size_t n = 1; n <= count; ++n)
        comments.push_back(wxString::Format(format, static_cast<int>(n)));
    return comments;
}

bool WriteFixedListFile(const wxString& path, const wxString& header,
                        const std::vector<wxString>& comments, const Slots& slots)
{
    TextFileWriter file(path);
    if (!file.IsOpened())
        return false;
    wxTextOutputStream& out = file.Stream();
    WriteLine(out, header);
    WriteLine(out, wxString());
    WriteFixedSlots(out, comments, slots);
    WriteEndOfFile(out);
    return file.Commit();
}

bool ReadFixedListFile(const wxString& path, const Slots& slots)
{
    TextFileReader file(path);
    if (!file.IsOpened())
        return false;
    ReadFixedSlots(file.Stream(), slots);
    return true;
}

void WriteCountedSlots(wxTextOutputStream& out, const wxString& countComment,
                       const wxString& entryCommentFormat, const Slots& slots)
{
    Slots used;
    for (myFileSelect* slot : slots)
        if (!slot->GetPath().empty())
            used.push_back(slot);
    WriteLine(out, countComment);
    WriteIntValue(out, static_cast<int>(used.size()));
    WriteLine(out, wxString());
    int entry = 0;
    for (const myFileSelect* slot : used)
    {
        WriteLine(out, wxString::Format(entryCommentFormat, ++entry));
        WriteLine(out, slot->GetPath());
    }
}

void ReadCountedSlots(wxTextInputStream& in, const Slots& slots)
{
    const int count = ReadIntValue(in);
    for (myFileSelect* slot : slots)
        slot->SetPath(wxString());
    for (int k = 0; k < count; ++k)
    {
        if (static_cast<size_t>(k) < slots.size())
            slots[k]->SetPath(ReadValueLine(in));
        else if (in.GetInputStream().Eof())
            break;
        else
            ReadValueLine(in);
    }
}

bool TakePathChosen(myFileSelect& selector)
{
    if (!selector.pathChosen)
        return false;
    selector.pathChosen = false;
    return true;
}
