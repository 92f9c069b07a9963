#include "os/RegularFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "os/UniqueFd.h"

namespace fw {

namespace {

constexpr std::size_t kPage = 4096;
// The input given back in steps of this size (a large page, where the system
// uses them for the buffer).
constexpr std::size_t kReleaseStep = 2 * 1024 * 1024;

// A file may have no more bytes than the machine has memory, however much
// the system would promise: the pages would be taken from other programs.
bool FitsInMemory(off_t size)
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return true;
    return static_cast<unsigned long long>(size) / static_cast<unsigned long long>(pageSize) <
        static_cast<unsigned long long>(pages);
}

}  // namespace

FileBuffer::~FileBuffer()
{
    if (m_data != nullptr)
        munmap(m_data, m_capacity);
}

void FileBuffer::Reserve(std::size_t capacity)
{
    capacity = (capacity + kPage - 1) / kPage * kPage;
    if (capacity <= m_capacity)
        return;
    void* data = m_data == nullptr ? mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                                   : mremap(m_data, m_capacity, capacity, MREMAP_MAYMOVE);
    if (data == MAP_FAILED)
        throw std::bad_alloc();
    m_data = static_cast<char*>(data);
    m_capacity = capacity;
#ifdef MADV_HUGEPAGE
    if (capacity >= kReleaseStep)
        madvise(m_data, m_capacity, MADV_HUGEPAGE);  // fewer page faults; a hint only
#endif
}

void FileBuffer::ReleaseBefore(std::size_t offset)
{
    const std::size_t end = offset / kReleaseStep * kReleaseStep;
    if (m_data == nullptr || end <= m_released)
        return;
    madvise(m_data + m_released, end - m_released, MADV_DONTNEED);
    m_released = end;
}

void FileBuffer::Release()
{
    if (m_data != nullptr)
        munmap(m_data, m_capacity);
    m_data = nullptr;
    m_size = m_capacity = m_released = 0;
}

std::string FileReadResult::Reason() const
{
    switch (status) {
    case FileReadStatus::Ok:
        return {};
    case FileReadStatus::Folder:
        return std::strerror(EISDIR);
    case FileReadStatus::NotRegular:
        return "not a regular file";
    case FileReadStatus::TooLarge:
        return "too large to hold in memory";
    case FileReadStatus::CannotOpen:
    case FileReadStatus::ReadFailed:
        break;
    }
    return std::strerror(error);
}

FileReadResult ReadRegularFile(const std::string& path, FileBuffer& buffer, const FileReadOptions& options)
{
    const UniqueFd file(
        open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (options.noFollow ? O_NOFOLLOW : 0)));
    struct stat info {};
    if (file.Get() < 0 || fstat(file.Get(), &info) != 0)
        return {FileReadStatus::CannotOpen, errno};
    if (S_ISDIR(info.st_mode))
        return {FileReadStatus::Folder};
    if (!S_ISREG(info.st_mode))
        return {FileReadStatus::NotRegular};
    if (!FitsInMemory(info.st_size) && options.limit >= static_cast<unsigned long long>(info.st_size))
        return {FileReadStatus::TooLarge};
    // One byte more than is wanted, so that the read that finds the end
    // needs no more room unless the file has grown meanwhile.
    const std::size_t size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    buffer.Reserve(std::min(size, options.limit) + 1);
    for (;;) {
        const std::size_t room = options.limit - buffer.Bytes().size();
        if (buffer.FreeSize() == 0)
            buffer.Reserve(std::min(2 * buffer.Bytes().size(), options.limit) + 1);
        const ssize_t got = read(file.Get(), buffer.Free(), std::min(buffer.FreeSize(), room + 1));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {FileReadStatus::ReadFailed, errno};
        if (got == 0)
            return {};
        const auto count = static_cast<std::size_t>(got);
        if (count > room) {
            buffer.Grow(room);
            return {FileReadStatus::Ok, 0, true};
        }
        buffer.Grow(count);
    }
}

}  // namespace fw
