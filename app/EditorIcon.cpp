#include "app/EditorIcon.h"

#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/image.h>

#include "app/EditorIconData.h"

wxIconBundle EditorIcons()
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);    // the toolkit owns it
    wxIconBundle icons;
    for (const auto& [data, size] : {std::pair{editorIcon48, sizeof editorIcon48},
                                     std::pair{editorIcon128, sizeof editorIcon128}})
    {
        wxIcon icon;
        icon.CopyFromBitmap(wxBitmap::NewFromPNGData(data, size));
        icons.AddIcon(icon);
    }
    return icons;
}
