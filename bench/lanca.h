// Starting the real program as a separate process, offscreen, in a folder of its own.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace vantor::bench {

// Forks and runs `programa` with the offscreen platform, TEMP pointing into `pasta` (also its working
// folder) and the extra variables given ("NAME=value"). Its stdout goes nowhere; its stderr goes to
// `fdErro` (or nowhere when -1). Returns the child's pid, or -1.
inline pid_t LancaVantor(const std::string& programa, const std::string& pasta, const std::vector<std::string>& extras,
                         int fdErro) {
    // Everything the child needs is made before the fork: after it, only exec-safe calls.
    std::vector<std::string> ambiente;
    for (char** e = environ; *e; ++e) {
        const std::string var = *e;
        const std::string nome = var.substr(0, var.find('='));
        if (nome == "QT_QPA_PLATFORM" || nome == "TEMP" || nome == "VANTOR_MARCA_QUADRO") continue;
        ambiente.push_back(var);
    }
    ambiente.emplace_back("QT_QPA_PLATFORM=offscreen");
    ambiente.push_back("TEMP=" + pasta + "/");
    for (const auto& x : extras) ambiente.push_back(x);
    std::vector<char*> envp;
    envp.reserve(ambiente.size() + 1);
    for (auto& s : ambiente) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string arg0 = programa;
    char* argv[] = {arg0.data(), nullptr};

    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    if (::chdir(pasta.c_str()) != 0) ::_exit(126);
    const int nulo = ::open("/dev/null", O_WRONLY);
    ::dup2(nulo, 1);
    ::dup2(fdErro >= 0 ? fdErro : nulo, 2);
    ::execve(programa.c_str(), argv, envp.data());
    ::_exit(127);
}

}  // namespace vantor::bench
