#include "app/Utf8InputStream.h"

#include <cstring>

namespace
{
const size_t chunkSize = 64 * 1024;

// where wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA puts a byte that is not UTF-8
const wxUint32 byteAsCharacter = 0x100000;

// The length of the valid UTF-8 sequence at the start of bytes, 0 if it is
// not one, or -1 if the bytes end before it can be told.
int SequenceLength(const unsigned char* bytes, size_t available)
{
    const unsigned char lead = bytes[0];
    int length;
    unsigned char low = 0x80, high = 0xBF;    // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
    {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;    // no surrogates
    }
    else if (lead >= 0xF0 && lead <= 0xF4)
    {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    }
    else
        return 0;

    for (int i = 1; i < length; ++i)
    {
        if (static_cast<size_t>(i) >= available)
            return -1;
        const unsigned char byte = bytes[i];
        if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

wxUint32 DecodeSequence(const unsigned char* bytes, int length)
{
    static const unsigned char leadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
    wxUint32 character = bytes[0] & leadMask[length];
    for (int i = 1; i < length; ++i)
        character = (character << 6) | (bytes[i] & 0x3F);
    return character;
}
}

Utf8InputStream::Utf8InputStream(wxInputStream& source)
    : wxFilterInputStream(source)
{
}

size_t Utf8InputStream::OnSysRead(void* buffer, size_t size)
{
    while (handedOut == decoded.size())
    {
        decoded.clear();
        handedOut = 0;
        if (!Refill() && decoded.empty())
        {
            m_lasterror = wxSTREAM_EOF;
            return 0;
        }
    }
    const size_t count = std::min(size, decoded.size() - handedOut);
    std::memcpy(buffer, decoded.data() + handedOut, count);
    handedOut += count;
    return count;
}

bool Utf8InputStream::Refill()
{
    if (sourceEnded)
        return false;
    const size_t kept = undecoded.size();
    undecoded.resize(kept + chunkSize);
    m_parent_i_stream->Read(undecoded.data() + kept, chunkSize);
    const size_t read = m_parent_i_stream->LastRead();
    undecoded.resize(kept + read);
    if (read == 0)
        sourceEnded = true;
    Decode();
    return !sourceEnded;
}

void Utf8InputStream::Decode()
{
    size_t i = 0;
    while (i < undecoded.size())
    {
        const unsigned char* bytes = undecoded.data() + i;
        const size_t available = undecoded.size() - i;
        // NUL and EOT would end a line or a string early in a text stream
        if (bytes[0] < 0x80 && bytes[0] != 0x00 && bytes[0] != 0x04)
        {
            Emit(bytes[0]);
            ++i;
            continue;
        }
        const int length = bytes[0] < 0x80 ? 0 : SequenceLength(bytes, available);
        if (length < 0 && !sourceEnded)
            break;    // the rest of the sequence comes with the next chunk
        const wxUint32 character = length > 0 ? DecodeSequence(bytes, length) : 0;
        // a character in the byte range itself is kept as its bytes, so that
        // it cannot come out as a different byte
        if (length > 0 && (character & ~0xFFu) != byteAsCharacter)
        {
            Emit(character);
            i += static_cast<size_t>(length);
        }
        else
        {
            Emit(byteAsCharacter + bytes[0]);
            ++i;
        }
    }
    undecoded.erase(undecoded.begin(), undecoded.begin() + static_cast<std::ptrdiff_t>(i));
}

void Utf8InputStream::Emit(wxUint32 character)
{
    const char* bytes = reinterpret_cast<const char*>(&character);
    decoded.insert(decoded.end(), bytes, bytes + sizeof character);
}
