#include "editor/platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QUuid>
#include <gtest/gtest.h>
#include <memory>

using rivetbench::platform::SingleInstance;

namespace {
QString uniqueName() {
    return QStringLiteral("rivetbench-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}
} // namespace

TEST(SingleInstance, SecondStartActivatesTheFirst) {
    const QString name = uniqueName();
    auto first = std::make_unique<SingleInstance>(name);
    EXPECT_FALSE(first->anotherIsRunning());
    QSignalSpy activated(first.get(), &SingleInstance::activationRequested);

    SingleInstance second(name);
    EXPECT_TRUE(second.anotherIsRunning());
    EXPECT_TRUE(activated.wait(3000));
    EXPECT_EQ(activated.count(), 1);

    // Once the first has ended, the next start is the primary one again.
    first.reset();
    SingleInstance third(name);
    EXPECT_FALSE(third.anotherIsRunning());
}

TEST(SingleInstance, StaleNameFromACrashIsTakenOver) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "named pipes leave nothing behind";
#else
    const QString name = uniqueName();
    // A crashed instance leaves its socket file; a plain file in its place refuses connections alike.
    QFile stale(QDir(QDir::tempPath()).filePath(name));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    SingleInstance first(name);
    EXPECT_FALSE(first.anotherIsRunning());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);
    SingleInstance second(name);
    EXPECT_TRUE(second.anotherIsRunning());
    EXPECT_TRUE(activated.wait(3000));
#endif
}
