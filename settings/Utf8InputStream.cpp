#include "settings/Utf8InputStream.h"

#include <algorithm>
#include <cstring>
#include <wx/string.h>

static_assert(sizeof(wchar_t) == 4, "decoded text is handed out as UTF-32");

namespace
{
const size_t chunkSize = 64 * 1024;

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

bool Utf8InputStream::HaveText()
{
    while (handedOut == decoded.size() * sizeof(wchar_t))
    {
        decoded.clear();
        handedOut = 0;
        if (!Refill() && decoded.empty())
        {
            m_lasterror = wxSTREAM_EOF;
            return false;
        }
    }
    return true;
}

size_t Utf8InputStream::OnSysRead(void* buffer, size_t size)
{
    if (!HaveText())
        return 0;
    const size_t bytes = decoded.size() * sizeof(wchar_t);
    const size_t count = std::min(size, bytes - handedOut);
    std::memcpy(buffer, reinterpret_cast<const char*>(decoded.data()) + handedOut, count);
    handedOut += count;
    return count;
}

bool Utf8InputStream::ReadLine(wxString& line)
{
    if (m_wbackcur < m_wbacksize || handedOut % sizeof(wchar_t) != 0)
        return false;
    line.clear();
    if (Eof())
        return true;
    bool reserved = false;
    while (HaveText())
    {
        const wchar_t* begin = decoded.data() + handedOut / sizeof(wchar_t);
        const wchar_t* end = decoded.data() + decoded.size();
        const wchar_t* stop = begin;
        while (stop != end && *stop != L'\n' && *stop != L'\r')
            ++stop;
        line.append(begin, static_cast<size_t>(stop - begin));
        handedOut += static_cast<size_t>(stop - begin) * sizeof(wchar_t);
        if (stop == end)
        {
            // A line longer than what is decoded: room for all of it at once,
            // or a long line would be copied again at every growth.
            if (!reserved)
                line.reserve(line.length() + LineBytesAhead());
            reserved = true;
            continue;
        }
        handedOut += sizeof(wchar_t);
        // after a carriage return, a line feed belongs to the same ending
        if (*stop == L'\r' && HaveText() && decoded[handedOut / sizeof(wchar_t)] == L'\n')
            handedOut += sizeof(wchar_t);
        return true;
    }
    return true;
}

bool Utf8InputStream::ReadChunk()
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
    return read > 0;
}

bool Utf8InputStream::Refill()
{
    // bytes that ReadLine read ahead are decoded a chunk at a time too
    if (undecoded.size() - decodeFrom < chunkSize)
    {
        undecoded.erase(undecoded.begin(),
                        undecoded.begin() + static_cast<std::ptrdiff_t>(decodeFrom));
        decodeFrom = 0;
        ReadChunk();
    }
    Decode(chunkSize);
    return !sourceEnded || decodeFrom < undecoded.size();
}

size_t Utf8InputStream::LineBytesAhead()
{
    // a line feed or carriage return byte is never part of a longer sequence
    const auto isLineEnd = [](unsigned char byte) { return byte == '\n' || byte == '\r'; };
    size_t scanned = decodeFrom;
    for (;;)
    {
        const auto from = undecoded.begin() + static_cast<std::ptrdiff_t>(scanned);
        const auto found = std::find_if(from, undecoded.end(), isLineEnd);
        if (found != undecoded.end())
            return static_cast<size_t>(found - undecoded.begin()) - decodeFrom;
        scanned = undecoded.size();
        if (!ReadChunk())
            return undecoded.size() - decodeFrom;
    }
}

void Utf8InputStream::Decode(size_t limit)
{
    size_t i = decodeFrom;
    const size_t end = std::min(undecoded.size(), decodeFrom + limit);
    while (i < end)
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
        if (length > 0 && (character & ~0xFFu) != Utf8InputStream::byteAsCharacter)
        {
            Emit(character);
            i += static_cast<size_t>(length);
        }
        else
        {
            Emit(Utf8InputStream::byteAsCharacter + bytes[0]);
            ++i;
        }
    }
    decodeFrom = i;
}

void Utf8InputStream::Emit(wxUint32 character)
{
    decoded.push_back(static_cast<wchar_t>(character));
}
