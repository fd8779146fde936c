// Files and movable memory for the saved-game, resume and score files.
#pragma once

#include <windows.h>

#include <string>

#include "persistence/byte_stream.h"
#include "persistence/game_memory.h"

namespace persistence {

// A file opened for reading; !IsOpen() when it could not be opened.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const char* path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
    size_t Read(void* dst, size_t n) override;
    uint64_t Remaining() override;

private:
    HANDLE file_;
};

// A file created for writing, replacing any file of that name.
class FileSink final : public ByteSink {
public:
    explicit FileSink(const char* path);
    ~FileSink() override;
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;

    bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
    void Write(const void* src, size_t n) override;
    bool Good() const override { return good_; }
    // Has every byte on the disk, then closes the file; false when it was
    // never written whole.
    bool FlushAndClose();
    // Closes the file; false when it was never written whole.
    bool Close();
    // The system's error code of the first failure (or of the creation).
    DWORD Error() const { return error_; }

private:
    void Failed(DWORD error);

    HANDLE file_;
    bool good_;
    DWORD error_ = 0;
};

// Movable global memory, zero-filled, as modules exchange it.
class GlobalGameMemory final : public GameMemory {
public:
    TSMemory Allocate(size_t bytes) override;
    size_t Size(TSMemory block) override;
    void* Lock(TSMemory block) override;
    void Unlock(TSMemory block) override;
    void Free(TSMemory block) override;
};

GlobalGameMemory& TheGameMemory();

}  // namespace persistence
