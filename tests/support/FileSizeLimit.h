#pragma once
// Limits the size of every file this process writes while the object lives, so a write is cut
// short as on a full disk; for root as well. SIGXFSZ is ignored meanwhile, so the write just
// fails.

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = previous;
        limite.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active = false; // the limit could be set

private:
    rlimit previous{};
    void (*previousHandler)(int) = SIG_DFL;
};

} // namespace testsupport
