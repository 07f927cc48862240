// The Windows side of the picture-file seam on a real Windows file system
// (Windows itself, or Wine): each case in a working directory of its own, as
// the program reads its pictures by paths relative to it. Plain C++ and the
// Windows API, like the seam, so that it runs without a Windows toolkit.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "files/picture_file.h"

namespace {

namespace fs = std::filesystem;

constexpr std::wstring_view kHoldOption = L"--hold-for-writing";

fs::path PathOf(std::string_view utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

// A path below the working directory in the form without the 260-character
// limit, for the test's own file calls.
std::wstring UnlimitedPathOf(std::string_view relativePath) {
    return L"\\\\?\\" + (fs::current_path() / PathOf(relativePath)).lexically_normal().make_preferred().native();
}

void MakeFolders(std::string_view relativePath) {
    fs::path made;
    for (const fs::path& part : PathOf(relativePath)) {
        made /= part;
        const std::wstring full = UnlimitedPathOf(reinterpret_cast<const char*>(made.u8string().c_str()));
        ASSERT_TRUE(CreateDirectoryW(full.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    }
}

void Write(std::string_view relativePath, std::string_view bytes) {
    const HANDLE file = CreateFileW(UnlimitedPathOf(relativePath).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << relativePath;
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    EXPECT_EQ(written, bytes.size());
    CloseHandle(file);
}

// The second process of the held-file case: opens the file for writing,
// sharing it with readers and writers, says "held" and keeps it open until
// its standard input closes.
int HoldForWriting(const wchar_t* path) {
    const HANDLE file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "held\n", 5, &written, nullptr);
    char ignored = 0;
    DWORD got = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &ignored, 1, &got, nullptr) && got > 0) {
    }
    CloseHandle(file);
    return 0;
}

// This test program started again as the holding process, with pipes for its
// standard input and output.
class Holder {
public:
    explicit Holder(const std::wstring& path) {
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE childInput = nullptr, childOutput = nullptr;
        if (!CreatePipe(&childInput, &input_, &inherited, 0) || !CreatePipe(&output_, &childOutput, &inherited, 0))
            return;
        SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
        wchar_t program[MAX_PATH];
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        std::wstring commandLine =
            L"\"" + std::wstring(program) + L"\" " + std::wstring(kHoldOption) + L" \"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childInput;
        startup.hStdOutput = childOutput;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                  &process_);
        CloseHandle(childInput);
        CloseHandle(childOutput);
    }
    ~Holder() {
        release();
        if (started_) {
            WaitForSingleObject(process_.hProcess, 30000);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        if (output_) CloseHandle(output_);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    // What the holder said first: "held" once it has the file open.
    std::string firstLine() {
        std::string line;
        char c = 0;
        DWORD got = 0;
        while (started_ && ReadFile(output_, &c, 1, &got, nullptr) && got == 1 && c != '\n') line += c;
        return line;
    }
    // Closes the holder's standard input, upon which it closes the file and ends.
    void release() {
        if (input_) CloseHandle(input_);
        input_ = nullptr;
    }
    DWORD exitCode() {
        DWORD code = STILL_ACTIVE;
        if (started_ && WaitForSingleObject(process_.hProcess, 30000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    HANDLE input_ = nullptr, output_ = nullptr;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

class PictureFileTest : public testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        std::random_device random;
        folder_ = fs::temp_directory_path() / ("trivelon-picture-file-" + std::to_string(random()));
        fs::create_directories(folder_);
        fs::current_path(folder_);
        MakeFolders("images/big");
    }
    void TearDown() override {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(L"\\\\?\\" + folder_.native(), ignored);
    }

    // The message names the full path inside the working directory in
    // Windows' own form, with '\\' between its parts, and the system's reason, without a full stop or
    // line break of its own.
    static void ExpectCannotOpen(std::string_view relativePath) {
        const trivelon::PictureFile file(relativePath);
        ASSERT_TRUE(file.openFailure().has_value()) << relativePath;
        std::string folder = reinterpret_cast<const char*>(fs::current_path().u8string().c_str());
        std::string path = folder + '\\' + std::string(relativePath);
        std::replace(path.begin(), path.end(), '/', '\\');
        const std::string prefix = "Cannot open file \"" + path + "\". ";
        const std::string& message = *file.openFailure();
        ASSERT_TRUE(message.starts_with(prefix)) << message;
        const std::string reason = message.substr(prefix.size());
        EXPECT_FALSE(reason.empty());
        EXPECT_FALSE(reason.ends_with('.') || reason.ends_with(' ') ||
                     reason.find_first_of("\r\n") != std::string::npos)
            << message;
    }

    static void ExpectReads(std::string_view relativePath, std::string_view bytes) {
        trivelon::PictureFile file(relativePath);
        ASSERT_FALSE(file.openFailure().has_value()) << *file.openFailure();
        EXPECT_EQ(file.size(), static_cast<std::int64_t>(bytes.size()));
        std::string read(bytes.size(), '\0');
        EXPECT_TRUE(file.read(std::span(read).first(2)));
        EXPECT_TRUE(file.read(std::span(read).subspan(2)));
        EXPECT_EQ(read, bytes);
        char beyond = 0;
        EXPECT_FALSE(file.read(std::span(&beyond, 1)));
    }

private:
    fs::path folder_, previous_;
};

constexpr std::string_view kBytes = "BM picture bytes";

TEST_F(PictureFileTest, MissingFilesAndFolders) {
    for (const std::string_view path : {"images/missing.bmp", "images/none/x.bmp", "images", "images/big"})
        ExpectCannotOpen(path);
}

// The names the program builds are ASCII, but the folder a player unpacks
// into may be named in any script, and deep enough for a full path beyond
// the old 260-character limit.
TEST_F(PictureFileTest, CyrillicAndLongPathsAreRead) {
    Write("images/кинжал.bmp", kBytes);
    ExpectReads("images/кинжал.bmp", kBytes);

    std::string deep = "images/";
    for (int i = 0; i < 120; ++i) deep += "п";
    deep += '/' + std::string(120, 'q');
    MakeFolders(deep);
    const std::string longPath = deep + "/ирон.bmp";
    ASSERT_GT(UnlimitedPathOf(longPath).size(), 4u + 260u);
    Write(longPath, kBytes);
    ExpectReads(longPath, kBytes);
    ExpectCannotOpen(deep + "/missing.bmp");
}

// A file another process writes is refused, and read once that process ends.
TEST_F(PictureFileTest, AFileHeldOpenForWritingByAnotherProcess) {
    Write("images/held.bmp", kBytes);
    Holder holder((fs::current_path() / "images" / "held.bmp").native());
    ASSERT_EQ(holder.firstLine(), "held") << "the holding process did not start";

    ExpectCannotOpen("images/held.bmp");

    holder.release();
    EXPECT_EQ(holder.exitCode(), 0u);
    ExpectReads("images/held.bmp", kBytes);
}

}  // namespace

int main(int argc, char* argv[]) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments && count == 3 && arguments[1] == kHoldOption) return HoldForWriting(arguments[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
