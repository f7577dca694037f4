#include "tests/batch/batch_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace pilaro::test {

pid_t startBatch(const ScratchFolder& folder, const std::vector<std::string>& args,
                 const RunSettings& settings) {
    const std::string out = folder.path() / ".out";
    const std::string err = folder.path() / ".err";
    int pipeEnds[2] = {-1, -1};
    if (settings.closedPipeOut && pipe(pipeEnds) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.path().c_str()) != 0) _exit(127);
        dup2(open(settings.standardInput.c_str(), O_RDONLY), 0);
        if (settings.closedPipeOut) {
            close(pipeEnds[0]);
            dup2(pipeEnds[1], 1);
        } else {
            const std::string to = settings.standardOutput.empty() ? out : settings.standardOutput;
            dup2(open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        }
        dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        if (!settings.temporaryFolder.empty())
            setenv("TMPDIR", settings.temporaryFolder.c_str(), 1);
        if (settings.fileSizeLimit > 0) {
            // A write past the limit then fails with EFBIG instead of a signal.
            signal(SIGXFSZ, SIG_IGN);
            const auto bytes = static_cast<rlim_t>(settings.fileSizeLimit);
            const rlimit limit{bytes, bytes};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::vector<char*> argv{const_cast<char*>(PILARO_BATCH_PROGRAM)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(PILARO_BATCH_PROGRAM, argv.data());
        _exit(127);
    }
    if (settings.closedPipeOut) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
    }
    return child;
}

BatchRun runBatch(const ScratchFolder& folder, const std::vector<std::string>& args,
                  const RunSettings& settings) {
    return waitForBatch(folder, startBatch(folder, args, settings));
}

BatchRun waitForBatch(const ScratchFolder& folder, pid_t child) {
    const std::string out = folder.path() / ".out";
    const std::string err = folder.path() / ".err";
    int status = 0;
    waitpid(child, &status, 0);
    BatchRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = folder.read(".out");
    run.err = folder.read(".err");
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

}  // namespace pilaro::test
