#include "settings/TextBytes.h"

#include <wx/mstream.h>
#include <wx/strconv.h>
#include <wx/txtstrm.h>

std::string TextBytes(const std::function<void(wxTextOutputStream&)>& write)
{
    wxMemoryOutputStream bytes;
    {
        wxMBConvUTF8 conv(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
        wxTextOutputStream text(bytes, wxEOL_UNIX, conv);
        write(text);
        text.Flush();
    }
    const wxStreamBuffer* buffer = bytes.GetOutputStreamBuffer();
    return std::string(static_cast<const char*>(buffer->GetBufferStart()),
                       buffer->GetIntPosition());
}
