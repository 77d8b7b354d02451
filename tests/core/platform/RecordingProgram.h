#pragma once
// A harmless program for launcher tests: a script in a temporary folder that writes its
// arguments, one per line, to a file beside it. Stands in for xdg-open.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace zelmora::testing {

class RecordingProgram {
public:
    explicit RecordingProgram(int secondsBeforeRecording = 0)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zelmora-launch-XXXXXX").string();
        m_folder = mkdtemp(pattern.data());
        m_script = m_folder / "record-arguments";
        std::ofstream(m_script) << "#!/bin/sh\n"
                                << "sleep " << secondsBeforeRecording << "\n"
                                << "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.tmp\"\n"
                                << "mv \"$0.tmp\" \"$0.args\"\n";
        chmod(m_script.c_str(), 0755);
    }
    ~RecordingProgram() { std::filesystem::remove_all(m_folder); }
    RecordingProgram(const RecordingProgram&) = delete;
    RecordingProgram& operator=(const RecordingProgram&) = delete;

    std::string command() const { return m_script.string(); }
    const std::filesystem::path& folder() const { return m_folder; }

    // The arguments of the program's run, once it has recorded them (within 10 s).
    std::optional<std::vector<std::string>> waitForArguments() const
    {
        const std::filesystem::path record = m_script.string() + ".args";
        for (int attempt = 0; attempt < 1000; ++attempt) {
            if (std::filesystem::exists(record)) {
                std::ifstream in(record);
                std::vector<std::string> arguments;
                for (std::string line; std::getline(in, line);) {
                    arguments.push_back(line);
                }
                return arguments;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return std::nullopt;
    }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_script;
};

} // namespace zelmora::testing
