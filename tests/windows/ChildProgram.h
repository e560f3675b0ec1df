#pragma once
// A program beside the test binary (or orvane.exe) run as a child process: started suspended so that
// two can be let go together, its standard output and error caught in files, ended on demand with
// TerminateProcess as a crash or the task manager ends it.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <windows.h>

namespace orvane::test {

// A program in the folder of the test binary, or a path relative to that folder.
inline std::filesystem::path besideTests(const std::filesystem::path& relative)
{
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    return (std::filesystem::path(self).parent_path() / relative).lexically_normal();
}

// orvane.exe of this build.
inline std::filesystem::path toolProgram() { return besideTests(ORVANE_CLI_FROM_TESTS); }

class ChildProgram {
public:
    // Made suspended: nothing runs until start(). `outputs` is the folder for its two output files.
    ChildProgram(const std::filesystem::path& program, const std::vector<std::wstring>& arguments,
                 const std::filesystem::path& outputs)
        : out_(outputs / uniqueName(L"out")), err_(outputs / uniqueName(L"err"))
    {
        std::wstring commandLine = quoted(program.wstring());
        for (const std::wstring& argument : arguments) commandLine += L" " + quoted(argument);
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        const HANDLE out = CreateFileW(out_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        const HANDLE err = CreateFileW(err_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = out;
        startup.hStdError = err;
        // Wine now and then refuses a start while the machine is busy; a second try a moment later succeeds.
        BOOL made = FALSE;
        DWORD error = 0;
        for (int attempt = 0; attempt < 5 && !made; ++attempt) {
            if (attempt > 0) Sleep(200);
            made = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                                  nullptr, nullptr, &startup, &process_);
            if (!made) error = GetLastError();
        }
        CloseHandle(out);
        CloseHandle(err);
        if (!made)
            throw std::runtime_error("cannot start " + program.string() + " (error " + std::to_string(error) + ")");
    }
    ~ChildProgram()
    {
        if (running()) terminate();
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    void start() { ResumeThread(process_.hThread); }
    bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
    void terminate()
    {
        TerminateProcess(process_.hProcess, 137);
        WaitForSingleObject(process_.hProcess, INFINITE);
    }
    // Waits for the end; its exit status, or -1 when it was still running after the time allowed.
    int wait(DWORD milliseconds = 60'000)
    {
        if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
        DWORD status = 0;
        GetExitCodeProcess(process_.hProcess, &status);
        return static_cast<int>(status);
    }
    std::string output() const { return contents(out_); }
    std::string errors() const { return contents(err_); }

private:
    static std::wstring quoted(const std::wstring& argument) { return L"\"" + argument + L"\""; }
    static std::wstring uniqueName(const wchar_t* kind)
    {
        static int count = 0;
        return std::wstring(kind) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count) +
               L".txt";
    }
    static std::string contents(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        std::string bytes = text.str();
        std::erase(bytes, '\r');
        return bytes;
    }

    std::filesystem::path out_;
    std::filesystem::path err_;
    PROCESS_INFORMATION process_{};
};

} // namespace orvane::test
