// What trivelon-cli writes into a console window: the test makes a console
// of its own, makes it the standard output and reads back the characters on
// its screen, where a program writing UTF-8 bytes through the C runtime
// shows "Ð¢Ñ€Ð¸..." in a console whose code page is not UTF-8.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "console/console_text.h"

namespace {

// The characters of one line of the console's screen, without the blanks
// that fill the rest of it.
std::wstring ScreenLine(HANDLE console, SHORT row) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(console, &info);
    std::wstring line(static_cast<std::size_t>(info.dwSize.X), L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(console, line.data(), static_cast<DWORD>(line.size()), COORD{0, row}, &read);
    line.resize(read);
    line.erase(line.find_last_not_of(L' ') + 1);
    return line;
}

TEST(ConsoleTextTest, AConsoleShowsTheCharactersInAnyCodePage) {
    // A console of the test's own, in the Russian console's code page.
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    SetConsoleOutputCP(866);
    const HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(screen, INVALID_HANDLE_VALUE);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ASSERT_TRUE(GetConsoleScreenBufferInfo(screen, &info)) << "a console without a screen (Wine without a display)";
    const HANDLE previous = GetStdHandle(STD_OUTPUT_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, screen);

    const struct {
        std::string_view utf8;
        std::wstring_view shown;
    } lines[] = {
        {"{\"warning\": \"Выберите, что ковать\"}\r\n", L"{\"warning\": \"Выберите, что ковать\"}"},
        {"Knife 1 500 Zeny\r\n", L"Knife 1 500 Zeny"},
        {"«Тривелон» — ёЁ №\r\n", L"«Тривелон» — ёЁ №"},
        // A byte that is no UTF-8 shows as the replacement character.
        {"x\xff"
         "y\r\n",
         L"x\xfffdy"},
    };
    SHORT row = 0;
    for (const auto& line : lines) {
        EXPECT_TRUE(trivelon::console::Write(trivelon::console::Stream::Output, line.utf8));
        EXPECT_EQ(ScreenLine(screen, row), line.shown) << line.utf8;
        ++row;
    }
    SetStdHandle(STD_OUTPUT_HANDLE, previous);
    CloseHandle(screen);
    FreeConsole();
}

}  // namespace
