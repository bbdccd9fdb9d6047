// Entry point of the window and drawing tests: one QApplication for the whole
// run, offscreen unless the caller chose a platform.
#include <QApplication>
#include <QString>

#include <cstdlib>

#include <gtest/gtest.h>

namespace {
// The offscreen platform reports what it cannot do with every window shown;
// the tests do not need to hear it.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    qt_message_output(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
