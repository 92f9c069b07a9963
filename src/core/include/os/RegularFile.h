#pragma once
// Reading a regular file whole (or its head), the one way Load, lint and
// every command read a file. Anything else is refused before a byte is read:
// a FIFO without a writer would wait for ever, a device like /dev/zero never
// ends, and a folder has no bytes to give. The open never waits for a FIFO's
// writer.

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace fw {

// A file's bytes in memory mapped for them alone, not taken from the
// allocator: it is made exactly as large as the file, filled by read()
// without being cleared first, and the part a reader has passed can be given
// back to the system while it reads on, so that a large file and what is
// made from it are not both held whole.
class FileBuffer {
public:
    FileBuffer() = default;
    ~FileBuffer();
    FileBuffer(const FileBuffer&) = delete;
    FileBuffer& operator=(const FileBuffer&) = delete;

    std::string_view Bytes() const { return {m_data, m_size}; }
    // Room for `capacity` bytes, the ones read so far kept. Throws
    // std::bad_alloc when the system has no memory for them.
    void Reserve(std::size_t capacity);
    // Room left behind the bytes read so far, and the bytes read into it.
    char* Free() { return m_data + m_size; }
    std::size_t FreeSize() const { return m_capacity - m_size; }
    void Grow(std::size_t count) { m_size += count; }
    // Gives back the whole pages before `offset`; they are not read again.
    void ReleaseBefore(std::size_t offset);
    // Gives back all of it.
    void Release();

private:
    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
    std::size_t m_released = 0;  // bytes at the front already given back
};

enum class FileReadStatus {
    Ok,
    CannotOpen,  // `error` holds the errno
    Folder,
    NotRegular,  // a FIFO, a device, a socket
    TooLarge,    // larger than the machine's memory
    ReadFailed,  // `error` holds the errno
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Ok;
    int error = 0;
    bool truncated = false;  // more bytes followed the `limit` read

    explicit operator bool() const { return status == FileReadStatus::Ok; }
    // "No such file or directory", "not a regular file", ...
    std::string Reason() const;
};

struct FileReadOptions {
    std::size_t limit = std::numeric_limits<std::size_t>::max() - 1;  // bytes read at most
    bool noFollow = false;                                            // refuse a last symbolic link
};

// Reads `path` into `buffer`. Throws std::bad_alloc when memory runs out
// part-way (a file that grows while it is read).
[[nodiscard]] FileReadResult ReadRegularFile(const std::string& path, FileBuffer& buffer,
                                             const FileReadOptions& options = {});

}  // namespace fw
