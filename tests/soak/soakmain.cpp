// Entry of the soak: --random-start=N and --events=N stand for TALVIRA_SOAK_START and
// TALVIRA_SOAK_EVENTS; then one QApplication, offscreen by default, runs the tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <string_view>

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    constexpr std::pair<std::string_view, const char*> kOptions[] = {
        {"--random-start=", "TALVIRA_SOAK_START"}, {"--events=", "TALVIRA_SOAK_EVENTS"}};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        for (const auto& [option, variable] : kOptions) {
            if (arg.starts_with(option)) setenv(variable, argv[i] + option.size(), 1);
        }
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
