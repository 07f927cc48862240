#pragma once
// Windows: while the program runs it holds a named mutex, by which the
// installer and the uninstaller (resources/windows/installer.nsi, which
// names the same mutex) see that it runs and ask the player to close it
// before they replace or remove its files.
namespace trivelon::app {

inline constexpr wchar_t kRunningMutexName[] = L"Local\\Trivelon.Running";

// Holds the mutex from its making to the end of the process.
class RunningMark {
public:
    RunningMark();
    ~RunningMark();
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

private:
    void* mutex_;
};

}  // namespace trivelon::app
