// Entry of the soak: --random-start=N and --events=N stand for TALVIRA_SOAK_START and
// TALVIRA_SOAK_EVENTS; then one QApplication, offscreen by default, runs the tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <string_view>

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    constexpr std::pair<std::string_view, const char*> kOptions[] = {
        {"--random-start=", "TALVIRA_SOAK_START"}, {"--events=", "TALVIRA_SOAK_EVENTS"}};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        for (const auto& [option, variable] : kOptions) {
            if (arg.starts_with(option)) qputenv(variable, argv[i] + option.size());
        }
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
