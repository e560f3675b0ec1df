#include "windows/FileHeldOpen.h"

#include <stdexcept>
#include <string>

namespace orvane::test {

namespace {

std::wstring holderProgram()
{
    std::wstring self(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
    self.resize(length);
    return (std::filesystem::path(self).parent_path() / L"orvane_hold_file.exe").wstring();
}

// A pipe whose one end the other process inherits.
void makePipe(HANDLE& read, HANDLE& write, HANDLE& keptEnd)
{
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    if (!CreatePipe(&read, &write, &inherited, 0) || !SetHandleInformation(keptEnd, HANDLE_FLAG_INHERIT, 0)) {
        throw std::runtime_error("cannot make a pipe");
    }
}

} // namespace

FileHeldOpen::FileHeldOpen(const std::filesystem::path& file)
{
    HANDLE childInput = nullptr, childOutput = nullptr, output = nullptr;
    makePipe(childInput, input_, input_);
    makePipe(output, childOutput, output);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    const std::wstring program = holderProgram();
    std::wstring commandLine = L"\"" + program + L"\" \"" + file.wstring() + L"\"";
    const bool started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process_) != 0;
    CloseHandle(childInput);
    CloseHandle(childOutput);

    std::string said;
    char c = 0;
    DWORD count = 0;
    while (started && said.size() < 8 && ReadFile(output, &c, 1, &count, nullptr) && count == 1 && c != '\n') {
        said += c;
    }
    CloseHandle(output);
    if (said.starts_with("held")) return;
    release();
    throw std::runtime_error("orvane_hold_file did not hold " + file.string() + (started ? "" : ": not started"));
}

FileHeldOpen::~FileHeldOpen() { release(); }

void FileHeldOpen::release()
{
    if (input_ != INVALID_HANDLE_VALUE) CloseHandle(input_);
    input_ = INVALID_HANDLE_VALUE;
    if (process_.hProcess == nullptr) return;
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
}

} // namespace orvane::test
