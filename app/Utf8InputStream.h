// Decodes the bytes of a game file for a text stream, keeping every byte.
//
// Valid UTF-8 becomes the characters it encodes. Any other byte (a
// Shift-JIS name from an older install, a damaged or binary file) becomes
// the private-use character U+100000 + byte, which wxMBConvUTF8 with
// MAP_INVALID_UTF8_TO_PUA writes back as that same byte. The output is
// native UTF-32, to be read with wxMBConvUTF32.
//
// wxTextInputStream given the PUA-mapping UTF-8 converter directly would
// keep the bytes too, but it decodes one byte at a time, so every
// multi-byte character would arrive as private-use garbage.
#pragma once

#include <vector>
#include <wx/stream.h>

class Utf8InputStream : public wxFilterInputStream
{
public:
    explicit Utf8InputStream(wxInputStream& source);

protected:
    size_t OnSysRead(void* buffer, size_t size) override;

private:
    // decodes the next chunk of the source; false at its end
    bool Refill();
    void Decode();
    void Emit(wxUint32 character);

    std::vector<unsigned char> undecoded;    // a sequence cut by the chunk end
    std::vector<char> decoded;               // UTF-32 bytes not yet handed out
    size_t handedOut = 0;
    bool sourceEnded = false;
};
