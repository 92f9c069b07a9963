#pragma once
// Saving a file without ever damaging the file that was there: a channel, or
// any other content whose size is known before it is written (an export).
// Every file the program writes goes this one way. The parts tests reach
// into: the sink over a file descriptor, and a save that takes the sink it
// writes through, so a failing disk can be imitated.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "cdf/ByteSink.h"
#include "cdf/CdfWriter.h"

namespace fw {

class CdfProgress;

enum class SaveStatus {
    Ok,
    CannotCreate,  // the file (or its temporary sibling) could not be created
    WriteFailed,   // a write, flush or the final replace failed, or memory ran out; the old file is untouched
    NoSpace,       // the file would not fit (free space, file-size limit); nothing was written
    Cancelled,     // the progress asked to stop; the old file is untouched
};

// What a save writes. Size() is asked once, before anything is created, and
// tells exactly how many bytes Write then hands to the sink.
class FileContent {
public:
    virtual ~FileContent() = default;
    virtual std::uint64_t Size() = 0;
    [[nodiscard]] virtual bool Write(ByteSink& sink) = 0;
};

// Bytes already in memory (not copied: they must outlive the save).
class BytesContent final : public FileContent {
public:
    explicit BytesContent(std::string_view bytes) : m_bytes(bytes) {}
    std::uint64_t Size() override { return m_bytes.size(); }
    bool Write(ByteSink& sink) override { return sink.Write(m_bytes); }

private:
    std::string_view m_bytes;
};

// Writes the channel to `path` safely: into a temporary file in the same
// folder, flushed to disk, then renamed over the target. On failure the
// temporary file is removed and an existing target stays byte for byte.
// SafeSave.cpp states the whole contract.
[[nodiscard]] SaveStatus SaveCdfFile(Channel& channel, const std::string& path, CdfProgress* progress = nullptr);

// Writes `content` to `path` as SaveCdfFile writes a channel, with the same
// guarantees.
[[nodiscard]] SaveStatus SaveFile(const std::string& path, FileContent& content, CdfProgress* progress = nullptr);

// Writes to an open file descriptor (not owned), retrying interrupted and
// short writes. False on the first error (disk full, I/O error).
class FdSink final : public ByteSink {
public:
    explicit FdSink(int fd) : m_fd(fd) {}
    bool Write(std::string_view bytes) override;

private:
    int m_fd;
};

// Makes the sink that the channel is written through, given the temporary
// file's descriptor.
using FdSinkFactory = std::function<std::unique_ptr<ByteSink>(int fd)>;

// SaveFile and SaveCdfFile with the sink made by `makeSink` instead of a
// plain FdSink.
[[nodiscard]] SaveStatus SaveFileThrough(const std::string& path, FileContent& content, const FdSinkFactory& makeSink,
                                         CdfProgress* progress = nullptr);
[[nodiscard]] SaveStatus SaveCdfFileThrough(Channel& channel, const std::string& path, const FdSinkFactory& makeSink,
                                            CdfProgress* progress = nullptr);

}  // namespace fw
