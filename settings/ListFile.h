// A list file named in config.txt: its path as config.txt holds it, and
// what the file holds. Every list file is its header line, an empty line,
// the contents, and the end marker; each kind of list says how its contents
// are laid out and what they start as.
#pragma once

#include <string>
#include <wx/string.h>

class SlotList;
class wxTextInputStream;
class wxTextOutputStream;

class ListFile
{
public:
    ListFile(const wxString& defaultPath, const wxString& header);
    virtual ~ListFile() = default;

    // the path to its default, the contents to what the declarations hold;
    // no file is read
    void SetDefaults();
    // Some lists have no initial contents of their own: they take them from
    // the default list file (ConfigDocument::Reset reads it).
    virtual bool DefaultsInFile() const { return false; }

    // the whole file, from its header to the end marker
    void Write(wxTextOutputStream& out) const;
    // the values of the file, in order; whatever is read is accepted
    virtual void Read(wxTextInputStream& in) = 0;

    // the slots of files the list names (the font list: its two fonts)
    virtual const SlotList& Files() const = 0;

    // the file's bytes, as a save writes them
    std::string Bytes() const;

    // False, with the contents unchanged, when the file cannot be opened.
    // The file is reached by the game's name rules from the game folder
    // (GameFolder), and may lie outside it only where the user picked it.
    // A file that is there but cannot be read (no permission, a FIFO) marks
    // the list (MarkUnread); one that was read or is not there clears the
    // mark.
    bool ReadFile();

    // true when the path is the one last picked with a browse button
    bool IsPicked() const;

    // A save does not replace a file that could not be read while the list
    // holds what it held then: the mark keeps the path and those contents,
    // and any edit, browse or initial settings lift it.
    void MarkUnread();
    void ForgetUnread() { unread = Unread(); }
    bool HoldsUnreadFile() const;

    // the list file's path as one value line of config.txt
    void WritePath(wxTextOutputStream& out) const;
    void ReadPath(wxTextInputStream& in);

    wxString path;          // as config.txt names it
    wxString pickedPath;    // the path last chosen for it with a browse button, if any
    const wxString defaultPath;

protected:
    virtual void SetContentsToDefaults() = 0;
    virtual void WriteContents(wxTextOutputStream& out) const = 0;

private:
    const wxString header;

    struct Unread
    {
        wxString path;
        std::string bytes;
    } unread;
};
