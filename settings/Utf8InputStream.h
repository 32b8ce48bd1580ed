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
//
// wxTextInputStream::ReadLine takes the decoded text one character at a
// time, four one-byte reads and a conversion each; ReadLine here gives the
// same lines a whole run of characters at a time (ReadValueLine uses it).
#pragma once

#include <vector>
#include <wx/stream.h>

class Utf8InputStream : public wxFilterInputStream
{
public:
    explicit Utf8InputStream(wxInputStream& source);

    // where wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA puts a byte that is not
    // UTF-8: this character plus the byte
    static constexpr wxUint32 byteAsCharacter = 0x100000;
    static bool IsCarriedByte(wxUniChar c) { return (c.GetValue() & ~0xFFu) == byteAsCharacter; }

    // The next line, as wxTextInputStream::ReadLine reads it from this
    // stream: it ends at a line feed, a carriage return, or a carriage
    // return and a line feed, the ending not kept; at the end of the stream
    // it is what was left, and the stream is at Eof() from then on, as it
    // is after a carriage return that was the last character. False, with
    // nothing read, when the stream is where only the character-wise reader
    // can go on (bytes pushed back, a character half handed out).
    bool ReadLine(wxString& line);

protected:
    size_t OnSysRead(void* buffer, size_t size) override;

private:
    // decodes the next chunk (reading it from the source when it has not
    // been read ahead); false once everything was decoded
    bool Refill();
    // appends the next chunk of the source to the undecoded bytes; false at
    // its end
    bool ReadChunk();
    // decodes up to about `limit` undecoded bytes
    void Decode(size_t limit);
    void Emit(wxUint32 character);
    // makes decoded text available; false at the end of the source
    bool HaveText();
    // reads the source ahead to the end of the current line; the number of
    // bytes up to it, which no character count of the line can exceed
    size_t LineBytesAhead();

    std::vector<unsigned char> undecoded;    // read from the source, from decodeFrom on
    size_t decodeFrom = 0;
    std::vector<wchar_t> decoded;            // UTF-32 (wchar_t is 32-bit here)
    size_t handedOut = 0;                    // in bytes of decoded
    bool sourceEnded = false;
};
