#include "persistence/win/replace_file.h"

#include "persistence/win/file_io.h"

namespace persistence {

namespace {

// Another program that reads the old file (a virus scanner, a backup, an
// indexer) may hold it for a moment: the rename is tried again a few times
// before it counts as failed.
bool RenameOver(const std::string& from, const std::string& to)
{
    constexpr int kTries = 5;
    constexpr DWORD kPauseMs = 20;
    for (int i = 0;; ++i) {
        if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if (i + 1 == kTries || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) {
            SetLastError(error);
            return false;
        }
        Sleep(kPauseMs);
    }
}

}  // namespace

ReplaceOutcome ReplaceFile(const std::string& path, const std::function<bool(ByteSink&)>& write)
{
    const std::string temporary = path + ".new";
    ReplaceOutcome outcome;
    bool wanted = false;
    {
        FileSink out(temporary.c_str());
        if (!out.IsOpen()) return {WriteStep::Create, out.Error(), false};
        wanted = write(out);
        if (!out.FlushAndClose() && wanted) outcome = {WriteStep::Write, out.Error(), false};
    }
    if (wanted && outcome.failed == WriteStep::None) {
        if (RenameOver(temporary, path)) {
            outcome.written = true;
            return outcome;
        }
        outcome = {WriteStep::Replace, GetLastError(), false};
    }
    DeleteFileA(temporary.c_str());
    return outcome;
}

std::string SystemMessage(DWORD error)
{
    char text[512] = {};
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                   sizeof text, nullptr);
    if (n == 0) {
        wsprintfA(text, "Error %lu.", error);
        return text;
    }
    return TrimSystemMessage(text);
}

}  // namespace persistence
