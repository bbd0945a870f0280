#include "GuardedBuffer.h"

#include <string.h>

#include <cstdlib>

namespace {

size_t pageSize()
{
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
}

} // namespace

GuardedBuffer::GuardedBuffer(size_t size, unsigned char fill) : m_size(size), m_fill(fill)
{
    const size_t page = pageSize();
    const size_t usable = (size + page - 1) / page * page;
    m_reserved = usable + page;
    m_base = static_cast<char *>(VirtualAlloc(NULL, m_reserved, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old = 0;
    if (m_base == NULL || !VirtualProtect(m_base + usable, page, PAGE_NOACCESS, &old))
        std::abort();
    // The buffer ends where the guard page begins.
    m_data = m_base + usable - size;
    memset(m_data, fill, size);
}

GuardedBuffer GuardedBuffer::holding(const std::string &bytes)
{
    GuardedBuffer buffer(bytes.size());
    memcpy(buffer.m_data, bytes.data(), bytes.size());
    return buffer;
}

GuardedBuffer GuardedBuffer::holding(const std::wstring &units)
{
    GuardedBuffer buffer(units.size() * sizeof(WCHAR));
    memcpy(buffer.m_data, units.data(), units.size() * sizeof(WCHAR));
    return buffer;
}

GuardedBuffer::GuardedBuffer(GuardedBuffer &&other) noexcept
    : m_base(other.m_base), m_reserved(other.m_reserved), m_data(other.m_data), m_size(other.m_size),
      m_fill(other.m_fill)
{
    other.m_base = NULL;
}

GuardedBuffer::~GuardedBuffer()
{
    if (m_base != NULL)
        VirtualFree(m_base, 0, MEM_RELEASE);
}

std::string GuardedBuffer::text() const
{
    return std::string(m_data, strnlen(m_data, m_size));
}

bool GuardedBuffer::untouched() const
{
    for (size_t i = 0; i < m_size; ++i)
        if (static_cast<unsigned char>(m_data[i]) != m_fill)
            return false;
    return true;
}
