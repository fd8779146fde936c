#include "persistence/win/file_io.h"

namespace persistence {

FileSource::FileSource(const char* path)
    : file_(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
{
}

FileSource::~FileSource()
{
    if (IsOpen()) CloseHandle(file_);
}

size_t FileSource::Read(void* dst, size_t n)
{
    size_t total = 0;
    auto* p = static_cast<char*>(dst);
    while (IsOpen() && total < n) {
        const DWORD want = static_cast<DWORD>(n - total > 0x10000000u ? 0x10000000u : n - total);
        DWORD got = 0;
        if (!ReadFile(file_, p + total, want, &got, nullptr) || got == 0) break;
        total += got;
    }
    return total;
}

uint64_t FileSource::Remaining()
{
    LARGE_INTEGER size{}, here{}, zero{};
    if (!IsOpen() || !GetFileSizeEx(file_, &size) || !SetFilePointerEx(file_, zero, &here, FILE_CURRENT)) return 0;
    return size.QuadPart > here.QuadPart ? static_cast<uint64_t>(size.QuadPart - here.QuadPart) : 0;
}

FileSink::FileSink(const char* path)
    : file_(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)),
      good_(file_ != INVALID_HANDLE_VALUE)
{
    if (!good_) error_ = GetLastError();
}

FileSink::~FileSink() { Close(); }

void FileSink::Failed(DWORD error)
{
    if (good_) error_ = error;
    good_ = false;
}

void FileSink::Write(const void* src, size_t n)
{
    if (!IsOpen() || !good_) return;
    // A disk that fills up may take part of a write and report success:
    // the rest is written again, and then fails with the reason.
    const auto* p = static_cast<const char*>(src);
    while (n > 0) {
        const DWORD want = static_cast<DWORD>(n > 0x10000000u ? 0x10000000u : n);
        DWORD written = 0;
        if (!WriteFile(file_, p, want, &written, nullptr)) return Failed(GetLastError());
        if (written == 0) return Failed(ERROR_DISK_FULL);
        p += written;
        n -= written;
    }
}

bool FileSink::FlushAndClose()
{
    if (IsOpen() && good_ && !FlushFileBuffers(file_)) Failed(GetLastError());
    return Close();
}

bool FileSink::Close()
{
    if (IsOpen()) {
        if (!CloseHandle(file_)) Failed(GetLastError());
        file_ = INVALID_HANDLE_VALUE;
    }
    return good_;
}

TSMemory GlobalGameMemory::Allocate(size_t bytes) { return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes); }

size_t GlobalGameMemory::Size(TSMemory block) { return GlobalSize(static_cast<HGLOBAL>(block)); }

void* GlobalGameMemory::Lock(TSMemory block) { return GlobalLock(static_cast<HGLOBAL>(block)); }

void GlobalGameMemory::Unlock(TSMemory block) { GlobalUnlock(static_cast<HGLOBAL>(block)); }

void GlobalGameMemory::Free(TSMemory block) { GlobalFree(static_cast<HGLOBAL>(block)); }

GlobalGameMemory& TheGameMemory()
{
    static GlobalGameMemory memory;
    return memory;
}

}  // namespace persistence
