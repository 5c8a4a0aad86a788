#pragma once
// Limits the size of every file this process writes while the object lives, so a write is cut
// short as on a full disk; for root as well. SIGXFSZ is ignored meanwhile, so the write just
// fails.

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

class LimiteTamanhoArquivo
{
public:
    explicit LimiteTamanhoArquivo(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &anterior);
        sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = anterior;
        limite.rlim_cur = bytes;
        ativo = setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }
    ~LimiteTamanhoArquivo()
    {
        setrlimit(RLIMIT_FSIZE, &anterior);
        std::signal(SIGXFSZ, sinalAnterior);
    }
    LimiteTamanhoArquivo(const LimiteTamanhoArquivo &) = delete;
    LimiteTamanhoArquivo &operator=(const LimiteTamanhoArquivo &) = delete;

    bool ativo = false; // the limit could be set

private:
    rlimit anterior{};
    void (*sinalAnterior)(int) = SIG_DFL;
};

} // namespace testsupport
