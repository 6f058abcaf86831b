// The program as started from a shell: it reads no command-line options, Qt's own included.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

TEST(Program, QtsOwnOptionsChangeNothing) {
    QProcess program;
    program.setWorkingDirectory(TALVIRA_CATALOGUES);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    // Handed to Qt, an unknown platform would end the program at once.
    program.start(TALVIRA_PROGRAM, {"-platform", "nosuchplatform", "-reverse"});
    ASSERT_TRUE(program.waitForStarted());
    EXPECT_FALSE(program.waitForFinished(3000)) << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished();
}

}  // namespace
