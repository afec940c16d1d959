// SPDX-License-Identifier: MIT
#include "clean_floor_run.h"

#include "arithmetic_floor.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

std::optional<double> run_clean_floor(int argc, char** argv) {
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string program = (self.parent_path() / "clean_floor").string();
    std::vector<std::string> args{program};
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).rfind("--benchmark_filter", 0) != 0) {
            args.emplace_back(argv[i]);
        }
    }
    std::vector<char*> child_argv;
    for (std::string& a : args) {
        child_argv.push_back(a.data());
    }
    child_argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0) {
        return std::nullopt;
    }
    std::cout.flush();
    const pid_t pid = fork();
    if (pid < 0) {
        return std::nullopt;
    }
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(program.c_str(), child_argv.data());
        std::perror(program.c_str());
        _exit(127);
    }
    close(out[1]);
    std::optional<double> floor;
    std::string line;
    char buffer[4096];
    ssize_t n = 0;
    const std::string_view marker = kCleanFloorLine;
    const auto take = [&](const std::string& l) {
        if (l.rfind(marker, 0) == 0) {
            floor = std::stod(l.substr(marker.size()));
        } else {
            std::cout << l << '\n';
        }
    };
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) {
        for (ssize_t i = 0; i < n; ++i) {
            if (buffer[i] == '\n') {
                take(line);
                line.clear();
            } else {
                line += buffer[i];
            }
        }
    }
    if (!line.empty()) {
        take(line);
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return floor;
}
